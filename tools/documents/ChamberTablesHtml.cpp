#include "ChamberTablesHtml.h"

namespace {
constexpr double minimumStoneInches = 6; // foundation, cover and spacing between rows
constexpr double cubicInchesPerCubicFoot = 1728;

QString number(double value, int decimals = 2)
{
    return QString::number(value, 'f', decimals);
}

QString inches(double value)
{
    return QString::number(value, 'g', 6) + QStringLiteral(" in");
}
} // namespace

ChamberTablesHtml::ChamberTablesHtml(QList<ChamberModelData> models) : m_models(std::move(models))
{
}

double ChamberTablesHtml::installedStorage(const ChamberModelData &model, double porosity)
{
    const double unitVolume = (model.width() + minimumStoneInches) * model.length() *
                              (model.height() + 2 * minimumStoneInches) / cubicInchesPerCubicFoot;
    return model.fullStorage() + porosity * (unitVolume - model.fullStorage());
}

QString ChamberTablesHtml::summaryTable() const
{
    QString html = QStringLiteral(
        "<table border=\"1\" cellspacing=\"0\" cellpadding=\"4\" width=\"100%\">"
        "<tr><th>Model</th><th>Width W</th><th>Height H</th><th>Length L</th>"
        "<th>Footprint</th><th>Chamber storage</th><th>Installed storage&nbsp;*</th></tr>");
    for (const auto &model : m_models) {
        const double footprint = model.width() * model.length() / 144.0;
        html += QStringLiteral(
                    "<tr><td><b>%1</b></td><td align=\"right\">%2</td>"
                    "<td align=\"right\">%3</td><td align=\"right\">%4</td>"
                    "<td align=\"right\">%5 ft\u00b2</td><td align=\"right\">%6 ft\u00b3</td>"
                    "<td align=\"right\">%7 ft\u00b3</td></tr>")
                    .arg(model.model().toHtmlEscaped(), inches(model.width()),
                         inches(model.height()), inches(model.length()), number(footprint),
                         number(model.fullStorage()), number(installedStorage(model, 0.40)));
    }
    html += QStringLiteral("</table>");
    return html;
}

QString ChamberTablesHtml::modelSections() const
{
    QString html;
    for (const auto &model : m_models) {
        // Each further model starts a page so that no table is split between pages.
        const bool first = &model == &m_models.constFirst();
        html +=
            QStringLiteral("<h3%1>%2</h3>")
                .arg(first ? QString() : QStringLiteral(" style=\"page-break-before: always;\""),
                     model.model().toHtmlEscaped());
        html += QStringLiteral("<p>%1</p>").arg(model.description().toHtmlEscaped());
        html += QStringLiteral("<p>Outside width %1, height %2, length %3; %4 table rows from "
                               "stage %5 to %6; full storage %7 ft\u00b3 per chamber.</p>")
                    .arg(inches(model.width()), inches(model.height()), inches(model.length()))
                    .arg(model.rows().size())
                    .arg(inches(model.rows().constFirst().stage),
                         inches(model.rows().constLast().stage), number(model.fullStorage()));
        html += stageStorageTable(model);
    }
    return html;
}

QString ChamberTablesHtml::stageStorageTable(const ChamberModelData &model)
{
    // The rows run down four column pairs so that a table fits on part of a page.
    constexpr int columns = 4;
    const auto &rows = model.rows();
    const qsizetype perColumn = (rows.size() + columns - 1) / columns;
    QString html = QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\" "
                                  "width=\"100%\"><tr>");
    for (int c = 0; c < columns; ++c)
        html += QStringLiteral("<th>Stage (in)</th><th>Storage (ft\u00b3)</th>");
    html += QStringLiteral("</tr>");
    for (qsizetype r = 0; r < perColumn; ++r) {
        html += QStringLiteral("<tr>");
        for (int c = 0; c < columns; ++c) {
            const qsizetype index = c * perColumn + r;
            if (index < rows.size())
                html += QStringLiteral("<td align=\"center\">%1</td><td align=\"right\">%2</td>")
                            .arg(QString::number(rows.at(index).stage, 'g', 6),
                                 number(rows.at(index).storage));
            else
                html += QStringLiteral("<td></td><td></td>");
        }
        html += QStringLiteral("</tr>");
    }
    html += QStringLiteral("</table>");
    return html;
}
