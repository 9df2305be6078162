#include "LayoutTableModel.h"

#include "DesignFiguresText.h"

LayoutTableModel::LayoutTableModel(QObject *parent) : QAbstractTableModel(parent)
{
    for (const std::string &caption : DesignFiguresText::layoutCaptions())
        m_captions << QString::fromStdString(caption);
}

void LayoutTableModel::setLayouts(std::vector<SizedLayout> layouts)
{
    beginResetModel();
    m_layouts = std::move(layouts);
    endResetModel();
}

int LayoutTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_layouts.size());
}

int LayoutTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_captions.size());
}

QVariant LayoutTableModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    if (role != Qt::DisplayRole)
        return {};
    const std::vector<std::string> cells = DesignFiguresText::layoutCells(layoutAt(index.row()));
    return QString::fromStdString(cells.at(std::size_t(index.column())));
}

QVariant LayoutTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Vertical)
        return section + 1;
    return m_captions.value(section);
}
