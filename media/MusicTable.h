#pragma once
// The music table ListView_daoru_yinyue of the music window: one row per added MP3 file,
// in the order added, every value text.
//
//   col  caption    content
//   0    序号        row number 1 ... n, renumbered after every deletion
//   1    音乐名称    file name without folder and extension
//   2    格式        the extension with its dot, as written (".mp3", ".MP3")
//   3    音乐时长    "00:" + mm + ":" + ss of the measured length (MusicDurationText)
//   4    位置        full path
//
// The same file may stand in the table any number of times. The album preview and the
// maker play the files in table order.

#include <QString>
#include <QStringList>
#include <QtGlobal>

class TextTable;

namespace MusicColumn {
constexpr int kCaption = 0;
constexpr int kName = 1;
constexpr int kFormat = 2;
constexpr int kDuration = 3;
constexpr int kPath = 4;
}  // namespace MusicColumn

QStringList MusicTableCaptions();  // 序号 音乐名称 格式 音乐时长 位置

// The duration text of a length in milliseconds: s = ms ÷ 1000, "00:" + s ÷ 60 + ":" +
// s mod 60, each part two digits at least (minutes are not limited to 59): 187 000 ms gives
// "00:03:07", 75 minutes "00:75:00", 59 900 ms "00:00:59".
QString MusicDurationText(qint64 ms);

// Appends the row of the file at `path` measured at `lengthMs`; answers its row.
int AppendMusic(TextTable& table, const QString& path, qint64 lengthMs);
// Writes 1 ... n into 序号.
void RenumberMusic(TextTable& table);

QString MusicName(const TextTable& table, int row);
QString MusicDuration(const TextTable& table, int row);
QString MusicPath(const TextTable& table, int row);

// The one message of an add job that skipped files: their names, one a line.
QString SkippedMusicMessage(const QStringList& skippedPaths);

// The window's texts.
inline const QString kNoMusicMessage = QStringLiteral("没有添加音乐文件！");
inline const QString kNoMusicSelectedMessage = QStringLiteral("没有选中音乐文件！");
inline const QString kMusicDeletedMessage = QStringLiteral("选中的音乐文件已经删除！");
inline const QString kAllMusicDeletedMessage = QStringLiteral("音乐文件已经全部删除！");
inline const QString kDeleteMusicTitle = QStringLiteral("删除音乐");
inline const QString kDeleteMusicQuestion = QStringLiteral("是否确定要删除当前选中的音乐文件?");
inline const QString kDeleteAllMusicQuestion = QStringLiteral("是否确定要删除全部音乐文件?");
