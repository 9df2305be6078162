#pragma once

#include <string>
#include <vector>

struct StorageSummary;

// The texts of the storage table and its totals, shared by the Storage tab, the printed
// report and the browser edition so all say the same. Numbers have "." as decimal point.
namespace StorageSummaryText {

// Column captions of the storage table, in order.
std::vector<std::string> columnCaptions();
// A caption on two lines, the unit under the name ("Stage\n(ft)").
std::string twoLineCaption(const std::string &caption);
// The cells of one table row, in column order; the bed's parts are empty when the bed is not
// known.
std::vector<std::string> rowCells(const StorageSummary &summary, std::size_t row);
// The table as the clipboard takes it: a header row of one-line captions, then the rows, cells
// separated by TAB, each line ending in CR LF. The overload copies only the given rows and
// columns (indices in table order), as a selection of cells does.
std::string tableText(const StorageSummary &summary);
std::string tableText(const StorageSummary &summary, const std::vector<std::size_t> &rows,
                      const std::vector<std::size_t> &columns);

struct Line
{
    std::string text;
    bool warning = false; // shown so that it stands out: the check failed
};
// The totals under the table and the check line. bedProblem says why the bed could not be
// described when summary.bedKnown is false.
std::vector<Line> totalLines(const StorageSummary &summary, const std::string &bedProblem);

// The storage chart's axis titles (the storage axis has a short form) and legend entries.
struct ChartTexts
{
    std::string stageTitle = "Stage (ft)";
    std::string areaTitle = "Area (sq ft)";
    std::string storageTitle = "Cumulative storage (cu ft)";
    std::string storageShortTitle = "Storage (cu ft)";
    std::string areaLegend = "Equivalent pond area";
    std::string storageLegend = "Cumulative storage";
};

std::string stageText(double stage);
std::string areaText(double area);
std::string volumeText(double volume);

} // namespace StorageSummaryText
