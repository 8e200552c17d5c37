#include "platform/TextTable.h"

#include <gtest/gtest.h>

#include "platform/TextTableModel.h"

namespace {

TEST(TextTable, CellsOutsideTheTableReadEmpty) {
    TextTable table({"序号", "照片"});
    table.addRow({"1", "a"});
    table.addRow({"2"});
    EXPECT_EQ(table.cell(0, 1), "a");
    EXPECT_EQ(table.cell(1, 1), "");   // past the end of a short row
    EXPECT_EQ(table.cell(0, 9), "");   // past every column
    EXPECT_EQ(table.cell(2, 0), "");   // past the last row
    EXPECT_EQ(table.cell(-1, 0), "");
    EXPECT_EQ(table.cell(0, -1), "");
}

TEST(TextTable, WritingPastTheEndOfARowWidensIt) {
    TextTable table({"a"});
    table.addRow({"x"});
    table.setCell(0, 3, "d");
    EXPECT_EQ(table.row(0), QStringList({"x", "", "", "d"}));
    EXPECT_EQ(table.columnCount(), 1);  // the captions stay as they were
}

TEST(TextTable, ChangesOutsideTheTableChangeNothing) {
    TextTable table({"a"});
    table.addRow({"x"});
    int changes = 0;
    QObject::connect(&table, &TextTable::changed, [&] { ++changes; });
    table.setCell(1, 0, "no row");
    table.setCell(-1, 0, "no row");
    table.removeRow(1);
    table.removeRow(-1);
    EXPECT_EQ(table.rowCount(), 1);
    EXPECT_EQ(table.row(0), QStringList({"x"}));
    EXPECT_EQ(table.row(5), QStringList());
    EXPECT_EQ(changes, 0);
    table.insertRow(9, {"appended"});  // past the end: appended
    table.insertRow(-3, {"first"});    // before the start: first
    EXPECT_EQ(table.cell(0, 0), "first");
    EXPECT_EQ(table.cell(2, 0), "appended");
}

TEST(TextTable, SaysWhenItChanged) {
    TextTable table({"a", "b"});
    int changes = 0;
    QObject::connect(&table, &TextTable::changed, [&] { ++changes; });
    struct Step {
        const char* what;
        std::function<void()> change;
    } steps[] = {
        {"addRow", [&] { table.addRow({"1", "x"}); }},
        {"insertRow", [&] { table.insertRow(0, {"0", "y"}); }},
        {"setCell", [&] { table.setCell(1, 1, "z"); }},
        {"removeRow", [&] { table.removeRow(0); }},
        {"setRows", [&] { table.setRows({{"5"}, {"6"}}); }},
        {"clear", [&] { table.clear(); }},
    };
    for (const Step& step : steps) {
        const int before = changes;
        step.change();
        EXPECT_EQ(changes, before + 1) << step.what;
    }
    table.clear();  // already empty: nothing changed
    EXPECT_EQ(changes, int(std::size(steps)));
}

TEST(TextTable, FindsRowsAndPrintsTabSeparatedText) {
    TextTable table({"序号", "照片", "位置"});
    table.addRow({"1", "春天", "/a/春天.jpg"});
    table.addRow({"2", "夏天"});
    EXPECT_EQ(table.findRow(1, QString::fromUtf8("夏天")), 1);
    EXPECT_EQ(table.findRow(2, ""), 1);  // a missing cell is empty text
    EXPECT_EQ(table.findRow(1, "秋天"), -1);
    EXPECT_EQ(table.toTsv(), QString::fromUtf8("序号\t照片\t位置\n1\t春天\t/a/春天.jpg\n2\t夏天\n"));
}

TEST(TextTableModel, ShowsTheTableAsItIsNow) {
    TextTable table({"序号", "照片"});
    TextTableModel model(&table);
    int resets = 0;
    QObject::connect(&model, &QAbstractItemModel::modelReset, [&] { ++resets; });
    EXPECT_EQ(model.rowCount(), 0);
    EXPECT_EQ(model.columnCount(), 2);
    EXPECT_EQ(model.headerData(1, Qt::Horizontal).toString(), QString::fromUtf8("照片"));
    EXPECT_EQ(model.headerData(0, Qt::Vertical).toInt(), 1);

    table.addRow({"1", "a"});
    table.addRow({"2"});
    table.setCell(0, 1, "b");
    EXPECT_EQ(resets, 3);
    EXPECT_EQ(model.rowCount(), 2);
    EXPECT_EQ(model.data(model.index(0, 1)).toString(), "b");
    EXPECT_EQ(model.data(model.index(1, 1)).toString(), "");
    EXPECT_FALSE(model.data(model.index(0, 1), Qt::DecorationRole).isValid());
    EXPECT_EQ(model.rowCount(model.index(0, 0)), 0);  // a table has no child rows

    table.removeRow(0);
    EXPECT_EQ(model.rowCount(), 1);
    EXPECT_EQ(model.data(model.index(0, 0)).toString(), "2");
}

}  // namespace
