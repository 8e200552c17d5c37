#pragma once
// TextTableModel: shows a TextTable in a Qt item view without copying it.
//
// The model reads the table on every request and resets itself whenever the table says it
// changed, so a view always shows what the logic sees. The table must outlive the model.

#include <QAbstractTableModel>

class TextTable;

class TextTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit TextTableModel(const TextTable* table, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    const TextTable* table_;
};
