#pragma once

#include "ChamberModelData.h"

#include <QList>
#include <QString>

// HTML fragments of the design manual that come from the chamber design data files, so the
// manual always shows the tables the calculator uses.
class ChamberTablesHtml
{
public:
    explicit ChamberTablesHtml(QList<ChamberModelData> models);

    // One row per model: outside dimensions, footprint, full storage, installed storage.
    QString summaryTable() const;
    // A section per model with its dimensions and stage-storage table.
    QString modelSections() const;

    // Storage of one chamber with the stone of its own footprint at the minimum foundation,
    // cover and spacing between rows (6 in each) and the given porosity, ft^3.
    static double installedStorage(const ChamberModelData &model, double porosity);

private:
    static QString stageStorageTable(const ChamberModelData &model);

    QList<ChamberModelData> m_models;
};
