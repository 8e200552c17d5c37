#pragma once
// AlbumPreview: the album played in the main window's photo area ("播放" / "停止").
//
// Every completed template plays in the order of the completed-template list
// (Form2.ListBox_yijing_wancheng_shiyongmoban_hanghao, filled by the preview build on
// Form12), then the closing movie. The movies do not play on their own: a frame timer
// moves the player to the frame due now, copies the picture into the photo area and counts
// album frames, so the elapsed time follows the frames. When a template has shown its last
// frame, that picture is saved as the hand-over picture (pic/picture_0.jpg) that the next
// template starts from. A music timer runs beside the frames: song position, lyric line,
// next song.
//
// States: idle (Edit_tuichu "bofang_tingzhi", no player) -> templates (Timer_bofang) ->
// closing movie (Timer_bofang_zuihou) -> idle. Stop leads from any state to idle and wipes
// the working folders; the next start builds them anew.
//
// Pace: 25 frames per second of the clock (FramePacing.h). A late step skips the paint of
// the frames it is late for, so the pictures never drift behind the time and the music.
//
// Every wait has a way out: the wait for the hand-over picture ends on Stop or after
// kHandOverWaitMs with a message; a template whose movie is missing is passed over; an
// empty playing order after the build is refused with a message.

#include <QObject>
#include <QSet>

#include "app/FramePacing.h"

class FlashPlayer;
class QLabel;
class QWidget;
class Timer;
class Window;
struct AppState;

class AlbumPreview : public QObject {
    Q_OBJECT
public:
    // The main window's controls the preview works with.
    struct Controls {
        QWidget* photoArea;       // ScrollBox_zhujiemian
        QLabel* picture;          // Image_zhujiemian
        QLabel* defaultPicture;   // Image_zhujiemian_load
        QLabel* lyricLine;        // Label_LRC
        QLabel* lyricLine2;       // Label_LRC_2
        QLabel* elapsed;          // Label_danqianshijian
        QLabel* total;            // Label_zongshijian
    };

    // Longest wait for the hand-over picture to appear.
    static constexpr int kHandOverWaitMs = 3000;

    AlbumPreview(Window& main, AppState& state, const Controls& controls);

    // The clock frames are paced by; the machine's steady clock unless set.
    void setClock(PreviewClock clock) { clock_ = std::move(clock); }

    // Button17Click: start the preview. Button18Click: stop it.
    void Button17Click();
    void Button18Click();

    // Recreates the player and loads the movie of used-template row `row` (its folder
    // wj_y_l_<row + 1>); a missing movie leaves the player empty.
    void LoadPreviewMovie(int row);

    // The timers' handlers.
    void Timer_bofangTimer();          // one template frame
    void Timer_bofang_yinyueTimer();   // music position, lyric line, next song
    void Timer_bofang_zuihouTimer();   // one closing-movie frame, then the end of the album
    // The album frame counter changed: the elapsed label in template mode.
    void Edit_zong_leijia_zhenChange();

    // The preview player while one exists, else nullptr.
    FlashPlayer* player() const { return ShockwaveFlash_2_bofang; }
    Timer* Timer_bofang;         // template frames
    Timer* Timer_bofang_yinyue;  // music and lyrics
    Timer* Timer_bofang_zuihou;  // closing-movie frames

private:
    bool checkAlbum();
    bool matchWaitingPhotos();
    bool buildFolders();
    void startMusic();
    void stopMusic();
    bool playSong(int row);
    void loadLyrics(int row);
    void nextSong();
    bool stepFrame();
    void scheduleNext(Timer* timer);
    void finishTemplate();
    bool saveHandOver();
    void startClosing();
    void endAlbum();
    void freePlayer();
    void setPlayButtonsEnabled(bool play, bool stop);
    void showDefaultPicture();
    bool stopped() const;
    bool templateMode() const;
    int playingOrderRow(int position) const;

    Window& main_;
    AppState& state_;
    Controls controls_;
    PreviewClock clock_;
    FramePacer pacer_;
    QWidget* ScrollBox_bofang;                           // host box of the player, off the window
    FlashPlayer* ShockwaveFlash_2_bofang = nullptr;      // the preview player
    QSet<int> badSongs_;                                 // music rows that did not load, this run
};
