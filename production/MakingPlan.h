#pragma once
// The plans of an album making: which templates and which songs go into the album, and how
// many frames each takes. Pure rules over the program's tables; no window.
//
// Album time is counted in frames at 25 per second.
//   - A template lasts its movie's frame count (mbdx of its parameter row).
//   - The closing movie adds 150 frames after the last template.
//   - A song of L milliseconds counts (L div 1000) x 25 frames: 30 999 ms is 750 frames.
//
// TemplatePlan (Form25.ListView_xuyao_shiyongmoban_shuliang): one row per used template
// (Form8.ListView_moban_shiyong) whose 照片匹配 is "已完成", in album order; its cells are
// the used row's columns 0 ... 8 and then the used row's number (行号).
//
// MusicPlan (Form25.ListView_xuyao_yinyue_shuliang): the songs laid under the album from
// the first one on, repeating the list from its start, until they cover at least the
// album's frames; its cells are the music row's columns 0 ... 4 (序号 音乐名称 格式 音乐时长
// 位置), the music row's number (行号, also the row of its lyric file and lyric settings),
// and the song's frame count (需要帧数). A song shorter than a second counts no frames and
// is left out; when no song counts any frames, the plan is empty (the album is made without
// sound rather than repeating silence for ever).

#include <QList>
#include <QString>
#include <QStringList>
#include <QVector>

class TextTable;

constexpr int kFramesPerSecond = 25;
constexpr int kClosingMovieFrames = 150;

namespace TemplatePlanColumn {
enum : int {
    kTemplateIndex = 0,  // 序号: template index
    kName = 1,           // 模板名称
    kMatched = 7,        // 照片匹配 (sub-item 6)
    kUsedRow = 9,        // 行号: row in the used-template table (sub-item 8)
};
}

namespace MusicPlanColumn {
enum : int {
    kNumber = 0,    // 序号
    kName = 1,      // 音乐名称
    kPath = 4,      // 位置 (sub-item 3)
    kMusicRow = 5,  // 行号: row in the music, lyric and lyric-settings tables
    kFrames = 6,    // 需要帧数
};
}

QStringList TemplatePlanCaptions();
QStringList MusicPlanCaptions();

// The TemplatePlan rows of the used-template table.
QVector<QStringList> BuildTemplatePlan(const TextTable& usedTemplates);
// The frames of the planned templates (from the parameter table) plus the closing movie.
qint64 PlannedFrames(const TextTable& templatePlan, const TextTable& parameters);
// The frames of template plan row `row`; 0 when its template is not in the table.
int TemplatePlanFrames(const TextTable& templatePlan, int row, const TextTable& parameters);

// (L div 1000) x 25.
qint64 SongFrames(qint64 lengthMs);

struct SongPlanEntry {
    int musicRow = 0;
    qint64 frames = 0;
};
// The songs, each given by its frame count (in music-table order), laid under `total`
// frames as the header says.
QList<SongPlanEntry> PlanSongs(const QList<qint64>& songFrames, qint64 total);

// A MusicPlan row for song `entry` of the music table.
QStringList MusicPlanRow(const TextTable& musicTable, const SongPlanEntry& entry);
int MusicPlanRowOfSong(const TextTable& musicPlan, int row);
qint64 MusicPlanFrames(const TextTable& musicPlan, int row);
QString MusicPlanPath(const TextTable& musicPlan, int row);
