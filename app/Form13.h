#pragma once
// Form13: the progress window of the long jobs (its caption is set per job).
//
// A job is a one-shot timer of this window: the command that starts it sets the progress
// bar and the caption, enables the timer and shows the window modally (runJob); the timer's
// handler disables itself first, does the work while processing pending events, and closes
// the window. Jobs of the photo collection:
//
//   Timer3                                   添加照片: read, check and record the chosen
//                                            files, then match the new photos
//   Timer_zidong_zhaopian_yu_moban_pipei     自动匹配模板: match the waiting photos
//   Timer_shiyong_zuhemoban                  添加照片 with a combination: record the files
//                                            Form3's combination pick left in its pending
//                                            tables, then fill them into Form41's chosen
//                                            combination (Form13Combination.cpp)
//   Timer_zhaopian_fanye                     加载照片: fill the main window's nine photo
//                                            cells with page Form2.Edit_fangye_hao
//   Timer_tianjia_yinyue                     添加音乐: measure the chosen MP3 files and
//                                            record them in Form4's music table
//                                            (Form13Music.cpp)
//   Timer_tianjia_geci                       添加歌词: record the chosen lyric files
//                                            (Form13Lyrics.cpp)
//
// The window cannot be closed while its job waits for its tick or runs (the close label,
// Esc and the window manager are refused): its job always runs, and what lastMatching()
// and lastSkipped() answer afterwards is always the work of the job that just ran.
//
// A chosen file that is not a readable JPG photo is skipped; when the add job ends, one
// message names every skipped file (so does the music job). A matching job ends when a
// pass places nothing while photos still wait, and one message says how many photos found
// no template. The photo jobs' bodies live in Form13Jobs.cpp (adding, matching) and
// Form13PageLoad.cpp.

#include <QStringList>

#include "photos/Matching.h"
#include "platform/Window.h"

class QProgressBar;
class Timer;

class Form13 : public Window {
    Q_OBJECT
public:
    explicit Form13(QWidget* parent = nullptr);

    // Sets the caption and the progress bar (0 ... `progressMax`, at 0), enables `job` and
    // shows the window modally; returns when the job has closed it.
    void runJob(const QString& caption, int progressMax, Timer* job);

    // What the most recent matching (alone, after adding, or from a combination) did.
    const MatchingResult& lastMatching() const { return lastMatching_; }
    // The files the most recent add job skipped, in dialog order.
    const QStringList& lastSkipped() const { return lastSkipped_; }

    QProgressBar* ProgressBar1;                   // the job's progress
    Timer* Timer3;                                // the add job, 500 ms, fires once
    Timer* Timer_zidong_zhaopian_yu_moban_pipei;  // the matching job, 500 ms, fires once
    Timer* Timer_shiyong_zuhemoban;               // the combination job, 500 ms, fires once
    Timer* Timer_zhaopian_fanye;                  // the page load, 500 ms, fires once
    Timer* Timer_tianjia_yinyue;                    // the add-music job, 500 ms, fires once
    Timer* Timer_tianjia_geci;                    // the lyric add job, 500 ms, fires once

public slots:
    void Timer3Timer();
    void Timer_zidong_zhaopian_yu_moban_pipeiTimer();
    void Timer_shiyong_zuhemobanTimer();
    void Timer_zhaopian_fanyeTimer();
    void Timer_tianjia_yinyueTimer();
    void Timer_tianjia_geciTimer();

protected:
    // Refused while a job is pending or running; closes the window otherwise.
    void reject() override;

private:
    void advance();
    // Records each of `files` that is a readable JPG photo in the photo table (the others go
    // to lastSkipped_), advancing the progress bar once per file.
    void appendPhotos(const QStringList& files);
    MatchingResult match();

    MatchingResult lastMatching_;
    QStringList lastSkipped_;
    bool jobOpen_ = false;  // runJob is between enabling its job and the job's end
};

// Fills the main window's photo cells Image1 ... Image9 with page Form2.Edit_fangye_hao
// of the photo table, each photo fitted into its cell with a 3-pixel white margin and
// hinted with its number and name; `progress` (may be null) advances once per photo.
void LoadPhotoPage(QProgressBar* progress);
// Empties the nine photo cells and turns their hints off.
void ClearPhotoCells();
