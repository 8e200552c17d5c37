#include "app/Form25Lyrics.h"

#include <QPainter>

#include "app/Form2.h"
#include "app/Form25.h"
#include "app/Form5.h"
#include "media/LrcFile.h"
#include "media/LyricSettings.h"
#include "platform/TextTable.h"
#include "production/MakingPlan.h"
#include "production/MakingWords.h"

std::function<void(QPainter&)> LyricLinePainter(const LyricLook& look) {
    if (look.text.isEmpty())
        return [](QPainter&) {};
    // A margin for italic overhang and glyphs that reach past the measured box.
    const int margin = std::max(2, look.font.pixelSize() / 3);
    QImage line(look.box.size() + QSize(2 * margin, 2 * margin), QImage::Format_ARGB32_Premultiplied);
    line.fill(Qt::transparent);
    {
        QPainter painter(&line);
        painter.setRenderHint(QPainter::TextAntialiasing);
        LyricLook local = look;
        local.box.moveTopLeft(QPoint(margin, margin));
        PaintLyricLine(painter, local);
    }
    const QPoint at = look.box.topLeft() - QPoint(margin, margin);
   
    return [line, at](QPainter& painter) { painter.drawImage(at, line); };
}

QString SongClock(qint64 songFrames) { return FormatClock(songFrames / 25); }

void Form25::LoadSongLyrics(int planRow) {
    Form5* lyricWindow = Windows::get<Form5>();
    Form2* main = Windows::get<Form2>();
    if (!lyricWindow || lyricWindow->lyricTable().rowCount() == 0 || !main)
        return;
    // Song n plays with lyric file n; a song past the last lyric file has no line.
    const int songRow = MusicPlanRowOfSong(*ListView_xuyao_yinyue_shuliang, planRow);
    const QString path = lyricWindow->lyricPath(songRow);
    lyrics_->Clear();
    if (path.isEmpty())
        return;
    QString error;
    if (!LoadLrcFile(path, main->lyricTables(), error)) {
        LogProgress(error);
        return;
    }
    lyrics_->settingsRow = songRow;
    Edit_Lrc_geci_kaiguan = MakingWord::kOn;
    Edit_shijian_zhen_lrc = "0";
}

void Form25::ShowLyricLine() {
    Form2* main = Windows::get<Form2>();
    Form5* lyricWindow = Windows::get<Form5>();
    if (!main || !lyricWindow)
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
    // The settings are in the settings window's screen pixels; the look scales them to the frame.
    const QSize frame(Edit_Falsh_Width.toInt(), Edit_Falsh_Height.toInt());
    lyrics_->paint =
        LyricLinePainter(ComputeLyricLook(lyricWindow->settingsTable(), lyrics_->settingsRow, text, frame));
}
