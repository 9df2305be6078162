#pragma once

#include "CalcRecord.h"
#include "Result.h"

#include <optional>

// What building a calculated bed takes, to the neat lines of the bed (no side slopes, no
// over-dig).
struct BedQuantities
{
    int chambers = 0;
    double planArea = 0;    // ft²
    double bedHeight = 0;   // ft: foundation + chamber height + cover
    double stoneVolume = 0; // ft³: plan area × bed height − the chambers' storage at their top
    double excavation = 0;  // ft³: plan area × bed height
    double geotextile = 0;  // ft²: top and bottom, and the sides when the bed's shape is known
    bool geotextileHasSides = false;
};

// The bed's storage below an elevation.
struct StorageBelow
{
    double elevation = 0; // ft datum
    double storage = 0;   // ft³
    double share = 0;     // of the bed's whole storage, 0..1
};

// How long the bed takes to drain through its bottom at a constant design rate.
struct Drawdown
{
    double rate = 0;                  // in/hr
    double fullBedHours = 0;          // the whole bed
    std::optional<double> belowHours; // the storage below the elevation, when one is given
};

// The figures of a calculated bed for the elevation and the rate the designer gave (either may
// be missing); the reason says why the bed cannot be described.
struct DesignFigures
{
    BedQuantities quantities;
    std::optional<StorageBelow> below;
    std::optional<Drawdown> drawdown;
};

Result<DesignFigures> designFigures(const CalcRecord &record, std::optional<double> elevation,
                                    std::optional<double> infiltrationRate);

inline constexpr double CubicFeetPerCubicYard = 27.0;
inline constexpr double SquareFeetPerSquareYard = 9.0;
inline constexpr double CubicFeetPerAcreFoot = 43560.0;
