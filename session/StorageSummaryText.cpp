#include "StorageSummaryText.h"

#include "LineBreaks.h"
#include "NumberConversions.h"
#include "StorageSummary.h"

#include <cmath>

namespace StorageSummaryText {

namespace {

// "." as in the report, whatever the user's locale; no "-0.000" for a value that only rounds
// to zero, and a value past what a double writes in fixed notation is left blank.
std::string fixed(double value, int decimals)
{
    if (std::fabs(value) < 0.5 * std::pow(10.0, -decimals))
        value = 0;
    return std::isfinite(value) ? numbers::fixedPointText(value, decimals) : std::string();
}

std::string cubicFeet(double volume)
{
    return volumeText(volume) + " cu ft";
}

std::string collapsedLineBreaks(const std::string &problem)
{
    const std::string text = withBlanksForLineBreaks(problem);
    const auto first = text.find_first_not_of(" \t\r\n");
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
}

} // namespace

std::string stageText(double stage)
{
    return fixed(stage, 4);
}
std::string areaText(double area)
{
    return fixed(area, 2);
}
std::string volumeText(double volume)
{
    return fixed(volume, 3);
}

std::vector<std::string> columnCaptions()
{
    return {"Stage (ft)",         "Area (sq ft)",     "Interval (cu ft)",
            "Cumulative (cu ft)", "Chambers (cu ft)", "Stone voids (cu ft)"};
}

std::string twoLineCaption(const std::string &caption)
{
    std::string text = caption;
    const std::size_t unit = text.rfind(" (");
    if (unit != std::string::npos && unit > 0)
        text[unit] = '\n';
    return text;
}

std::vector<std::string> rowCells(const StorageSummary &summary, std::size_t row)
{
    const StorageRow &r = summary.rows.at(row);
    std::vector<std::string> cells = {stageText(r.stage), areaText(r.area), volumeText(r.interval),
                                      volumeText(r.cumulative)};
    if (summary.bedKnown) {
        cells.push_back(volumeText(r.chamberPart));
        cells.push_back(volumeText(r.stonePart));
    } else {
        cells.resize(cells.size() + 2);
    }
    return cells;
}

std::string tableText(const StorageSummary &summary)
{
    std::vector<std::size_t> rows(summary.rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i)
        rows[i] = i;
    std::vector<std::size_t> columns(columnCaptions().size());
    for (std::size_t i = 0; i < columns.size(); ++i)
        columns[i] = i;
    return tableText(summary, rows, columns);
}

std::string tableText(const StorageSummary &summary, const std::vector<std::size_t> &rows,
                      const std::vector<std::size_t> &columns)
{
    const auto line = [&columns](const std::vector<std::string> &cells) {
        std::string text;
        for (std::size_t i = 0; i < columns.size(); ++i) {
            if (i > 0)
                text += '\t';
            text += cells.at(columns[i]);
        }
        return text + LineBreak;
    };
    std::string text = line(columnCaptions());
    for (const std::size_t row : rows)
        text += line(rowCells(summary, row));
    return text;
}

std::vector<Line> totalLines(const StorageSummary &summary, const std::string &bedProblem)
{
    std::vector<Line> lines;
    lines.push_back({"Storage of the equivalent pond: " + cubicFeet(summary.pondStorage)});
    if (!summary.bedKnown) {
        const std::string why = collapsedLineBreaks(bedProblem);
        lines.push_back({"The bed check is not available: " +
                         (why.empty() ? std::string("the bed could not be described.") : why)});
        return lines;
    }
    lines.push_back({"Total storage of the bed: " + cubicFeet(summary.bedStorage)});
    lines.push_back({"In the stone voids: " + cubicFeet(summary.stoneStorage)});
    lines.push_back({"In the chambers: " + cubicFeet(summary.chamberStorage)});
    const std::string difference = fixed(summary.largestDifference, 4);
    if (summary.pondMatchesBed && summary.differenceNoticeable())
        lines.push_back(
            {"At this elevation the equivalent pond differs from the bed by up to " +
                 volumeText(summary.largestDifference) + " cu ft (" +
                 fixed(100 * summary.largestDifference / summary.bedStorage, 2) +
                 " % of the bed's storage): its table keeps stages to 7 significant digits in "
                 "single precision, too few here. The exports SWMM Storage Node and "
                 "Elevation–Storage Table carry the bed's own storage.",
             true});
    else if (summary.pondMatchesBed)
        lines.push_back({"The equivalent pond stores what the bed stores at every stage "
                         "(largest difference " +
                         difference + " cu ft)."});
    else
        lines.push_back({"CHECK FAILED: the equivalent pond does not store what the bed stores "
                         "(largest difference " +
                             difference + " cu ft, allowed " + fixed(summary.tolerance, 4) +
                             " cu ft).",
                         true});
    return lines;
}

} // namespace StorageSummaryText
