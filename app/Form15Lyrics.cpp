// Form15's lyric side: the lyric list, loading the picked file and the line for a clock.
//
// The lyric files are the lyric window's table Form5.ListView_daoru_LRC (its 歌词名称 and
// 位置 columns); a picked file is read into the main window's lyric tables, which keep it
// after this window closes. The line is looked up in their timeline at every tick; a
// clock with no line of its own leaves the line shown before on screen.

#include <QLabel>
#include <QStringList>

#include "app/Form15.h"
#include "app/Form2.h"
#include "media/LrcFile.h"
#include "platform/TextTable.h"

namespace {
const TextTable* LyricFiles() {
    Window* lyrics = Windows::find("Form5");
    return lyrics ? lyrics->table("ListView_daoru_LRC") : nullptr;
}

QString LyricFileCell(int row, const char* caption) {
    const TextTable* files = LyricFiles();
    return files ? files->cell(row, int(files->columnCaptions().indexOf(caption))) : QString();
}
}  // namespace

QStringList Form15::lyricNames() const {
    QStringList names;
    const TextTable* files = LyricFiles();
    for (int row = 0; files && row < files->rowCount(); ++row) names.append(LyricFileCell(row, "歌词名称"));
    return names;
}

bool Form15::loadPickedLyrics(int index, QString& error) {
    return LoadLrcFile(LyricFileCell(index, "位置"), Windows::get<Form2>()->lyricTables(), error);
}

void Form15::showLyricLine(const QString& clock) {
    const TextTable* files = LyricFiles();
    if (!files || files->rowCount() == 0) return;
    const TextTable& timeline = *Windows::get<Form2>()->ListView_LRC_3;
    const int row = FindLyricLine(timeline, clock);
    if (row < 0) return;
    Label_LRC->setText(LyricLineText(timeline, row));
    Label_LRC->adjustSize();
}

QString Form15::clockText(qint64 ms) const { return FormatClock(ms / 1000); }
