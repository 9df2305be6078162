#include "StorageSummary.h"

#include "CalcMethod.h"
#include "NumberText.h"
#include "StageResolution.h"
#include "TextParsers.h"

#include <algorithm>
#include <cmath>

namespace {
// A table value as the report, the clipboard and the project file give it: a fresh result
// and a reopened one then show the same storage.
double asWritten(float value)
{
    float read = value;
    return parseSingle(NumToText(value), read) == ParseStatus::Ok ? read : value;
}
} // namespace

double BedModel::chamberTop() const
{
    return chamberBottom() + (chamberHeight.empty() ? 0.0 : chamberHeight.back());
}

double BedModel::chamberStorageBelow(double elevation) const
{
    const double height = elevation - chamberBottom();
    if (chamberHeight.empty() || height <= 0)
        return 0;
    if (height >= chamberHeight.back())
        return chamberCount * chamberStorage.back();
    const auto above = std::upper_bound(chamberHeight.begin(), chamberHeight.end(), height);
    const auto i = static_cast<std::size_t>(above - chamberHeight.begin());
    const double share =
        (height - chamberHeight[i - 1]) / (chamberHeight[i] - chamberHeight[i - 1]);
    return chamberCount *
           (chamberStorage[i - 1] + share * (chamberStorage[i] - chamberStorage[i - 1]));
}

double BedModel::storageBelow(double elevation) const
{
    const double depth = std::clamp(elevation - baseElevation, 0.0, top() - baseElevation);
    const double chambers = chamberStorageBelow(elevation);
    return porosity * (planArea * depth - chambers) + chambers;
}

Result<BedModel> describeBed(const CalcMethod &method, const InputValues &v,
                             const ChamberDesignData &chamber)
{
    const BedGeometry geometry = method.bedGeometry(v, chamber);
    BedModel bed;
    bed.chamberCount = geometry.chambers;
    bed.planArea = geometry.planArea;
    bed.foundationDepth = v.foundationDepth / 12.0;
    bed.coverThickness = v.coverThickness / 12.0;
    bed.porosity = v.porosity / 100.0;
    bed.baseElevation = v.baseElevation;
    if (!(bed.planArea > 0 && bed.foundationDepth > 0 && bed.coverThickness > 0 &&
          bed.porosity >= 0.01 && bed.porosity <= 1))
        return Failure{"The inputs do not describe a bed that calculates."};

    for (std::size_t i = 0; i < chamber.Stage.size(); ++i) {
        bed.chamberHeight.push_back((double(chamber.Stage[i]) - chamber.Stage[0]) / 12.0);
        bed.chamberStorage.push_back(double(chamber.Storage[i]) - chamber.Storage[0]);
    }
    return bed;
}

Result<BedModel> describeBed(const CalcRecord &record)
{
    const CalcMethod *method = calcMethod(record.inputs.method);
    if (!method)
        return Failure{"The inputs do not describe a bed that calculates."};
    return describeBed(*method, record.values, record.chamber);
}

StorageSummary summarizeStorage(const ResultState &result, const BedModel *bed)
{
    StorageSummary summary;
    const std::size_t count = result.rowCount();
    double spacingAllowance = 0;
    for (std::size_t i = 0; i < count; ++i) {
        StorageRow row;
        row.stage = asWritten(result.EquivStage[i]);
        row.area = asWritten(result.EquivArea[i]);
        if (i > 0) {
            const StorageRow &previous = summary.rows.back();
            row.interval = row.area * (row.stage - previous.stage);
            row.cumulative = previous.cumulative + row.interval;
        }
        spacingAllowance += std::fabs(row.area) * stageResolution(row.stage);
        summary.rows.push_back(row);
    }
    if (!summary.rows.empty())
        summary.pondStorage = summary.rows.back().cumulative;
    if (!bed)
        return summary;

    summary.bedKnown = true;
    double chambersBelowPrevious = 0;
    double bedBelowPrevious = 0;
    for (StorageRow &row : summary.rows) {
        const double chambers = bed->chamberStorageBelow(row.stage);
        row.bedCumulative = bed->storageBelow(row.stage);
        row.chamberPart = chambers - chambersBelowPrevious;
        row.stonePart = (row.bedCumulative - bedBelowPrevious) - row.chamberPart;
        chambersBelowPrevious = chambers;
        bedBelowPrevious = row.bedCumulative;
        summary.largestDifference =
            std::max(summary.largestDifference, std::fabs(row.cumulative - row.bedCumulative));
    }
    summary.bedStorage = bed->storageBelow(bed->top());
    summary.chamberStorage = bed->chamberStorageBelow(bed->top());
    summary.stoneStorage = summary.bedStorage - summary.chamberStorage;
    // A pond that stops short of the bed's top (or goes past it) misses storage there.
    summary.largestDifference =
        std::max(summary.largestDifference, std::fabs(summary.pondStorage - summary.bedStorage));
    summary.tolerance =
        StorageSummary::relativeTolerance * std::fabs(summary.bedStorage) + spacingAllowance;
    summary.pondMatchesBed = summary.largestDifference <= summary.tolerance;
    return summary;
}

StorageSummary summarizeStorage(const CalcRecord &record)
{
    const Result<BedModel> bed = describeBed(record);
    StorageSummary summary = summarizeStorage(record.result, bed ? &*bed : nullptr);
    summary.bedProblem = bed.reason();
    return summary;
}
