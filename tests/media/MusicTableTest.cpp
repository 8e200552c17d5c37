#include "media/MusicTable.h"

#include <gtest/gtest.h>

#include "platform/TextTable.h"

namespace {

TEST(MusicTable, DurationTextIsWholeMinutesAndSecondsAfterAConstantHour) {
    struct Case {
        qint64 ms;
        const char* text;
    } cases[] = {
        {0, "00:00:00"},          {999, "00:00:00"},         {59900, "00:00:59"},
        {60000, "00:01:00"},      {187000, "00:03:07"},      {187999, "00:03:07"},
        {75 * 60000, "00:75:00"}, {100 * 60000 + 5000, "00:100:05"},
    };
    for (const Case& c : cases) EXPECT_EQ(MusicDurationText(c.ms), c.text) << c.ms;
}

TEST(MusicTable, RowsCarryNameFormatAsWrittenDurationAndPathAndRenumber) {
    TextTable table(MusicTableCaptions());
    AppendMusic(table, "/music/春日.mp3", 70000);
    AppendMusic(table, "/music/live.at.home.MP3", 61500);
    AppendMusic(table, "/music/春日.mp3", 70000);  // the same file again is a row of its own
    EXPECT_EQ(table.row(0), QStringList({"1", "春日", ".mp3", "00:01:10", "/music/春日.mp3"}));
    EXPECT_EQ(table.row(1), QStringList({"2", "live.at.home", ".MP3", "00:01:01", "/music/live.at.home.MP3"}));
    EXPECT_EQ(table.row(2)[0], "3");
    table.removeRow(1);
    RenumberMusic(table);
    EXPECT_EQ(table.cell(0, MusicColumn::kCaption), "1");
    EXPECT_EQ(table.cell(1, MusicColumn::kCaption), "2");
    EXPECT_EQ(MusicPath(table, 1), "/music/春日.mp3");
}

TEST(MusicTable, TheSkippedFilesMessageNamesEveryFileOnce) {
    EXPECT_EQ(SkippedMusicMessage({}), "");
    EXPECT_EQ(SkippedMusicMessage({"/a/notes.mp3", "/b/empty.mp3"}),
              "以下 2 个文件不是可以播放的MP3音乐文件,没有添加:\nnotes.mp3\nempty.mp3");
}

}  // namespace
