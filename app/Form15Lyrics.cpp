// Form15's lyric side: the lyric list, loading the picked file and the line for a clock.
//
// The LRC reader and the lyric settings arrive with the lyric window; until then the lyric
// list stays empty and no line is shown.

#include <QStringList>

#include "app/Form15.h"
#include "platform/TextTable.h"

namespace {
const TextTable* LyricFiles() {
    Window* lyrics = Windows::find("Form5");
    return lyrics ? lyrics->table("ListView_daoru_LRC") : nullptr;
}

QString TwoDigits(qint64 n) { return n < 10 ? "0" + QString::number(n) : QString::number(n); }
}  // namespace

QStringList Form15::lyricNames() const {
    QStringList names;
    const TextTable* files = LyricFiles();
    const int column = files ? int(files->columnCaptions().indexOf("歌词名称")) : -1;
    for (int row = 0; files && row < files->rowCount(); ++row) names.append(files->cell(row, column));
    return names;
}

bool Form15::loadPickedLyrics(int, QString&) { return true; }

void Form15::showLyricLine(const QString&) {}

QString Form15::clockText(qint64 ms) const {
    const qint64 s = ms / 1000;
    return TwoDigits(s / 60 % 60) + ":" + TwoDigits(s % 60);
}
