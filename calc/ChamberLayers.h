#pragma once

#include "ChamberDesignData.h"

#include <vector>

// Every stored quantity of a calculation is a single float: formulas are evaluated in
// double and rounded once when stored.
inline float single(double value)
{
    return static_cast<float>(value);
}

// Converts the record's dimensions and stages from inches to feet.
void convertChamberToFeet(ChamberDesignData &record);

// The layers between consecutive rows of a (converted) chamber table.
struct ChamberLayers
{
    std::vector<float> DeltaStage;   // ft
    std::vector<float> DeltaChamber; // ft³ inside one chamber

    explicit ChamberLayers(const ChamberDesignData &record);
    std::size_t count() const { return DeltaStage.size(); }
};
