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

std::optional<std::string> routingExportText(RoutingExport kind, const CalcRecord &record,
                                             std::string &why)
{
    if (!record.result.ResultsValid || record.result.rowCount() == 0) {
        why = "There is no calculated result to export.";
        return std::nullopt;
    }
    const std::optional<BedModel> bed = describeBed(record, &why);
    if (!bed)
        return std::nullopt;
    const double depth = bed->top() - bed->baseElevation;
    if (!std::isfinite(bed->baseElevation) || !(depth > 0 && depth <= MaxBedDepth)) {
        why = "The bed's elevations are out of range.";
        return std::nullopt;
    }

    const std::vector<StoragePoint> points = bedStoragePoints(*bed);
    if (kind == RoutingExport::ElevationStorageTable)
        return stageStorageCsv(points);

    SwmmStorageNode node;
    node.projectName = record.inputs.projectName;
    node.invertElevation = bed->baseElevation;
    std::optional<std::vector<CurvePoint>> curve = EndAreaCurve::build(points, why);
    if (!curve)
        return std::nullopt;
    node.curve = std::move(*curve);
    node.maxDepth = node.curve.back().depth;
    return node.inputFileText();
}
