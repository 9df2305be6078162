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

Result<std::string> routingExportText(RoutingExport kind, const CalcRecord &record)
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
    if (kind == RoutingExport::ElevationStorageTable)
        return stageStorageCsv(points);

    SwmmStorageNode node;
    node.projectName = record.inputs.projectName;
    node.invertElevation = bed->baseElevation;
    Result<std::vector<CurvePoint>> curve = EndAreaCurve::build(points);
    if (!curve)
        return curve.failure();
    node.curve = std::move(curve).value();
    node.maxDepth = node.curve.back().depth;
    return node.inputFileText();
}
