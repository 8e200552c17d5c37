#include "platform/TextTableModel.h"

#include "platform/TextTable.h"

TextTableModel::TextTableModel(const TextTable* table, QObject* parent)
    : QAbstractTableModel(parent), table_(table) {
    connect(table_, &TextTable::changed, this, [this] {
        beginResetModel();
        endResetModel();
    });
}

int TextTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : table_->rowCount();
}

int TextTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : table_->columnCount();
}

QVariant TextTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole)) return {};
    return table_->cell(index.row(), index.column());
}

QVariant TextTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) return {};
    if (orientation == Qt::Horizontal) return table_->columnCaptions().value(section);
    return section + 1;
}
