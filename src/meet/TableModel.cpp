#include "meet/TableModel.h"

#include "meet/QtText.h"

namespace korvanda {

TableModel::TableModel(const Table& table, QObject* parent)
    : QAbstractTableModel(parent)
    , table_(table)
    , shownRows_(rowCount())
    , shownColumns_(columnCount())
{
}

int TableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : std::max(0, table_.rowCount() - 1);
}

int TableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : table_.columnCount();
}

QVariant TableModel::data(const QModelIndex& index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid() || index.row() + 1 >= table_.rowCount()
        || index.column() >= table_.columnCount())
        return {};
    return toQt(table_.cell(index.row() + 1, index.column()));
}

QVariant TableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole && role != Qt::AccessibleTextRole)
        return {};
    if (orientation == Qt::Vertical)
        return role == Qt::DisplayRole ? QVariant(section + 1) : QVariant(tr("Row %1").arg(section + 1));
    if (table_.rowCount() == 0 || section >= table_.columnCount())
        return {};
    if (role == Qt::AccessibleTextRole && section < spokenCaptions_.size())
        return spokenCaptions_[section];
    return toQt(table_.cell(0, section)).trimmed();
}

void TableModel::refresh()
{
    // A change of shape needs a reset; a change of cells keeps the scroll
    // position and the selection, which matters on a long roster.
    if (rowCount() != shownRows_ || columnCount() != shownColumns_) {
        beginResetModel();
        shownRows_ = rowCount();
        shownColumns_ = columnCount();
        endResetModel();
    } else if (shownRows_ > 0 && shownColumns_ > 0) {
        emit dataChanged(index(0, 0), index(shownRows_ - 1, shownColumns_ - 1));
        emit headerDataChanged(Qt::Horizontal, 0, shownColumns_ - 1);
    }
}

} // namespace korvanda
