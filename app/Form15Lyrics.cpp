// Form15's lyric side: the lyric list, loading the picked file and the line for a clock.
//
// The lyric files are the lyric window's table; a picked file is read into the main
// window's lyric tables, which keep it after this window closes. The line is looked up in
// their timeline at every tick and shown with the settings record at Edit_shijian_lrc_num;
// a clock with no line of its own leaves the line shown before on screen.

#include <QLabel>
#include <QStringList>

#include "app/Form15.h"
#include "app/Form2.h"
#include "app/Form5.h"
#include "app/LyricLabel.h"
#include "media/LrcFile.h"
#include "platform/TextTable.h"

namespace {
Form5& LyricWindow() { return *Windows::get<Form5>(); }
}  // namespace

QStringList Form15::lyricNames() const {
    QStringList names;
    const TextTable& files = LyricWindow().lyricTable();
    const int column = int(files.columnCaptions().indexOf("歌词名称"));
    for (int row = 0; row < files.rowCount(); ++row) names.append(files.cell(row, column));
    return names;
}

bool Form15::loadPickedLyrics(int index, QString& error) {
    return LoadLrcFile(LyricWindow().lyricPath(index), Windows::get<Form2>()->lyricTables(), error);
}

void Form15::showLyricLine(const QString& clock) {
    if (LyricWindow().lyricTable().rowCount() == 0) return;
    const TextTable& timeline = *Windows::get<Form2>()->ListView_LRC_3;
    const int row = FindLyricLine(timeline, clock);
    if (row < 0) return;
    ApplyLyricSettings(*Label_LRC, *Panel_LRC, LyricLineText(timeline, row), Edit_shijian_lrc_num.toInt());
}

QString Form15::clockText(qint64 ms) const { return FormatClock(ms / 1000); }
