#pragma once

#include "BedSizing.h"

#include <QAbstractTableModel>

#include <vector>

// The sized layouts as a read-only table, one layout a row in the sizing's order; the cells are
// the engine's texts, made when a row is shown, so a list of hundreds of layouts costs little.
class LayoutTableModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    explicit LayoutTableModel(QObject *parent = nullptr);

    void setLayouts(std::vector<SizedLayout> layouts);
    const SizedLayout &layoutAt(int row) const { return m_layouts.at(std::size_t(row)); }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    std::vector<SizedLayout> m_layouts;
    QStringList m_captions;
};
