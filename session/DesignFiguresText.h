#pragma once

#include "BedQuantities.h"
#include "DesignSession.h"

#include <string>
#include <vector>

// The texts of the design figures and of a sizing, shared by the Storage tab, the sizing
// dialog, the printed report, the browser edition and the command line so all say the same.
// Numbers have "." as decimal point.
namespace DesignFiguresText {

struct FigureLine
{
    std::string label;
    std::string value;
};

// The storage below the elevation (when given), the quantities and the drawdown (when given).
std::vector<FigureLine> figureLines(const DesignFigures &figures);
// The drawdown's lines alone (none without a rate).
std::vector<FigureLine> drawdownLines(const DesignFigures &figures);
// "label: value", as the command line prints a figure.
std::string plainLine(const FigureLine &line);
FigureLine storageBelowLine(const StorageBelow &below);

// The sizing table's column captions and one layout's cells, in column order.
std::vector<std::string> layoutCaptions();
std::vector<std::string> layoutCells(const SizedLayout &layout);
// What the sizing asked for: "4000 cu ft below 103 ft" or "4000 cu ft in the whole bed".
std::string targetText(const SizingTarget &target);
// The line above the table, or the message that no layout within the limits holds enough.
std::string sizingHeadline(const DesignSession::Sizing &sizing);
// The table with its headline as the command line prints it: columns aligned with blanks, LF.
std::string sizingPlainText(const DesignSession::Sizing &sizing);

} // namespace DesignFiguresText
