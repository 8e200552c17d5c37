#include "platform/TextTable.h"

TextTable::TextTable(QStringList columnCaptions, QObject* parent)
    : QObject(parent), captions_(std::move(columnCaptions)) {}

QString TextTable::cell(int row, int column) const {
    if (row < 0 || row >= rows_.size() || column < 0) return {};
    const QStringList& cells = rows_[row];
    return column < cells.size() ? cells[column] : QString();
}

const QStringList& TextTable::row(int row) const {
    static const QStringList none;
    return row >= 0 && row < rows_.size() ? rows_[row] : none;
}

void TextTable::setCell(int row, int column, const QString& text) {
    if (row < 0 || row >= rows_.size() || column < 0) return;
    QStringList& cells = rows_[row];
    while (cells.size() <= column) cells.append(QString());
    cells[column] = text;
    emit changed();
}

int TextTable::addRow(const QStringList& cells) {
    rows_.append(cells);
    emit changed();
    return int(rows_.size()) - 1;
}

void TextTable::insertRow(int row, const QStringList& cells) {
    rows_.insert(qBound(0, row, int(rows_.size())), cells);
    emit changed();
}

void TextTable::removeRow(int row) {
    if (row < 0 || row >= rows_.size()) return;
    rows_.removeAt(row);
    emit changed();
}

void TextTable::clear() {
    if (rows_.isEmpty()) return;
    rows_.clear();
    emit changed();
}

void TextTable::setRows(QVector<QStringList> rows) {
    rows_ = std::move(rows);
    emit changed();
}

int TextTable::findRow(int column, const QString& text) const {
    for (int r = 0; r < rows_.size(); ++r)
        if (cell(r, column) == text) return r;
    return -1;
}

QString TextTable::toTsv() const {
    QString out = captions_.join('\t') + '\n';
    for (const QStringList& cells : rows_) out += cells.join('\t') + '\n';
    return out;
}
