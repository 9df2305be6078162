#include "RoutingExports.h"

#include "CalcRecord.h"
#include "StageStorageTable.h"
#include "StorageSummary.h"
#include "SwmmExport.h"

#include <cmath>

namespace {
// Depths are counted in hundred-thousandths of a foot; far beyond any bed, and still exact.
constexpr double MaxBedDepth = 1e6; // ft
} // namespace

Result<void> checkInfiltrationRate(double inchesPerHour)
{
    if (std::isfinite(inchesPerHour) && inchesPerHour > 0)
        return {};
    return Failure{"The infiltration rate must be a positive number of inches per hour."};
}

Result<std::string> routingExportText(RoutingExport kind, const CalcRecord &record,
                                      const SwmmNodeChoices &choices)
{
    if (!record.result.ResultsValid || record.result.rowCount() == 0)
        return Failure{"There is no calculated result to export."};
    const Result<BedModel> bed = describeBed(record);
    if (!bed)
        return bed.failure();
    const double depth = bed->top() - bed->baseElevation;
    if (!std::isfinite(bed->baseElevation) || !(depth > 0 && depth <= MaxBedDepth))
        return Failure{"The bed's elevations are out of range."};

    const std::vector<StoragePoint> points = bedStoragePoints(*bed);
    if (kind == RoutingExport::ElevationStorageTable) {
        if (const Result<void> rising = checkStorageNeverFalls(points); !rising)
            return rising.failure();
        return stageStorageCsv(points);
    }

    if (!choices.nodeName.empty()) {
        if (const Result<void> name = checkSwmmNodeName(choices.nodeName); !name)
            return name.failure();
    }
    if (choices.infiltrationRate) {
        if (const Result<void> rate = checkInfiltrationRate(*choices.infiltrationRate); !rate)
            return rate.failure();
    }
    SwmmStorageNode node;
    node.projectName = record.inputs.projectName;
    node.nodeName = choices.nodeName;
    node.invertElevation = bed->baseElevation;
    node.seepageRate = choices.infiltrationRate;
    Result<StorageCurve> curve = EndAreaCurve::build(points, bed->planArea);
    if (!curve)
        return curve.failure();
    node.curve = std::move(curve).value();
    return node.inputFileText();
}
