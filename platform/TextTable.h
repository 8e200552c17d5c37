#pragma once
// TextTable: the program's report-style tables as plain data.
//
// Every table of the program is a list of rows of text. Column 0 is a row's caption and
// column k (k >= 1) is its k-th sub-item; every value is text, numbers are decimal and are
// parsed where they are used. A table keeps the captions of its columns so that a tester
// or the scripted driver can print it, and a shown table is displayed through
// TextTableModel over this same data, so there is exactly one copy of every table.
//
// Reading a cell outside the table answers empty text, as reading a missing sub-item of
// the original lists did; writing past the end of a row widens that row.

#include <QObject>
#include <QString>
#include <QStringList>
#include <QVector>

class TextTable : public QObject {
    Q_OBJECT
public:
    explicit TextTable(QStringList columnCaptions = {}, QObject* parent = nullptr);

    const QStringList& columnCaptions() const { return captions_; }
    int columnCount() const { return int(captions_.size()); }
    int rowCount() const { return int(rows_.size()); }

    // The cell at (row, column); empty text outside the table.
    QString cell(int row, int column) const;
    // The cells of a row; no cells for a row outside the table.
    const QStringList& row(int row) const;
    // Sets one cell; the row is widened when the column lies past its end. A row or
    // column outside the table changes nothing.
    void setCell(int row, int column, const QString& text);

    // Appends a row and returns its number.
    int addRow(const QStringList& cells);
    // Inserts a row before `row`; a number past either end inserts at that end.
    void insertRow(int row, const QStringList& cells);
    // Removes a row; a row outside the table changes nothing.
    void removeRow(int row);
    void clear();
    void setRows(QVector<QStringList> rows);

    // The first row whose cell in `column` equals `text`, or -1.
    int findRow(int column, const QString& text) const;

    // Tab-separated text: the captions, then one line per row.
    QString toTsv() const;

signals:
    // Any change at all; shown tables refresh from it.
    void changed();

private:
    QStringList captions_;
    QVector<QStringList> rows_;
};
