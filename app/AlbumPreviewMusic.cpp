// The album preview's music and lyric line: the songs of the music table one after the
// other (looping in template mode), the lyric file of the same row, the line of the
// song's time on Label_LRC with that lyric file's own settings.

#include <QFont>
#include <QLabel>

#include "app/AlbumPreview.h"
#include "app/AppState.h"
#include "app/Form2.h"
#include "app/Form4.h"
#include "app/Form5.h"
#include "app/LyricLabel.h"
#include "app/Messages.h"
#include "media/LrcFile.h"
#include "media/LyricSettings.h"
#include "media/MusicTable.h"
#include "platform/MusicPlayer.h"
#include "platform/TextTable.h"
#include "platform/Timer.h"
#include "platform/Window.h"
#include "templates/FrameClock.h"

namespace {
int Number(const QString& text) { return text.toInt(); }

TextTable& Songs() { return Windows::get<Form4>()->musicTable(); }
TextTable& LyricFiles() { return Windows::get<Form5>()->lyricTable(); }
MusicPlayer& Player() { return Windows::get<Form2>()->musicPlayer(); }
}  // namespace

// Loads and plays song `row`. A song that does not load is named once per run; the album
// goes on without sound and the music timer passes on to the next song.
bool AlbumPreview::playSong(int row) {
    QString error;
    if (SwitchMusic(Player(), MusicPath(Songs(), row), true, error)) return true;
    if (!badSongs_.contains(row)) {
        badSongs_.insert(row);
        ShowMessage(error);
    }
    return false;
}

// The lyric file of row `row`, or empty tables and labels when there is none.
void AlbumPreview::loadLyrics(int row) {
    Form2* main = Windows::get<Form2>();
    if (row >= LyricFiles().rowCount()) {
        for (TextTable* table : {main->ListView_LRC_1, main->ListView_LRC_2, main->ListView_LRC_3}) table->clear();
        controls_.lyricLine->clear();
        controls_.lyricLine2->clear();
        return;
    }
    QFont font = controls_.lyricLine->font();
    font.setBold(false);
    font.setItalic(false);
    controls_.lyricLine->setFont(font);
    QString error;
    if (!LoadLrcFile(Windows::get<Form5>()->lyricPath(row), main->lyricTables(), error)) ShowMessage(error);
}

// The first song and its lyric file; the music timer.
void AlbumPreview::startMusic() {
    badSongs_.clear();
    state_.Edit_yinyue_leijia = "0";
    if (Songs().rowCount() > 0) {
        playSong(0);
        Timer_bofang_yinyue->setEnabled(true);
    }
    state_.Edit_geci_leijia = state_.Edit_yinyue_leijia;
    if (LyricFiles().rowCount() > 0) loadLyrics(Number(state_.Edit_geci_leijia));
}

void AlbumPreview::stopMusic() {
    MusicPlayer& player = Player();
    if (!player.FileName().isEmpty()) player.Stop();
}

void AlbumPreview::Timer_bofang_yinyueTimer() {
    Form2* main = Windows::get<Form2>();
    MusicPlayer& player = Player();
    const int songs = Songs().rowCount();
    if (songs > 0) {
        const qint64 seconds = player.Position() / 1000;
        state_.Edit_yinyue_shijian = FormatClock(seconds);
        if (!templateMode())
            controls_.elapsed->setText(SecondsToClock(Number(state_.Edit_sui_yinyue_shijian) + seconds));
    }
    if (LyricFiles().rowCount() > 0) {
        const int line = FindLyricLine(*main->ListView_LRC_3, state_.Edit_yinyue_shijian);
        if (line >= 0) {
            // The line of lyric file k with the settings of lyric file k, scaled from the
            // settings' sample screen to the photo area; the label stands over the area.
            QWidget* area = controls_.photoArea;
            LyricLook look = ComputeLyricLook(Windows::get<Form5>()->settingsTable(), Number(state_.Edit_geci_leijia),
                                              LyricLineText(*main->ListView_LRC_3, line), area->size());
            look.box.translate(area->pos());
            ApplyLyricSettings(*controls_.lyricLine, look);
            // The label's own measure of the text can be wider than the look's (the window's
            // style): grow it about the same centre so the line is never cut.
            const QSize need = controls_.lyricLine->sizeHint();
            if (need.width() > look.box.width() || need.height() > look.box.height()) {
                const QSize grown = need.expandedTo(look.box.size());
                controls_.lyricLine->setGeometry(QRect(QPoint(look.box.center().x() - grown.width() / 2, look.box.top()), grown));
            }
            controls_.lyricLine->show();
            controls_.lyricLine->raise();
        }
    }
    // Playing, or nothing to play: the song goes on.
    if (songs == 0 || player.Mode() == MusicMode::Playing) return;
    nextSong();
}

// The song has ended (or did not load): the next one and its lyric file.
void AlbumPreview::nextSong() {
    MusicPlayer& player = Player();
    const int songs = Songs().rowCount();
    int song = Number(state_.Edit_yinyue_leijia) + 1;
    if (!templateMode()) {
        // Music mode: the next song is not started. The music is over, and the timer with
        // it (it would count songs that never play); the line and the time stay.
        state_.Edit_yinyue_leijia = QString::number(song);
        Timer_bofang_yinyue->setEnabled(false);
        return;
    }
    if (song >= songs) song = 0;  // the music loops
    state_.Edit_yinyue_leijia = QString::number(song);
    // The seconds of music played before the song that starts now.
    state_.Edit_sui_yinyue_shijian = QString::number(Number(state_.Edit_sui_yinyue_shijian) + player.Length() / 1000);
    playSong(song);
    state_.Edit_geci_leijia = state_.Edit_yinyue_leijia;
    loadLyrics(song);
    // No song of the table loads: the album goes on silent instead of trying each tick.
    if (badSongs_.size() >= songs) Timer_bofang_yinyue->setEnabled(false);
}
