#pragma once
// Album types, output sizes, TV system and picture quality: the rules behind the album
// type window Form24 and the quality window Form6. No window in it.
//
// Size rows of every type (width x height):
//
//   row   0          1          2          3          4           5           6           7            8
//         320 x 176  464 x 256  640 x 368  800 x 480  1280 x 720  1440 x 816  1600 x 896  1920 x 1080  2048 x 1152
//
// VCD has rows 0 to 4 only; row 7 of WMV and MOV is 1920 x 1088. Row 4 is the default of
// every type. A size row is shown as width + " × " + height (OutputSizeEntries, app/AppState.h).

#include <QSize>
#include <QString>
#include <QStringList>
#include <QVector>

// The album type words, in the order the windows list them.
QStringList AlbumTypes();  // VCD SVCD DVD AVI MP4 WMV MOV

// The conversion library's format preset of `type` (kMclVcd ... kMclWmv,
// platform/ConversionLibrary.h); -1 for a word that is not an album type.
int ConversionFormatOf(const QString& type);
// The extension of the album file of `type`: ".mpg" for VCD, SVCD and DVD, ".avi", ".mp4",
// ".wmv", ".mov"; ".mpg" for a word that is not an album type.
QString AlbumFileExtension(const QString& type);

// The size rows of `type`; none for a word that is not an album type.
QVector<QSize> OutputSizes(const QString& type);
// The two parallel lists Form24 keeps per type (its hidden combo boxes), as decimal text.
QStringList OutputWidths(const QString& type);
QStringList OutputHeights(const QString& type);
// The names of those combo boxes: "ComboBox_vcd_1" (widths), "ComboBox_vcd_2" (heights).
QString WidthListName(const QString& type);
QString HeightListName(const QString& type);

inline constexpr int kDefaultSizeRow = 4;

// The TV system as the conversion's format preset takes it: 0 for PAL, 1 for NTSC.
enum class TvSystem { Pal = 0, Ntsc = 1 };
inline int FormatPresetNumber(TvSystem system) { return int(system); }

// The picture quality words of Form6's hidden field.
inline const QString kStandardQualityWord = QStringLiteral("biaoqing");
inline const QString kHighQualityWord = QStringLiteral("gaoqing");

// The bit rate the conversion sets at high quality; standard quality leaves the preset's.
struct QualityBitRate {
    int rate = 20000;
    int mode = 1;
    int maximum = 100000;
};
