#pragma once
// Form15: listening to one song of the album with one lyric file scrolling along
// (caption "音乐歌词预览").
//
// Opening (openPreview, from the music window's 音乐预览, the lyric window's 歌词预览 and a
// double-click on the main window's music or lyric summary): the mode word goes into
// Edit_yinyue_geci_kaiguan; with no music in the album the window answers
// "没有添加音乐文件！" and stays shut; otherwise both pick lists are refilled from the
// music and lyric tables with nothing picked, the clocks read "00:00", the lyric line is
// empty, and the window shows modally. Its commands:
//
//   picking a song     ComboBox_yinyueChange: load it into the music player, stopped, and
//                      show its length in the total-time label
//   picking lyrics     ComboBox_geciChange: Edit_shijian_lrc_num = its index; load the
//                      lyric file into the main window's lyric tables
//   播放音乐           Button1Click: check the picks, play the song from its start, lock
//                      both lists and start the clock timer
//   停止播放           Button2Click: stop (below)
//   返回, close label  Button3Click / reject: stop, then close
//   the clock timer    Timer_xianshi_yinyue_dangqian_shijianTimer: the current time, the
//                      lyric line for it, and stop at the end of the song
//
// Stopping switches the timer off, unlocks the lists, empties the lyric line, resets the
// current time to "00:00", stops the player and clears its file name; the total time stays.
// A song the player cannot load is named in a message and the window stays idle.

#include "platform/Window.h"

class QComboBox;
class QLabel;
class QPushButton;
class Timer;

// The words of Edit_yinyue_geci_kaiguan.
inline const QString kMusicPreviewMode = QStringLiteral("bofangyingyue");
inline const QString kLyricPreviewMode = QStringLiteral("bofanggeci");

class Form15 : public Window {
    Q_OBJECT
public:
    explicit Form15(QWidget* parent = nullptr);

    // The opening steps above, then the modal window; returns when it has closed.
    void openPreview(const QString& mode);

    bool playing() const;

    QWidget* Panel_LRC;                // the dark screen area, 679 x 390
    QLabel* Label_LRC;                 // the lyric line in Panel_LRC
    QLabel* Label_dangqianshijian;     // current time, mm:ss
    QLabel* Label_xianshi_zongshijian; // total time of the picked song, mm:ss
    QComboBox* ComboBox_yinyue;        // pick list of the album's songs
    QComboBox* ComboBox_geci;          // pick list of the album's lyric files
    Timer* Timer_xianshi_yinyue_dangqian_shijian;  // the clock while playing

public slots:
    void ComboBox_yinyueChange();
    void ComboBox_geciChange();
    void Button1Click();  // 播放音乐
    void Button2Click();  // 停止播放
    void Button3Click();  // 返回
    void Timer_xianshi_yinyue_dangqian_shijianTimer();

protected:
    void reject() override;

private:
    void stopPlaying();
    void setListsLocked(bool locked);
    // The lyric side (Form15Lyrics.cpp): loading the picked file and showing the line.
    QStringList lyricNames() const;
    bool loadPickedLyrics(int index, QString& error);
    void showLyricLine(const QString& clock);
    QString clockText(qint64 ms) const;

    QString Edit_yinyue_geci_kaiguan;     // the mode it was opened in: bofangyingyue or bofanggeci
    QString Edit_shijian_lrc_num = "0";   // lyric index whose settings apply
};
