#include "media/LyricSettings.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

#include "platform/TextTable.h"

namespace {
namespace C = LyricSettingsColumn;
QString U(const char* text) { return QString::fromUtf8(text); }

struct LyricFiles {
    TextTable files{LyricFileCaptions()};
    TextTable settings{LyricSettingsCaptions()};
};

const QSize kScreen(kLyricScreenWidth, kLyricScreenHeight);

TEST(LyricSettings, ANewRecordShowsABoldWhiteSize10LineCentred335FromTheTop) {
    LyricFiles l;
    AppendLyricFile(l.files, l.settings, "/songs/春日.lrc");
    EXPECT_EQ(l.files.toTsv(), U("序号\t歌词名称\t类型\t位置\n1\t春日\t.lrc\t/songs/春日.lrc\n"));
    EXPECT_EQ(l.settings.row(0).join('|'),
              U("1|春日|.lrc|/songs/春日.lrc|moren_xianshi|335|0|335|黑体|cuti|10|wu|暂时不用|clWhite|16777215|jianti"));

    const LyricLook look = ComputeLyricLook(l.settings, 0, U("春风吹过"), kScreen);
    EXPECT_EQ(look.text, U("春风吹过"));
    EXPECT_EQ(look.points, 10);
    EXPECT_EQ(look.font.family(), U("黑体"));
    EXPECT_TRUE(look.font.bold());
    EXPECT_FALSE(look.font.italic());
    EXPECT_EQ(look.colour, QColor(Qt::white));
    EXPECT_EQ(look.box.top(), 335);
    EXPECT_EQ(look.box.size(), LyricTextSize(look.font, look.text));
    EXPECT_EQ(look.box.left(), kLyricScreenWidth / 2 - look.box.width() / 2);
}

TEST(LyricSettings, PlacesTheLineByModeCentringAndAreaSize) {
    struct Case {
        const char* what;
        const char* mode;
        const char* centring;
        QSize area;
        int left;  // -1: centred in the area
        int top;
        int points;
    } cases[] = {
        {"default mode ignores the custom place", "moren_xianshi", "wu", kScreen, -1, 100, 20},
        {"custom left and top", "zidingyi_xianshi", "wu", kScreen, 50, 200, 20},
        {"custom, centred", "zidingyi_xianshi", "zidingyi_juzhong", kScreen, -1, 200, 20},
        // 1280 x 720: tops and size scale by 720/390, a custom left by 1280/679.
        {"custom on a frame", "zidingyi_xianshi", "wu", {1280, 720}, 50 * 1280 / 679, 200 * 720 / 390, 20 * 720 / 390},
        {"default on the photo area", "moren_xianshi", "wu", {800, 450}, -1, 100 * 450 / 390, 20 * 450 / 390},
    };
    for (const Case& c : cases) {
        QStringList record = DefaultLyricSettings(1, "a.lrc");
        record[C::kMode] = c.mode;
        record[C::kCentring] = c.centring;
        record[C::kDefaultTop] = "100";
        record[C::kCustomLeft] = "50";
        record[C::kCustomTop] = "200";
        record[C::kSize] = "20";
        const LyricLook look = ComputeLyricLook(record, "line", c.area);
        const int left = c.left >= 0 ? c.left : c.area.width() / 2 - look.box.width() / 2;
        EXPECT_EQ(look.box.topLeft(), QPoint(left, c.top)) << c.what;
        EXPECT_EQ(look.points, c.points) << c.what;
    }
}

TEST(LyricSettings, StyleWordsSetBoldAndItalicExactly) {
    const std::tuple<const char*, bool, bool> cases[] = {
        {"changgui", false, false}, {"xieti", false, true}, {"cuti", true, false}, {"cutixieti", true, true}};
    for (auto [word, bold, italic] : cases) {
        // The same font object goes from bold italic to each style, as a label's does.
        QFont font = LyricFont(U("黑体"), 10, "cutixieti");
        font = LyricFont(font.family(), 10, word);
        EXPECT_EQ(font.bold(), bold) << word;
        EXPECT_EQ(font.italic(), italic) << word;
        EXPECT_EQ(StyleWordOfText(StyleTextOfWord(word)), word);
    }
    EXPECT_EQ(LyricStyleTexts(), QStringList({U("常规"), U("倾斜"), U("粗体"), U("粗体 倾斜")}));
}

TEST(LyricSettings, TraditionalFormConvertsTheLineAndKeepsItsLength) {
    QStringList record = DefaultLyricSettings(1, "a.lrc");
    record[C::kForm] = "fanti";
    const QString line = U("春风吹过了头发");
    const LyricLook look = ComputeLyricLook(record, line, kScreen);
    EXPECT_EQ(look.text, U("春風吹過了頭發"));
    EXPECT_EQ(look.text.size(), line.size());
    record[C::kForm] = "jianti";
    EXPECT_EQ(ComputeLyricLook(record, look.text, kScreen).text, line);
}

TEST(LyricSettings, ColourNumbersHoldBlueInTheHighByte) {
    EXPECT_EQ(ColourNumber(QColor(255, 255, 255)), 16777215);
    EXPECT_EQ(ColourNumber(QColor(255, 0, 0)), 0x0000FF);
    EXPECT_EQ(ColourNumber(QColor(0, 0, 255)), 0xFF0000);
    EXPECT_EQ(ColourOfNumber(0x123456), QColor(0x56, 0x34, 0x12));
    for (const NamedColour& c : LyricColours()) EXPECT_EQ(ColourOfNumber(ColourNumber(c.colour)), c.colour) << c.name.toStdString();
}

TEST(LyricSettings, DeletingFile1Of3MovesTheSettingsWithTheirFiles) {
    LyricFiles l;
    for (const char* path : {"/a/一.lrc", "/a/二.lrc", "/a/三.lrc"}) AppendLyricFile(l.files, l.settings, U(path));
    l.settings.setCell(1, C::kSize, "30");
    l.settings.setCell(2, C::kForm, "fanti");
    DeleteLyricFile(l.files, l.settings, 0);
    ASSERT_EQ(l.files.rowCount(), 2);
    ASSERT_EQ(l.settings.rowCount(), 2);
    for (int row = 0; row < 2; ++row) {
        EXPECT_EQ(l.files.cell(row, 0), QString::number(row + 1));
        EXPECT_EQ(l.settings.cell(row, 0), QString::number(row + 1));
        EXPECT_EQ(l.settings.cell(row, C::kPath), l.files.cell(row, LyricFileColumn::kPath));
    }
    EXPECT_EQ(LyricFileName(l.files, 0), U("二"));
    EXPECT_EQ(l.settings.cell(0, C::kSize), "30");
    EXPECT_EQ(l.settings.cell(1, C::kForm), "fanti");
    DeleteLyricFile(l.files, l.settings, 5);  // outside: nothing
    EXPECT_EQ(l.files.rowCount(), 2);
}

TEST(LyricSettings, PaintsTheLineInsideItsBox) {
    QImage frame(1280, 720, QImage::Format_RGB32);
    frame.fill(Qt::black);
    QStringList record = DefaultLyricSettings(1, "a.lrc");
    record[C::kColourNumber] = QString::number(ColourNumber(QColor(255, 255, 0)));
    const LyricLook look = ComputeLyricLook(record, U("春风吹过"), frame.size());
    {
        QPainter painter(&frame);
        PaintLyricLine(painter, look);
    }
    int inside = 0, outside = 0;
    for (int y = 0; y < frame.height(); ++y)
        for (int x = 0; x < frame.width(); ++x)
            if (frame.pixel(x, y) != qRgb(0, 0, 0)) (look.box.adjusted(-2, -2, 2, 2).contains(x, y) ? inside : outside)++;
    EXPECT_GT(inside, 50);
    EXPECT_EQ(outside, 0);
    EXPECT_EQ(look.box.top(), 335 * 720 / 390);
}
}  // namespace
