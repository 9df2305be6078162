#include "StageStorageTable.h"

#include "FixedText.h"
#include "StorageSummary.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr int StorageDecimals = 3;  // ft³
constexpr int AcreFootDecimals = 7; // acre-ft: 0.004 ft³, as fine as the ft³ column
} // namespace

std::vector<StoragePoint> bedStoragePoints(const BedModel &bed)
{
    const double base = bed.baseElevation;
    std::vector<double> elevations = {base};
    for (const double height : bed.chamberHeight)
        elevations.push_back(bed.chamberBottom() + height);
    elevations.push_back(bed.top());
    std::sort(elevations.begin(), elevations.end());

    const double step = std::pow(10.0, -ElevationDecimals);
    std::vector<StoragePoint> points;
    for (const double elevation : elevations) {
        const StoragePoint point{elevation, bed.storageBelow(elevation)};
        if (!points.empty() && std::round((elevation - base) / step) ==
                                   std::round((points.back().elevation - base) / step))
            points.back() = point;
        else
            points.push_back(point);
    }
    return points;
}

std::string stageStorageCsv(const std::vector<StoragePoint> &points)
{
    std::string out = StageStorageHeader;
    out += '\n';
    std::string previousElevation;
    std::string pending;
    for (const StoragePoint &point : points) {
        const std::string elevation = fixedText(point.elevation, ElevationDecimals);
        // A repeated elevation text keeps the later, higher storage.
        if (elevation != previousElevation)
            out += pending;
        pending = elevation + ',' + fixedText(point.storage, StorageDecimals) + ',' +
                  fixedText(point.storage / CubicFeetPerAcreFoot, AcreFootDecimals) + '\n';
        previousElevation = elevation;
    }
    return out + pending;
}
