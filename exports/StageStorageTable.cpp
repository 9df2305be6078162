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
    std::vector<double> elevations = {bed.baseElevation};
    for (const double height : bed.chamberHeight)
        elevations.push_back(bed.chamberBottom() + height);
    elevations.push_back(bed.top());
    std::sort(elevations.begin(), elevations.end());

    std::vector<StoragePoint> points;
    for (const double elevation : elevations) {
        const StoragePoint point{elevation, bed.storageBelow(elevation)};
        if (!points.empty() && elevation == points.back().elevation)
            points.back() = point;
        else
            points.push_back(point);
    }
    return points;
}

Result<void> checkStorageNeverFalls(const std::vector<StoragePoint> &points)
{
    for (std::size_t i = 1; i < points.size(); ++i) {
        if (!(points[i].storage < points[i - 1].storage))
            continue;
        const double from = points[i - 1].elevation - points.front().elevation;
        const double to = points[i].elevation - points.front().elevation;
        // As many decimals as it takes to tell the two depths apart.
        int decimals = ElevationDecimals;
        while (decimals < 15 && fixedText(from, decimals) == fixedText(to, decimals))
            ++decimals;
        return Failure{"The bed's storage falls between depths " + fixedText(from, decimals) +
                       " and " + fixedText(to, decimals) +
                       " ft; no storage curve or table can give that."};
    }
    return {};
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
