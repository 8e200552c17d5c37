#include "media/LrcFile.h"

#include <gtest/gtest.h>

#include <QFileInfo>
#include <memory>
#include <vector>

#include "platform/GbkText.h"
#include "platform/TextTable.h"
#include "tests/support/TempDir.h"
#include "tests/support/Tools.h"

namespace {
using Row = std::pair<QString, QString>;  // 位置, 歌词

struct Lookup {
    const char* clock;
    int row;  // expected timeline row, -1 for none
};

struct Case {
    const char* what;
    const char* text;  // lines joined by LF (UTF-8 here; written in every encoding)
    std::vector<Row> timeline;
    std::vector<Lookup> lookups;
};

QString U(const char* text) { return QString::fromUtf8(text); }

// The six lyric tables, as the main window owns them.
class Tables {
public:
    Tables()
        : lines_(LyricLinesCaptions()), opens_(LyricPositionsCaptions()), closes_(LyricPositionsCaptions()),
          headers_(LyricHeaderCaptions()), entries_(LyricEntriesCaptions()), timeline_(LyricTimelineCaptions()) {}
    LyricTables tables() { return {&lines_, &opens_, &closes_, &headers_, &entries_, &timeline_}; }
    TextTable& headers() { return headers_; }
    TextTable& entries() { return entries_; }
    TextTable& timeline() { return timeline_; }
    std::vector<Row> timelineRows() const {
        std::vector<Row> rows;
        for (int r = 0; r < timeline_.rowCount(); ++r) rows.emplace_back(timeline_.cell(r, 0), timeline_.cell(r, 1));
        return rows;
    }
    int totalRows() const {
        return lines_.rowCount() + opens_.rowCount() + closes_.rowCount() + headers_.rowCount() +
               entries_.rowCount() + timeline_.rowCount();
    }

private:
    TextTable lines_, opens_, closes_, headers_, entries_, timeline_;
};

QByteArray Utf16Le(const QString& text) {
    QByteArray bytes("\xFF\xFE");
    for (QChar c : text) bytes.append(char(c.unicode() & 0xff)).append(char(c.unicode() >> 8));
    return bytes;
}

struct Encoding {
    const char* what;
    QByteArray (*encode)(const QString&);
};

const Encoding kEncodings[] = {
    {"GBK", [](const QString& t) { return EncodeGbk(t); }},
    {"GBK with CR LF", [](const QString& t) { return EncodeGbk(QString(t).replace("\n", "\r\n")); }},
    {"UTF-8", [](const QString& t) { return t.toUtf8(); }},
    {"UTF-8 with BOM", [](const QString& t) { return QByteArray("\xEF\xBB\xBF") + t.toUtf8(); }},
    {"UTF-16LE with BOM, CR LF", [](const QString& t) { return Utf16Le(QString(t).replace("\n", "\r\n")); }},
};

const Case kCases[] = {
    {"header lines only: start row and header entries, nothing ever shows",
     "[ti:春风]\n[ar:歌手]\n[offset:500]\n",
     {{"00:00", ""}, {"ti", "春风"}, {"ar", "歌手"}},
     {{"00:00", 0}, {"00:01", -1}, {"TI", 1}}},
    {"side-by-side tags share the text, rightmost first",
     "[00:10.00][01:30.00]春天来了\n",
     {{"00:00", ""}, {"01:30.00", "春天来了"}, {"00:10.00", "春天来了"}},
     {{"00:10", 2}, {"01:30", 1}}},
    {"text between tags belongs to the tag before it",
     "[00:05]甲[00:09]乙",
     {{"00:00", ""}, {"00:09", "乙"}, {"00:05", "甲"}},
     {{"00:05", 2}, {"00:09", 1}}},
    {"header tags in lyric lines move to the headers, ti before ar",
     "[ar:歌手] \n[ti:歌名] \n[00:02.00]词",
     {{"00:00", ""}, {"00:02.00", "词"}, {"ti", "歌名"}, {"ar", "歌手"}},
     {{"00:02", 1}}},
    {"a text ending in ] and a bare time tag are dropped",
     "[00:01.00]一\n[00:20.00]二 [注]\n[00:12.34]\n",
     {{"00:00", ""}, {"00:01.00", "一"}},
     {{"00:20", -1}, {"00:12", -1}}},
    {"one-digit minutes never match",
     "[1:02.00]歌",
     {{"00:00", ""}, {"1:02.00", "歌"}},
     {{"01:02", -1}}},
    {"two entries in one second: the earlier one wins",
     "[00:12.10]甲\n[00:12.80]乙\n[00:00.50]丙",
     {{"00:00", ""}, {"00:12.10", "甲"}, {"00:12.80", "乙"}, {"00:00.50", "丙"}},
     {{"00:12", 1}, {"00:00", 0}}},
    {"the [ pairs with the rightmost ]",
     "[00:01]a]b",
     {{"00:00", ""}, {"00:01]a", "b"}},
     {{"00:01", 1}}},
    {"an unpaired [ is passed over and stays in the text",
     "[00:30.00]歌词 [注\n[ 没有标签\n\n无标签的一行",
     {{"00:00", ""}, {"00:30.00", "歌词 [注"}},
     {{"00:30", 1}}},
};

TEST(LoadLrcFile, ReadsEveryFormInEveryEncoding) {
    TempDir dir;
    for (const Case& c : kCases) {
        for (const Encoding& e : kEncodings) {
            const QString path = dir.write("song.lrc", e.encode(U(c.text)));
            Tables t;
            QString error;
            ASSERT_TRUE(LoadLrcFile(path, t.tables(), error)) << c.what << " / " << e.what;
            EXPECT_EQ(t.timelineRows(), c.timeline) << c.what << " / " << e.what;
            for (const Lookup& l : c.lookups)
                EXPECT_EQ(FindLyricLine(t.timeline(), l.clock), l.row) << c.what << " / " << e.what << " at " << l.clock;
        }
    }
}

TEST(LoadLrcFile, KeepsHeaderLinesAndNumbersEntriesAsAdded) {
    Tables t;
    ReadLyricLines({"[ti:歌名]", "[00:01]a[00:02]b", "[by:编者] "}, t.tables());
    EXPECT_EQ(t.headers().toTsv(), U("行\n[ti:歌名]\n[by:编者]\n"));
    // The by entry was removed from the middle; the header entries count on from there.
    EXPECT_EQ(t.entries().toTsv(), U("序号\t位置\t歌词\n1\t00:02\tb\n2\t00:01\ta\n3\tti\t歌名\n4\tby\t编者\n"));
}

TEST(LoadLrcFile, AFileThatCannotBeReadLeavesTheTablesEmptyAndNamesIt) {
    TempDir dir;
    Tables t;
    ReadLyricLines({"[00:01]old"}, t.tables());
    ASSERT_GT(t.totalRows(), 0);
    QString error;
    for (const QString& path : {dir.file("missing.lrc"), dir.path()}) {
        EXPECT_FALSE(LoadLrcFile(path, t.tables(), error)) << path.toStdString();
        EXPECT_TRUE(error.contains(QFileInfo(path).fileName())) << error.toStdString();
        EXPECT_EQ(t.totalRows(), 0);
    }
}

TEST(LoadLrcFile, ALoadReplacesThePreviousFile) {
    TempDir dir;
    Tables t;
    QString error;
    ASSERT_TRUE(LoadLrcFile(dir.write("a.lrc", "[00:01]a\n[00:02]b\n"), t.tables(), error));
    ASSERT_TRUE(LoadLrcFile(dir.write("b.lrc", "[00:03]c\n"), t.tables(), error));
    EXPECT_EQ(t.timelineRows(), (std::vector<Row>{{"00:00", ""}, {"00:03", "c"}}));
    EXPECT_EQ(FindLyricLine(TextTable(LyricTimelineCaptions()), "00:00"), -1);
}

TEST(LoadLrcFile, ReadsTheShippedSampleLyrics) {
    Tables t;
    QString error;
    ASSERT_TRUE(LoadLrcFile(BinDir() + U("/yinyuegeciwenjian/春日.lrc"), t.tables(), error)) << error.toStdString();
    const TextTable& timeline = t.timeline();
    ASSERT_GT(timeline.rowCount(), 5);
    EXPECT_EQ(timeline.cell(0, 0), "00:00");
    // Every timed line carries Chinese text and is found at its second, unless a row above
    // it holds the same second (the start row holds 00:00); the four headers come last.
    const int headers = timeline.rowCount() - 4;
    for (int row = 1; row < headers; ++row) {
        EXPECT_FALSE(LyricLineText(timeline, row).contains(QChar(0xFFFD))) << row;
        const QString clock = timeline.cell(row, 0).left(5);
        int first = 0;
        while (!timeline.cell(first, 0).startsWith(clock)) ++first;
        EXPECT_EQ(FindLyricLine(timeline, clock), first) << row;
    }
    EXPECT_EQ(LyricLineText(timeline, 2), U("春风吹过窗前的小路"));
    QStringList keys;
    for (int row = headers; row < timeline.rowCount(); ++row) keys.append(timeline.cell(row, 0));
    EXPECT_EQ(keys, QStringList({"ti", "ar", "al", "by"}));
}

TEST(FormatClock, WritesMinutesAndSecondsModuloAnHour) {
    const std::pair<qint64, const char*> cases[] = {
        {0, "00:00"}, {59, "00:59"}, {60, "01:00"}, {3725, "02:05"}, {3599, "59:59"}, {-3, "00:00"}};
    for (auto [seconds, clock] : cases) EXPECT_EQ(FormatClock(seconds), clock) << seconds;
}

TEST(SplitLyricLines, EndsLinesAtLfAndCrLf) {
    EXPECT_EQ(SplitLyricLines("a\r\nb\n\nc"), QStringList({"a", "b", "", "c"}));
    EXPECT_EQ(SplitLyricLines("a\n"), QStringList({"a"}));
    EXPECT_EQ(SplitLyricLines("a\rb"), QStringList({"a\rb"}));
}
}  // namespace
