#include "StorageTexts.h"

#include "StorageSummaryText.h"

namespace StorageTexts {

namespace {

QStringList toQt(const std::vector<std::string> &texts)
{
    QStringList list;
    for (const std::string &text : texts)
        list << QString::fromStdString(text);
    return list;
}

} // namespace

QString stageText(double stage)
{
    return QString::fromStdString(StorageSummaryText::stageText(stage));
}
QString areaText(double area)
{
    return QString::fromStdString(StorageSummaryText::areaText(area));
}
QString volumeText(double volume)
{
    return QString::fromStdString(StorageSummaryText::volumeText(volume));
}

QStringList columnCaptions()
{
    return toQt(StorageSummaryText::columnCaptions());
}

QString twoLineCaption(const QString &caption)
{
    return QString::fromStdString(StorageSummaryText::twoLineCaption(caption.toStdString()));
}

QStringList rowCells(const StorageSummary &summary, int row)
{
    return toQt(StorageSummaryText::rowCells(summary, std::size_t(row)));
}

QList<Line> totalLines(const StorageSummary &summary, const QString &bedProblem)
{
    QList<Line> lines;
    for (const StorageSummaryText::Line &line :
         StorageSummaryText::totalLines(summary, bedProblem.toStdString()))
        lines.append({QString::fromStdString(line.text), line.warning});
    return lines;
}

} // namespace StorageTexts
