// The pure rules of the main window's commands: time labels, the crop photo list, the
// album-type window's size entries, the save folder, the summaries.

#include <gtest/gtest.h>

#include "app/AppState.h"
#include "photos/PhotoTable.h"
#include "photos/SlotTable.h"
#include "platform/TextTable.h"
#include "templates/TemplateTables.h"

namespace {
QStringList Row(const TextTable& table, int row) { return table.row(row); }

void FillParameters(TextTable& parameters, const QList<std::pair<int, int>>& indexAndFrames) {
    for (const auto& [index, frames] : indexAndFrames) {
        QStringList row(ParameterTable::Col::ColumnCount);
        row[ParameterTable::Col::Index] = QString::number(index);
        row[ParameterTable::Col::Frames] = QString::number(frames);
        parameters.addRow(row);
    }
}

void AddUsed(TextTable& used, int index, const QString& matched) {
    QStringList row(UsedTemplateColumn::kNumber + 1);
    row[UsedTemplateColumn::kTemplateIndex] = QString::number(index);
    row[UsedTemplateColumn::kMatched] = matched;
    used.addRow(row);
}
}  // namespace

TEST(TimeLabels, CountOnlyCompletedTemplatesAndAddTheClosingMovie) {
    TextTable parameters(ParameterTable::Captions());
    FillParameters(parameters, {{0, 250}, {1, 1000}, {2, 125}});
    TextTable used(UsedTemplateTableCaptions());
    AddUsed(used, 1, "已完成");
    AddUsed(used, 2, "未完成");
    AddUsed(used, 0, "已完成");
    AddUsed(used, 7, "已完成");  // no such template: adds nothing
    EXPECT_EQ(CompletedTemplateFrames(used, parameters), 1250);
    EXPECT_EQ(TotalTimeLabel(1250), "00:00:56");  // 1400 frames
    EXPECT_EQ(TotalTimeLabel(0), "00:00:00");
    const TextTable none(UsedTemplateTableCaptions());
    EXPECT_EQ(CompletedTemplateFrames(none, parameters), 0);
}

TEST(CropPhotoList, ListsPlacedSlotsWithTheirPhotoAndHowOftenItIsUsed) {
    TextTable photos(PhotoTableCaptions());
    photos.addRow({"1", "海边", ".jpg", "800", "600", "/p/海边.jpg", "完成"});
    photos.addRow({"2", "山", ".jpg", "600", "800", "/p/山.jpg", "完成"});
    TextTable slotTable(SlotTableCaptions());
    auto slot = [&slotTable](const QString& photoRow, const QString& path) {
        QStringList row(SlotColumn::kColumnCount);
        row[SlotColumn::kPhotoRow] = photoRow;
        row[SlotColumn::kPhotoPath] = path;
        slotTable.addRow(row);
    };
    slot("1", "/p/山.jpg");
    slot("", "");  // a slot without photo is skipped
    slot("0", "/p/海边.jpg");
    slot("1", "/p/山.jpg");
    TextTable list(CropPhotoListCaptions());
    list.addRow({"stale"});
    RebuildCropPhotoList(list, slotTable, photos);
    ASSERT_EQ(list.rowCount(), 3);
    EXPECT_EQ(Row(list, 0), QStringList({"1", "山", "2", "/p/山.jpg", "0", "1"}));
    EXPECT_EQ(Row(list, 1), QStringList({"2", "海边", "1", "/p/海边.jpg", "2", "0"}));
    EXPECT_EQ(Row(list, 2), QStringList({"3", "山", "2", "/p/山.jpg", "3", "1"}));
}

TEST(MakeRules, SizeEntriesAndTheSaveFolder) {
    EXPECT_EQ(OutputSizeEntries({"320", "1280"}, {"176", "720"}), QStringList({"320 × 176", "1280 × 720"}));
    EXPECT_EQ(OutputSizeEntries({"320", "464"}, {"176"}), QStringList({"320 × 176", "464 × "}));
    const QList<std::pair<QString, QString>> folders = {
        {"/home/a/out", "/home/a/out/"}, {"/home/a/out/", "/home/a/out/"}, {"/", "/"},
        {"", ""},
#ifdef Q_OS_WIN
        {"C:\\", "C:\\"},
#else
        // "\" is part of the folder's name, not a separator.
        {"/home/a/out\\", "/home/a/out\\/"},
#endif
    };
    for (const auto& [folder, expected] : folders)
        EXPECT_EQ(WithTrailingSeparator(folder), expected) << folder.toStdString();
}

TEST(Summaries, NumberTheRowsAndTakeTheNamedColumns) {
    TextTable music({"序号", "音乐名称", "格式", "音乐时长", "位置"});
    music.addRow({"1", "晴天", ".mp3", "00:04:29", "/m/晴天.mp3"});
    music.addRow({"2", "夜曲", ".mp3", "00:03:46", "/m/夜曲.mp3"});
    TextTable summary(MusicSummaryCaptions());
    summary.addRow({"9", "old", "x"});
    RebuildSummary(summary, music, {ColumnOfCaption(music, "音乐名称"), ColumnOfCaption(music, "音乐时长")});
    ASSERT_EQ(summary.rowCount(), 2);
    EXPECT_EQ(Row(summary, 0), QStringList({"1", "晴天", "00:04:29"}));
    EXPECT_EQ(Row(summary, 1), QStringList({"2", "夜曲", "00:03:46"}));
    EXPECT_EQ(ColumnOfCaption(music, "没有"), -1);
}
