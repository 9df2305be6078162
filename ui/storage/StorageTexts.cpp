#include "StorageTexts.h"

#include "LineBreaks.h"
#include "StorageSummary.h"

#include <QLocale>

#include <cmath>

namespace StorageTexts {

namespace {

// "." as in the report, whatever the user's locale; no "-0.000" for a value that only rounds
// to zero.
QString fixed(double value, int decimals)
{
    if (std::fabs(value) < 0.5 * std::pow(10.0, -decimals))
        value = 0;
    return QLocale::c().toString(value, 'f', decimals);
}

QString cubicFeet(double volume)
{
    return volumeText(volume) + QStringLiteral(" cu ft");
}

} // namespace

QString stageText(double stage)
{
    return fixed(stage, 4);
}
QString areaText(double area)
{
    return fixed(area, 2);
}
QString volumeText(double volume)
{
    return fixed(volume, 3);
}

QStringList columnCaptions()
{
    return {QStringLiteral("Stage (ft)"),       QStringLiteral("Area (sq ft)"),
            QStringLiteral("Interval (cu ft)"), QStringLiteral("Cumulative (cu ft)"),
            QStringLiteral("Chambers (cu ft)"), QStringLiteral("Stone voids (cu ft)")};
}

QString twoLineCaption(const QString &caption)
{
    QString text = caption;
    const qsizetype unit = text.lastIndexOf(QStringLiteral(" ("));
    if (unit > 0)
        text[unit] = QLatin1Char('\n');
    return text;
}

QStringList rowCells(const StorageSummary &summary, int row)
{
    const StorageRow &r = summary.rows.at(std::size_t(row));
    QStringList cells = {stageText(r.stage), areaText(r.area), volumeText(r.interval),
                         volumeText(r.cumulative)};
    if (summary.bedKnown)
        cells << volumeText(r.chamberPart) << volumeText(r.stonePart);
    else
        cells << QString() << QString();
    return cells;
}

QList<Line> totalLines(const StorageSummary &summary, const QString &bedProblem)
{
    QList<Line> lines;
    lines.append(
        {QStringLiteral("Storage of the equivalent pond: ") + cubicFeet(summary.pondStorage)});
    if (!summary.bedKnown) {
        const QString why =
            QString::fromStdString(withBlanksForLineBreaks(bedProblem.trimmed().toStdString()));
        lines.append({QStringLiteral("The bed check is not available: ") +
                      (why.isEmpty() ? QStringLiteral("the bed could not be described.") : why)});
        return lines;
    }
    lines.append({QStringLiteral("Total storage of the bed: ") + cubicFeet(summary.bedStorage)});
    lines.append({QStringLiteral("In the stone voids: ") + cubicFeet(summary.stoneStorage)});
    lines.append({QStringLiteral("In the chambers: ") + cubicFeet(summary.chamberStorage)});
    const QString difference = fixed(summary.largestDifference, 4);
    if (summary.pondMatchesBed)
        lines.append({QStringLiteral("The equivalent pond stores what the bed stores at every "
                                     "stage (largest difference %1 cu ft).")
                          .arg(difference)});
    else
        lines.append({QStringLiteral("CHECK FAILED: the equivalent pond does not store what the "
                                     "bed stores (largest difference %1 cu ft, allowed %2 cu ft).")
                          .arg(difference, fixed(summary.tolerance, 4)),
                      true});
    return lines;
}

} // namespace StorageTexts
