#pragma once

#include "HelpDiagram.h"

#include <QString>

// The legend of the help diagram as an HTML table for the documents: symbol and meaning in two
// column pairs, in the order of the drawing's own legend.
namespace FigureLegendHtml {
QString table(const QList<HelpDiagram::LegendEntry> &entries);
}
