#pragma once
// Lyric files of the album and how their lines look.
//
// The lyric window keeps two tables in step: the file table (one row per added LRC file)
// and the settings table (one LyricSettingsRecord per file, row i belongs to file i). Both
// are added to, deleted from and emptied together, through the functions below only.
//
//   file table ListView_daoru_LRC       序号 歌词名称 类型 位置
//   settings ListView_geci_shezhi_canshu  see LyricSettingsColumn
//
// A record says where the line stands and how it looks, in the pixels of the settings
// window's sample screen (679 x 390):
//
//   position  moren_xianshi: centred, top = default top (col 5)
//             zidingyi_xianshi: top = custom top (col 7); left = custom left (col 6), or
//             centred when the centring word (col 11) is zidingyi_juzhong
//   font      face (col 8), size in points (col 10), style word (col 9):
//             changgui regular, xieti italic, cuti bold, cutixieti bold italic
//   colour    col 14, a 24-bit number 0x00BBGGRR (col 13 is its name in the colour list)
//   form      jianti: the line in simplified characters; fanti: in traditional ones
//
// ComputeLyricLook turns a record and a line into the look of the line on a screen area of
// any size: font size and tops scale with the area's height, a custom left with its width,
// and centring uses the area's width (integer arithmetic, multiplication first). On the
// sample screen itself nothing scales. Points are taken at 96 dots per inch, the density
// the sizes were chosen at, so the line is the same on a label and on a painted frame.

#include <QColor>
#include <QFont>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QVector>

class QPainter;
class TextTable;

namespace LyricFileColumn {
constexpr int kCaption = 0, kName = 1, kType = 2, kPath = 3;
}

namespace LyricSettingsColumn {
constexpr int kCaption = 0;        // 序号
constexpr int kName = 1;           // 歌词内容: file name without extension
constexpr int kType = 2;           // 类型: extension
constexpr int kPath = 3;           // 位置: full path
constexpr int kMode = 4;           // 默认_or_自定义: moren_xianshi or zidingyi_xianshi
constexpr int kDefaultTop = 5;     // 默认显示_Top位置
constexpr int kCustomLeft = 6;     // 自定义_Left
constexpr int kCustomTop = 7;      // 自定义_Top
constexpr int kFace = 8;           // 字体
constexpr int kStyle = 9;          // 字形: style word
constexpr int kSize = 10;          // 大小: points
constexpr int kCentring = 11;      // 自定义_居中: wu or zidingyi_juzhong
constexpr int kUnused = 12;        // ===
constexpr int kColourName = 13;    // 颜色
constexpr int kColourNumber = 14;  // 颜色数字: 0x00BBGGRR
constexpr int kForm = 15;          // 简体繁体: jianti or fanti
}  // namespace LyricSettingsColumn

// The sample screen of the settings window (and of the preview window): records are in
// its pixels.
constexpr int kLyricScreenWidth = 679;
constexpr int kLyricScreenHeight = 390;

// Words of the records.
inline const QString kDefaultPosition = QStringLiteral("moren_xianshi");
inline const QString kCustomPosition = QStringLiteral("zidingyi_xianshi");
inline const QString kNoCentring = QStringLiteral("wu");
inline const QString kCustomCentring = QStringLiteral("zidingyi_juzhong");
inline const QString kSimplified = QStringLiteral("jianti");
inline const QString kTraditional = QStringLiteral("fanti");

QStringList LyricFileCaptions();
QStringList LyricSettingsCaptions();

// The record a newly added file gets: default position 335 px from the top (390 - 390/7),
// "黑体", bold, 10 points, white, simplified.
QStringList DefaultLyricSettings(int caption, const QString& path);

// Appends file `path` to the file table and its default record to the settings table.
void AppendLyricFile(TextTable& files, TextTable& settings, const QString& path);
// Removes file `row` and its record, then renumbers both tables 1..n. A row outside the
// tables changes nothing.
void DeleteLyricFile(TextTable& files, TextTable& settings, int row);
void DeleteAllLyricFiles(TextTable& files, TextTable& settings);
QString LyricFilePath(const TextTable& files, int row);
QString LyricFileName(const TextTable& files, int row);

// Style words and the texts the style list shows ("常规", "倾斜", "粗体", "粗体 倾斜").
QStringList LyricStyleTexts();
QString StyleTextOfWord(const QString& word);  // empty for an unknown word
QString StyleWordOfText(const QString& text);  // empty for an unknown text
bool StyleIsBold(const QString& word);         // cuti, cutixieti
bool StyleIsItalic(const QString& word);       // xieti, cutixieti
// Character forms and their list texts ("简体", "繁体").
QStringList LyricFormTexts();
QString FormTextOfWord(const QString& word);
QString FormWordOfText(const QString& text);

// The colour list: standard colour names as records store them ("clWhite") with their
// colours, in list order.
struct NamedColour {
    QString name;
    QColor colour;
};
const QVector<NamedColour>& LyricColours();
// A colour as the record's number (0x00BBGGRR) and back.
qint64 ColourNumber(const QColor& colour);
QColor ColourOfNumber(qint64 number);

// A font as a record describes it, `points` at 96 dots per inch.
QFont LyricFont(const QString& face, int points, const QString& styleWord);

// How one line looks on a screen area.
struct LyricLook {
    QString text;    // the line in the record's character form
    QFont font;      // face, scaled size, bold and italic
    int points = 0;  // the scaled size in points
    QColor colour;
    QRect box;       // where the line stands in the area: top-left and the text's size
};

// The look of `line` with record `row` of the settings table on an area of `area` pixels.
// A record row that does not exist gives the look of a new record.
LyricLook ComputeLyricLook(const TextTable& settings, int row, const QString& line, QSize area);
// The same from one record's cells.
LyricLook ComputeLyricLook(const QStringList& record, const QString& line, QSize area);
// The size a text takes in a font, as a lyric label sizes itself.
QSize LyricTextSize(const QFont& font, const QString& text);
// Draws the line on a frame (QPainter over the frame's image) where the look puts it.
void PaintLyricLine(QPainter& painter, const LyricLook& look);
