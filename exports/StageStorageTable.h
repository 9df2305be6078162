#pragma once

#include "Result.h"

#include <string>
#include <vector>

struct BedModel;

// The bed's cumulative storage at one elevation.
struct StoragePoint
{
    double elevation = 0; // ft datum
    double storage = 0;   // ft³ the bed holds below the elevation
};

// Elevations and depths in the exports are written to this many decimals of a foot.
inline constexpr int ElevationDecimals = 5;

// What the bed holds at each elevation where its area changes: its base, the top of the
// foundation, each stage of the chamber table and the top of the cover. In between the
// storage grows linearly, so these points give it at every elevation, each stage of the
// equivalent pond included. Ordered by elevation, each elevation once (a repeated one keeps
// the higher), however close two of them lie.
std::vector<StoragePoint> bedStoragePoints(const BedModel &bed);

// Nothing when the storage never falls from one point to the next; otherwise the reason,
// naming the depths above the first point between which it falls. No table or curve a
// routing program takes can give falling storage.
Result<void> checkStorageNeverFalls(const std::vector<StoragePoint> &points);

// The elevation–storage table for programs that take storage directly: a header line, then
// elevation (ft), cumulative storage (ft³) and (acre-ft), comma-separated, LF line ends, "."
// as decimal point.
std::string stageStorageCsv(const std::vector<StoragePoint> &points);

inline constexpr const char *StageStorageHeader = "elevation_ft,storage_cuft,storage_acft";
inline constexpr double CubicFeetPerAcreFoot = 43560;
