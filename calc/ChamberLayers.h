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

// The pond rows below the chambers: the bottom stage (with the bottom-area option, first the
// bed's whole area and then the stone's at the option's first row height), and the top of the
// foundation stone.
struct FoundationRows
{
    float baseElevation = 0;    // ft datum
    float foundationDepth = 0;  // ft
    float stoneArea = 0;        // ft², the voids' share of the bed's area
    float bottomArea = 0;       // ft², the bed's whole area
    bool bottomAreaRow = false; // the bottom-area option is checked
    double firstRowHeight = 0;  // ft above the bottom of the option's first stone row
};
void appendFoundationRows(std::vector<float> &stage, std::vector<float> &area,
                          const FoundationRows &rows);

// Height (ft) of the pond's row above the chambers, under the rest of the cover.
inline constexpr double CoverRowHeight = 1.0 / 12.0;

// The pond rows above the chambers: one inch of stone, then the rest of the cover.
void appendCoverRows(std::vector<float> &stage, std::vector<float> &area, float coverThickness,
                     float stoneArea);
