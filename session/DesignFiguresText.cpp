#include "DesignFiguresText.h"

#include "NumberConversions.h"
#include "ShortestText.h"
#include "StorageSummaryText.h"

#include <algorithm>
#include <cmath>

namespace DesignFiguresText {

namespace {
using StorageSummaryText::areaText;
using StorageSummaryText::volumeText;

// A number as a person writes it: no exponent, no trailing zeros, at most 4 decimals.
std::string number(double value)
{
    if (!(std::fabs(value) < 1e15))
        return shortestText(value).value_or("?");
    std::string text = numbers::fixedPointText(value, 4);
    if (text.find('.') != std::string::npos) {
        text.erase(text.find_last_not_of('0') + 1);
        if (text.back() == '.')
            text.pop_back();
    }
    return text == "-0" ? "0" : text;
}

std::string fixed(double value, int decimals)
{
    return numbers::fixedPointText(value, decimals);
}

std::string elevationText(double elevation)
{
    return number(elevation) + " ft";
}

std::string hoursText(double hours)
{
    return fixed(hours, 1) + " hours";
}
} // namespace

FigureLine storageBelowLine(const StorageBelow &below)
{
    return {"Storage below " + elevationText(below.elevation),
            volumeText(below.storage) + " cu ft (" +
                fixed(below.storage / CubicFeetPerAcreFoot, 4) + " acre-ft), " +
                fixed(below.share * 100, 1) + " % of the bed's storage"};
}

std::vector<FigureLine> figureLines(const DesignFigures &figures)
{
    std::vector<FigureLine> lines;
    if (figures.below)
        lines.push_back(storageBelowLine(*figures.below));
    const BedQuantities &q = figures.quantities;
    lines.push_back({"Chambers", std::to_string(q.chambers)});
    lines.push_back({"Plan area", areaText(q.planArea) + " sq ft"});
    lines.push_back({"Bed height", fixed(q.bedHeight, 4) + " ft (foundation, chamber and cover)"});
    lines.push_back({"Stone", volumeText(q.stoneVolume) + " cu ft (" +
                                  fixed(q.stoneVolume / CubicFeetPerCubicYard, 2) + " cu yd)"});
    lines.push_back({"Excavation", volumeText(q.excavation) + " cu ft (" +
                                       fixed(q.excavation / CubicFeetPerCubicYard, 2) +
                                       " cu yd), to the neat lines of the bed: no side slopes "
                                       "or over-dig"});
    lines.push_back(
        {"Geotextile",
         areaText(q.geotextile) + " sq ft (" + fixed(q.geotextile / SquareFeetPerSquareYard, 2) +
             " sq yd), " +
             (q.geotextileHasSides ? "top, bottom and sides"
                                   : "top and bottom only: the sides need the bed's shape")});
    for (FigureLine &line : drawdownLines(figures))
        lines.push_back(std::move(line));
    return lines;
}

std::vector<FigureLine> drawdownLines(const DesignFigures &figures)
{
    if (!figures.drawdown)
        return {};
    const Drawdown &d = *figures.drawdown;
    std::vector<FigureLine> lines{
        {"Time to drain the full bed at " + number(d.rate) + " in/hr", hoursText(d.fullBedHours)}};
    if (d.belowHours && figures.below)
        lines.push_back(
            {"Time to drain the storage below " + elevationText(figures.below->elevation),
             hoursText(*d.belowHours)});
    return lines;
}

std::string plainLine(const FigureLine &line)
{
    return line.label + ": " + line.value;
}

std::vector<std::string> layoutCaptions()
{
    return {"Rows",       "Chambers per row",  "Chambers",        "Length (ft)",
            "Width (ft)", "Plan area (sq ft)", "Storage (cu ft)", "Surplus (%)"};
}

std::vector<std::string> layoutCells(const SizedLayout &layout)
{
    return {std::to_string(layout.rows),     std::to_string(layout.chambersPerRow),
            std::to_string(layout.chambers), fixed(layout.length, 2),
            fixed(layout.width, 2),          areaText(layout.planArea),
            volumeText(layout.storage),      fixed(layout.surplus, 1)};
}

std::string targetText(const SizingTarget &target)
{
    return number(target.requiredStorage) + " cu ft " +
           (target.elevation ? "below " + elevationText(*target.elevation) : "in the whole bed");
}

std::string sizingHeadline(const DesignSession::Sizing &sizing)
{
    if (!sizing.sized())
        return sizing.message;
    const std::size_t count = sizing.answer.layouts.size();
    if (count == 0)
        return "No layout within the limits holds " + targetText(sizing.target) +
               ": the most any allowed layout holds is " + volumeText(sizing.answer.mostStorage) +
               " cu ft.";
    return std::to_string(count) + (count == 1 ? " layout holds " : " layouts hold ") +
           targetText(sizing.target) + ", fewest chambers first:";
}

std::string sizingPlainText(const DesignSession::Sizing &sizing)
{
    std::string text = sizingHeadline(sizing) + "\n";
    if (!sizing.sized() || sizing.answer.layouts.empty())
        return text;
    std::vector<std::vector<std::string>> rows{layoutCaptions()};
    for (const SizedLayout &layout : sizing.answer.layouts)
        rows.push_back(layoutCells(layout));
    std::vector<std::size_t> widths(rows.front().size(), 0);
    for (const auto &row : rows) {
        for (std::size_t i = 0; i < row.size(); ++i)
            widths[i] = std::max(widths[i], row[i].size());
    }
    for (const auto &row : rows) {
        std::string line;
        for (std::size_t i = 0; i < row.size(); ++i) // numbers line up on the right
            line += std::string(widths[i] - row[i].size() + (i ? 2 : 0), ' ') + row[i];
        text += line + "\n";
    }
    return text;
}

} // namespace DesignFiguresText
