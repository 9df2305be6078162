#include "StorageSummary.h"

#include "ChamberDataFile.h"
#include "FieldChecks.h"
#include "Messages.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {
std::optional<BedModel> refused(std::string *why, std::string reason)
{
    if (why)
        *why = std::move(reason);
    return std::nullopt;
}

// Reads the fields the way the methods do; the first failure's message says why.
class FieldReader
{
public:
    int count(const std::string &text, const char *specify, const char *tooFew)
    {
        int16_t value = 0;
        keep(checkCountField(text, InputField::None, specify, tooFew, value));
        return value;
    }
    double number(const std::string &text, const char *specify)
    {
        float value = 0;
        keep(checkNumberField(text, InputField::None, specify, value));
        return value;
    }
    const std::optional<std::string> &failure() const { return m_failure; }

private:
    void keep(const CheckFailure &failure)
    {
        if (failure && !m_failure)
            m_failure = failure->message;
    }
    std::optional<std::string> m_failure;
};

// The spacing of single floats near the value: what a stage stored as a float cannot resolve.
double floatSpacing(double value)
{
    const float magnitude = std::fabs(static_cast<float>(value));
    return double(std::nextafter(magnitude, std::numeric_limits<float>::infinity())) - magnitude;
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

std::optional<BedModel> describeBed(const CalcInputs &inputs, const std::string &dataDir,
                                    std::string *why)
{
    if (inputs.method != 1 && inputs.method != 2)
        return refused(why, Messages::ChooseMethod);
    CalcEnvironment environment;
    environment.dataDir = dataDir;
    ChamberDesignData record;
    if (auto failure = loadSelectedChamber(inputs, environment, record)) {
        // The calculation's own message names one chamber type whichever file is missing.
        if (failure->field == InputField::None) {
            const std::string file = ChamberTypeNames.at(std::size_t(inputs.chamberTypeIndex));
            return refused(why, "the chamber data file " + file + ".dat " +
                                    (failure->message == Messages::DataFileNotFound
                                         ? "was not found."
                                         : "could not be read."));
        }
        return refused(why, failure->message);
    }

    BedModel bed;
    FieldReader read;
    if (inputs.method == 1) {
        bed.chamberCount = read.count(inputs.numChambers, Messages::SpecifyNumChambers,
                                      Messages::NumChambersNotPositive);
        bed.planArea = read.number(inputs.bedArea, Messages::SpecifyBedArea);
    } else {
        const int rows = read.count(inputs.rows, Messages::SpecifyRows, Messages::RowsTooFew);
        const int perRow = read.count(inputs.cols, Messages::SpecifyCols, Messages::ColsTooFew);
        const double spacing = read.number(inputs.internalSpacing, Messages::SpecifySpacing) / 12;
        const double perimeter =
            read.number(inputs.perimeterThickness, Messages::SpecifyPerimeter) / 12;
        const double length = perRow * (record.Length / 12.0);
        const double width = (rows - 1) * spacing + rows * (record.Width / 12.0) + 2 * perimeter;
        bed.chamberCount = rows * perRow;
        bed.planArea = length * width;
    }
    bed.foundationDepth = read.number(inputs.foundationDepth, Messages::SpecifyFoundation) / 12;
    bed.coverThickness = read.number(inputs.coverThickness, Messages::SpecifyCover) / 12;
    bed.porosity = read.number(inputs.porosity, Messages::SpecifyPorosity) / 100;
    bed.baseElevation = read.number(inputs.baseElevation, Messages::SpecifyElevation);
    if (read.failure())
        return refused(why, *read.failure());
    if (!(bed.planArea > 0 && bed.foundationDepth > 0 && bed.coverThickness > 0 &&
          bed.porosity >= 0.01 && bed.porosity <= 1))
        return refused(why, "The inputs do not describe a bed that calculates.");

    for (std::size_t i = 0; i < record.Stage.size(); ++i) {
        bed.chamberHeight.push_back((double(record.Stage[i]) - record.Stage[0]) / 12.0);
        bed.chamberStorage.push_back(double(record.Storage[i]) - record.Storage[0]);
    }
    return bed;
}

StorageSummary summarizeStorage(const ResultState &result, const BedModel *bed)
{
    StorageSummary summary;
    const std::size_t count = result.rowCount();
    double spacingAllowance = 0;
    for (std::size_t i = 0; i < count; ++i) {
        StorageRow row;
        row.stage = result.EquivStage[i];
        row.area = result.EquivArea[i];
        if (i > 0) {
            const StorageRow &previous = summary.rows.back();
            row.interval = row.area * (row.stage - previous.stage);
            row.cumulative = previous.cumulative + row.interval;
        }
        spacingAllowance += std::fabs(row.area) * floatSpacing(row.stage);
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
