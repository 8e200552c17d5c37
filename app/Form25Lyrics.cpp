#include "app/Form25Lyrics.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>

#include "app/Form2.h"
#include "app/Form25.h"
#include "media/LrcFile.h"
#include "platform/TextTable.h"
#include "production/MakingPlan.h"
#include "production/MakingWords.h"

namespace {

// The lyric list of the album: one row per song row, the lyric file's path in column 3.
const TextTable* LyricList() {
    Window* form5 = Windows::find("Form5");
    if (!form5)
        return nullptr;
    if (const TextTable* table = form5->table("ListView_daoru_LRC"))
        return table;
    return form5->table("ListView_daoru_geci");
}

}  // namespace

// The line is drawn once into a picture of its own size; each frame only copies it.
std::function<void(QPainter&)> LyricLinePainter(const QString& text, QSize frame) {
    QFont font(QStringLiteral("WenQuanYi Micro Hei"));
    font.setPixelSize(std::max(8, 28 * frame.height() / 450));
    font.setBold(true);
    const QFontMetrics metrics(font);
    const int outline = std::max(2, frame.height() / 180);
    const QSize size(metrics.horizontalAdvance(text) + 2 * outline + 2, metrics.height() + 2 * outline + 2);
    QImage line(size, QImage::Format_ARGB32_Premultiplied);
    line.fill(Qt::transparent);
    {
        QPainterPath path;
        path.addText(QPointF(outline + 1, outline + 1 + metrics.ascent()), font, text);
        QPainter painter(&line);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.strokePath(path, QPen(QColor(0, 0, 0, 200), outline));
        painter.fillPath(path, Qt::white);
    }
    const QPoint at(frame.width() / 2 - size.width() / 2,
                    frame.height() - frame.height() / 10 - metrics.ascent() - outline - 1);
    return [line, at](QPainter& painter) { painter.drawImage(at, line); };
}

QString SongClock(qint64 songFrames) { return FormatClock(songFrames / 25); }

void Form25::LoadSongLyrics(int planRow) {
    const TextTable* lyricList = LyricList();
    Form2* main = Windows::get<Form2>();
    if (!lyricList || lyricList->rowCount() == 0 || !main)
        return;
    const int songRow = MusicPlanRowOfSong(*ListView_xuyao_yinyue_shuliang, planRow);
    const QString path = lyricList->cell(songRow, 3);
    lyrics_->Clear();
    if (path.isEmpty())
        return;
    QString error;
    if (!LoadLrcFile(path, main->lyricTables(), error)) {
        LogProgress(error);
        return;
    }
    Edit_Lrc_geci_kaiguan = MakingWord::kOn;
    Edit_shijian_zhen_lrc = "0";
}

void Form25::ShowLyricLine() {
    Form2* main = Windows::get<Form2>();
    if (!main)
        return;
    const TextTable& timeline = *main->lyricTables().ListView_LRC_3;
    if (timeline.rowCount() == 0)
        return;
    const int row = FindLyricLine(timeline, Edit_shijian_lrc);
    if (row < 0)
        return;
    const QString text = LyricLineText(timeline, row);
    if (text == lyrics_->text && lyrics_->paint)
        return;
    lyrics_->text = text;
    lyrics_->visible = !text.trimmed().isEmpty();
    lyrics_->paint = LyricLinePainter(text, QSize(Edit_Falsh_Width.toInt(), Edit_Falsh_Height.toInt()));
}
