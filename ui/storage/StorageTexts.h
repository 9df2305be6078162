#pragma once

#include <QList>
#include <QString>
#include <QStringList>

struct StorageSummary;

// The texts of the storage table and its totals, shared by the Storage tab and the printed
// report so both say the same.
namespace StorageTexts {

// Column captions of the storage table, in order.
QStringList columnCaptions();
// A caption on two lines, the unit under the name ("Stage\n(ft)").
QString twoLineCaption(const QString &caption);
// The cells of one table row, in column order; the bed's parts are empty when the bed is not
// known.
QStringList rowCells(const StorageSummary &summary, int row);

struct Line
{
    QString text;
    bool warning = false; // shown so that it stands out: the check failed
};
// The totals under the table and the check line. bedProblem says why the bed could not be
// described when summary.bedKnown is false.
QList<Line> totalLines(const StorageSummary &summary, const QString &bedProblem);

QString stageText(double stage);
QString areaText(double area);
QString volumeText(double volume);

} // namespace StorageTexts
