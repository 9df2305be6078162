#include "FigureLegendHtml.h"

QString FigureLegendHtml::table(const QList<HelpDiagram::LegendEntry> &entries)
{
    const qsizetype perColumn = (entries.size() + 1) / 2;
    QString html = QStringLiteral(
        "<table cellspacing=\"0\" cellpadding=\"2\" width=\"100%\" class=\"legend\">");
    for (qsizetype row = 0; row < perColumn; ++row) {
        html += QStringLiteral("<tr>");
        for (qsizetype index : {row, row + perColumn}) {
            if (index < entries.size())
                html += QStringLiteral("<td class=\"legend\" width=\"7%\"><b>%1</b></td>"
                                       "<td class=\"legend\" width=\"43%\">%2</td>")
                            .arg(entries.at(index).symbol.toHtmlEscaped(),
                                 entries.at(index).meaning.toHtmlEscaped());
            else
                html += QStringLiteral("<td></td><td></td>");
        }
        html += QStringLiteral("</tr>");
    }
    return html + QStringLiteral("</table>");
}
