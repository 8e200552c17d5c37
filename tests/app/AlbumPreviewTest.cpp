// The album preview in the main window over the test library: the build on Form12, the
// frames paced by a clock the test controls, the hand-over picture, the closing movie,
// stop, and the refusals.

#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QRadioButton>
#include <QTimer>

#include "app/AlbumPreview.h"
#include "app/Form17.h"
#include "app/Form2.h"
#include "app/Form4.h"
#include "app/Form5.h"
#include "app/Form7.h"
#include "media/LrcFile.h"
#include "media/LyricSettings.h"
#include "media/MusicTable.h"
#include "platform/Events.h"
#include "platform/MusicPlayer.h"
#include "photos/PhotoTable.h"
#include "photos/SlotTable.h"
#include "platform/FlashPlayer.h"
#include "platform/FolderWipe.h"
#include "platform/TextTable.h"
#include "platform/Timer.h"
#include "templates/LibraryFolders.h"
#include "templates/PreviewFolders.h"
#include "tests/app/PhotoWindowsFixture.h"
#include "tests/support/TestLibrary.h"
#include "tests/support/TestSong.h"

namespace {

class AlbumPreviewWindow : public PhotoWindows {
protected:
    void buildLibrary(int frames) {
        TestLibraryOptions options;
        options.frames = frames;
        options.closingFrames = 5;
        const TestLibrary library = BuildTestLibrary(folder_->path(), options);
        ASSERT_TRUE(library.ok) << library.error.toStdString();
    }

    // Photos until the album holds at least `templates` completed templates.
    void addPhotosFor(int templates) {
        QStringList files;
        for (int i = 0; i < 2 * templates; ++i)
            files << photo(QString("wide_%1.jpg").arg(i), {1600, 900});
        addPhotos(files);
        ASSERT_GE(completedTemplates(), templates);
    }

    static int completedTemplates() {
        const TextTable& used = table("Form8", "ListView_moban_shiyong");
        int n = 0;
        for (int row = 0; row < used.rowCount(); ++row)
            if (used.cell(row, UsedTemplateColumn::kMatched) == kTemplateComplete) ++n;
        return n;
    }

    // Starts playing with the test's clock.
    void play(Form2& main) {
        main.albumPreview().setClock([this] { return now_; });
        main.Button17Click();
    }

    // Runs the frame timer that is on, as its tick would, then advances the clock one
    // frame. Answers false when neither frame timer is on.
    bool tick(Form2& main) {
        AlbumPreview& preview = main.albumPreview();
        if (preview.Timer_bofang->enabled()) preview.Timer_bofangTimer();
        else if (preview.Timer_bofang_zuihou->enabled()) preview.Timer_bofang_zuihouTimer();
        else return false;
        now_ += 40;
        return true;
    }

    // Ticks until the album stops playing (at most `limit` ticks).
    void playToEnd(Form2& main, int limit = 1000) {
        for (int i = 0; i < limit && main.state().playing() && tick(main); ++i) {
        }
    }

    static bool enabled(Form2& main, const char* button) {
        return main.findChild<QAbstractButton*>(button)->isEnabled();
    }

    // A song of `seconds` added to the music table; answers its path.
    QString addSong(const QString& name, double seconds) {
        TestSongOptions options;
        options.seconds = seconds;
        const QString path = WriteTestSong(file(name), options);
        EXPECT_FALSE(path.isEmpty());
        AppendMusic(Windows::get<Form4>()->musicTable(), path, qint64(seconds * 1000));
        return path;
    }

    // A lyric file of `text` added to the lyric window, with the point size of its record.
    void addLyrics(const QString& name, const QByteArray& text, int points) {
        const QString path = file(name);
        QFile out(path);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(text);
        out.close();
        Form5* lyrics = Windows::get<Form5>();
        AppendLyricFile(lyrics->lyricTable(), lyrics->settingsTable(), path);
        lyrics->settingsTable().setCell(lyrics->settingsTable().rowCount() - 1, LyricSettingsColumn::kSize,
                                        QString::number(points));
    }

    // The texts of the lyric timeline the preview has loaded.
    static QStringList timeline() {
        const TextTable& lines = table("Form2", "ListView_LRC_3");
        QStringList texts;
        for (int row = 0; row < lines.rowCount(); ++row) texts << LyricLineText(lines, row);
        return texts;
    }

    // Lets the music timer run until `done` (at most `ms` of real time: the songs play in it).
    static bool waitFor(const std::function<bool()>& done, int ms = 5000) { return waitUntil(done, ms); }

    qint64 now_ = 0;
};

TEST_F(AlbumPreviewWindow, ASingleTemplateAlbumPlaysItsClosingMovieAndComesBackIdle) {
    buildLibrary(5);
    run([&](Form2& main) {
        addPhotos({photo("wide.jpg", {1600, 900})});
        ASSERT_EQ(completedTemplates(), 1);
        play(main);
        ASSERT_TRUE(main.state().playing());
        EXPECT_FALSE(enabled(main, "Button33"));
        EXPECT_TRUE(enabled(main, "Button26"));
        EXPECT_NE(main.totalTime(), "00:00:00");
        EXPECT_EQ(table("Form2", "ListBox_yijing_wancheng_shiyongmoban_hanghao").rowCount(), 1);

        for (int frame = 0; frame < 5; ++frame) ASSERT_TRUE(tick(main));
        EXPECT_TRUE(QFile::exists(PreviewLayout::HandOverPicture()));
        EXPECT_TRUE(main.albumPreview().Timer_bofang_zuihou->enabled());
        EXPECT_FALSE(main.albumPreview().Timer_bofang->enabled());

        playToEnd(main);
        EXPECT_FALSE(main.state().playing());
        EXPECT_EQ(main.state().Edit_zong_leijia_zhen, "10");  // 5 template frames, 5 closing frames
        EXPECT_EQ(main.elapsedTime(), "00:00:00");
        EXPECT_EQ(main.state().Edit_hangshu, "wu");
        EXPECT_EQ(main.albumPreview().player(), nullptr);
        for (const char* button : {"Button33", "Button26", "suiButton17", "suiButton18"})
            EXPECT_TRUE(enabled(main, button)) << button;
        EXPECT_TRUE(QDir(PreviewLayout::AlbumFolder()).exists());  // until the next stop

        main.Button18Click();
        EXPECT_FALSE(QDir(Folders::PreviewWork()).exists());
        EXPECT_TRUE(messages_.isEmpty()) << messages_.join("\n").toStdString();
    });
}

// One frame per 40 ms of the clock; a late step shows the frame due now and counts the
// frames it passed over, so the elapsed time keeps with the clock.
TEST_F(AlbumPreviewWindow, FramesFollowTheClockAndALateStepSkipsAhead) {
    buildLibrary(100);
    run([&](Form2& main) {
        addPhotos({photo("wide.jpg", {1600, 900})});
        play(main);
        AlbumPreview& preview = main.albumPreview();
        now_ = 0;
        preview.Timer_bofangTimer();
        for (int frame = 1; frame <= 2; ++frame) {
            now_ = 40 * frame;
            preview.Timer_bofangTimer();
        }
        EXPECT_EQ(preview.player()->FrameNum(), 2);
        preview.Timer_bofangTimer();  // early: nothing is due
        EXPECT_EQ(main.state().Edit_zong_leijia_zhen, "3");

        now_ = 80 + 200;  // a 200 ms stall
        preview.Timer_bofangTimer();
        EXPECT_EQ(preview.player()->FrameNum(), 7);
        EXPECT_EQ(main.state().Edit_moban_zhen_leijia, "7");
        EXPECT_EQ(main.state().Edit_zong_leijia_zhen, "8");

        now_ = 2000;  // frame 50: two seconds
        preview.Timer_bofangTimer();
        EXPECT_EQ(preview.player()->FrameNum(), 50);
        EXPECT_EQ(main.elapsedTime(), "00:00:02");
        main.Button18Click();
    });
}

TEST_F(AlbumPreviewWindow, StopDuringTheWaitBetweenTwoTemplatesEndsItAndLoadsNothing) {
    buildLibrary(5);
    run([&](Form2& main) {
        addPhotosFor(2);
        play(main);
        // The hand-over picture cannot be written: a file stands where its folder was.
        WipeFolder(PreviewLayout::PictureFolder());
        QFile blocker(PreviewLayout::PictureFolder());
        ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        QTimer::singleShot(100, &main, [&main] { main.Button18Click(); });
        for (int frame = 0; frame < 5; ++frame) tick(main);

        EXPECT_FALSE(main.state().playing());
        EXPECT_EQ(main.state().Edit_moban_hanghao_leijia, "1");
        EXPECT_EQ(main.albumPreview().player(), nullptr);
        EXPECT_FALSE(main.albumPreview().Timer_bofang->enabled());
        EXPECT_FALSE(QDir(Folders::PreviewWork()).exists());
        EXPECT_EQ(main.elapsedTime(), "00:00:00");
        EXPECT_TRUE(messages_.isEmpty()) << messages_.join("\n").toStdString();
    });
}

TEST_F(AlbumPreviewWindow, PlayWhilePlayingStartsAgainFromTheFirstTemplate) {
    buildLibrary(5);
    run([&](Form2& main) {
        addPhotosFor(2);
        play(main);
        for (int frame = 0; frame < 7; ++frame) tick(main);  // into the second template
        EXPECT_EQ(main.state().Edit_moban_hanghao_leijia, "1");
        // The play button's entry point: stop, then play.
        main.runCommand("Button18Click");
        main.runCommand("Button17Click");
        EXPECT_TRUE(main.state().playing());
        EXPECT_EQ(main.state().Edit_moban_hanghao_leijia, "0");
        EXPECT_EQ(main.state().Edit_zong_leijia_zhen, "0");
        EXPECT_EQ(main.state().Edit_moban_zhen_leijia, "-1");
        main.Button18Click();
    });
}

// A template whose movie has gone is passed over instead of waited for, and an album
// without its closing movie ends with its last template.
TEST_F(AlbumPreviewWindow, MissingMoviesArePassedOver) {
    buildLibrary(5);
    run([&](Form2& main) {
        addPhotosFor(2);
        play(main);
        const TextTable& order = table("Form2", "ListBox_yijing_wancheng_shiyongmoban_hanghao");
        ASSERT_GE(order.rowCount(), 2);
        for (int position = 1; position < order.rowCount(); ++position)
            QFile::remove(PreviewLayout::TemplateMovie(order.cell(position, 0).toInt() + 1, ".rar"));
        QFile::remove(PreviewLayout::ClosingMovie(".rar"));
        playToEnd(main, 50);
        EXPECT_FALSE(main.state().playing());
        EXPECT_EQ(main.state().Edit_zong_leijia_zhen, "5");  // the first template's frames only
        EXPECT_TRUE(enabled(main, "Button33"));
    });
}

TEST_F(AlbumPreviewWindow, RefusalsLeaveThePreviewIdle) {
    buildLibrary(5);
    run([&](Form2& main) {
        main.Button17Click();
        EXPECT_EQ(messages_, QStringList{"没有添加照片文件！"});

        addPhotos({photo("wide.jpg", {1600, 900})});
        TextTable& used = table("Form8", "ListView_moban_shiyong");
        for (int row = 0; row < used.rowCount(); ++row) used.setCell(row, UsedTemplateColumn::kMatched, kTemplateIncomplete);
        messages_.clear();
        main.Button17Click();
        EXPECT_EQ(messages_, QStringList{"没有照片匹配已完成的模板,无法播放相册！"});
        EXPECT_FALSE(main.state().playing());
        EXPECT_TRUE(enabled(main, "Button33"));
    });
}

// Photos not yet placed: the question first; on OK the matching job and the build run and
// the album waits for the next 播放; on Cancel nothing happens.
TEST_F(AlbumPreviewWindow, UnplacedPhotosAreOfferedToMatchingBeforePlaying) {
    buildLibrary(5);
    run([&](Form2& main) {
        addPhotos({photo("wide.jpg", {1600, 900}), photo("second.jpg", {1600, 900})});
        TextTable& photos = table("Form3", "ListView_daoru_zhaopian");
        photos.setCell(1, PhotoColumn::kPlaced, QString());

        desktop_->queueModalAction("Form17", [](Window& w) { static_cast<Form17&>(w).Button2Click(); });
        main.Button17Click();  // the question is cancelled
        EXPECT_FALSE(main.state().playing());
        EXPECT_FALSE(desktop_->modalsShown().contains("Form12"));

        answerNextQuestionOk();
        main.Button17Click();
        ASSERT_EQ(questions_.size(), 1);
        EXPECT_EQ(questions_[0], "有 1 张照片没有与模板匹配,是否自动完成照片与模板的匹配?");
        EXPECT_TRUE(desktop_->modalsShown().contains("Form12"));  // built, not played
        EXPECT_FALSE(main.state().playing());
        EXPECT_GT(table("Form2", "ListBox_yijing_wancheng_shiyongmoban_hanghao").rowCount(), 0);
    });
}

// A photo that has gone since it was added is drawn white, named once, and the album plays.
TEST_F(AlbumPreviewWindow, APhotoMissingAtTheBuildIsNamedAndTheAlbumPlays) {
    buildLibrary(5);
    run([&](Form2& main) {
        const QString gone = photo("gone.jpg", {1600, 900});
        addPhotos({gone});
        QFile::remove(gone);
        play(main);
        ASSERT_EQ(messages_.size(), 1);
        EXPECT_TRUE(messages_[0].contains(gone)) << messages_[0].toStdString();
        EXPECT_TRUE(main.state().playing());
        main.Button18Click();
    });
}

// The frames stand still (the test's clock does not move) while the music plays in real
// time: the songs follow one another and start again from the first, each with the lyric
// file of its row, and the line is shown with that file's own record.
TEST_F(AlbumPreviewWindow, MusicShorterThanTheAlbumLoopsAndTheLyricFileFollowsTheSong) {
    buildLibrary(5);
    run([&](Form2& main) {
        addPhotos({photo("wide.jpg", {1600, 900})});
        const QString first = addSong("first.mp3", 1.3);
        addSong("second.mp3", 0.4);
        addLyrics("first.lrc", "[00:01.00]第一首\n", 20);
        addLyrics("second.lrc", "[00:00.10]第二首\n", 12);
        play(main);
        const AppState& state = main.state();
        EXPECT_TRUE(main.albumPreview().Timer_bofang_yinyue->enabled());
        EXPECT_EQ(main.musicPlayer().FileName(), first);
        EXPECT_TRUE(timeline().contains("第一首"));

        // The line at one second, with the first file's record scaled to the photo area.
        QLabel* line = main.findChild<QLabel*>("Label_LRC");
        ASSERT_TRUE(waitFor([&] { return line->text() == "第一首"; }));
        QWidget* area = main.findChild<QWidget*>("ScrollBox_zhujiemian");
        const LyricLook look =
            ComputeLyricLook(Windows::get<Form5>()->settingsTable(), 0, "第一首", area->size());
        EXPECT_EQ(line->font().pointSize(), look.font.pointSize());
        EXPECT_EQ(line->geometry().top(), look.box.translated(area->pos()).top());
        EXPECT_NEAR(line->geometry().center().x(), look.box.translated(area->pos()).center().x(), 1);
        EXPECT_GE(line->width(), line->sizeHint().width());  // the line is not cut
        EXPECT_NE(look.points, ComputeLyricLook(Windows::get<Form5>()->settingsTable(), 1, "第一首", area->size()).points);

        ASSERT_TRUE(waitFor([&] { return state.Edit_yinyue_leijia == "1"; }));
        EXPECT_EQ(state.Edit_geci_leijia, "1");
        EXPECT_TRUE(timeline().contains("第二首"));
        EXPECT_FALSE(timeline().contains("第一首"));

        ASSERT_TRUE(waitFor([&] { return state.Edit_yinyue_leijia == "0"; }));  // the music loops
        EXPECT_EQ(state.Edit_geci_leijia, "0");
        EXPECT_TRUE(timeline().contains("第一首"));
        EXPECT_EQ(main.musicPlayer().FileName(), first);
        EXPECT_EQ(main.musicPlayer().Mode(), MusicMode::Playing);
        EXPECT_TRUE(state.playing());
        main.Button18Click();
        EXPECT_TRUE(messages_.isEmpty()) << messages_.join("\n").toStdString();
    });
}

// Past the last lyric file the lyric tables and lines are emptied; a song that does not
// load is named once and passed over, and the album goes on.
TEST_F(AlbumPreviewWindow, SongsWithoutALyricFileOrThatDoNotLoadLeaveTheAlbumPlaying) {
    buildLibrary(5);
    run([&](Form2& main) {
        addPhotos({photo("wide.jpg", {1600, 900})});
        addSong("first.mp3", 0.3);
        const QString broken = file("broken.mp3");
        QFile out(broken);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write("not a song");
        out.close();
        AppendMusic(Windows::get<Form4>()->musicTable(), broken, 1000);
        addLyrics("first.lrc", "[00:00.10]第一首\n", 20);
        play(main);
        ASSERT_TRUE(timeline().contains("第一首"));
        // The music timer's ticks by hand, one song change each.
        AlbumPreview& preview = main.albumPreview();
        preview.Timer_bofang_yinyue->setEnabled(false);
        ASSERT_TRUE(waitFor([&] { return main.musicPlayer().Mode() != MusicMode::Playing; }));
        main.findChild<QLabel*>("Label_LRC")->setText("第一首");
        preview.Timer_bofang_yinyueTimer();
        EXPECT_EQ(main.state().Edit_yinyue_leijia, "1");
        EXPECT_TRUE(timeline().isEmpty());
        EXPECT_TRUE(main.findChild<QLabel*>("Label_LRC")->text().isEmpty());
        preview.Timer_bofang_yinyueTimer();  // the broken song is passed over
        EXPECT_EQ(main.state().Edit_yinyue_leijia, "0");
        EXPECT_TRUE(timeline().contains("第一首"));
        EXPECT_EQ(main.musicPlayer().Mode(), MusicMode::Playing);
        EXPECT_EQ(messages_.size(), 1);
        main.Button18Click();
    });
}

TEST_F(AlbumPreviewWindow, PlayWhilePlayingStartsTheMusicAgainAndStopSilencesIt) {
    buildLibrary(5);
    run([&](Form2& main) {
        addPhotos({photo("wide.jpg", {1600, 900})});
        const QString first = addSong("first.mp3", 0.3);
        addSong("second.mp3", 2.0);
        Windows::get<Form7>()->RadioButton_moban_tongbu->setChecked(false);
        Windows::get<Form7>()->RadioButton_yinyue_tongbu->setChecked(true);
        play(main);
        // Music mode: the clock follows the music, the next song is not started.
        ASSERT_TRUE(waitFor([&] { return main.state().Edit_yinyue_leijia == "1"; }));
        EXPECT_FALSE(main.albumPreview().Timer_bofang_yinyue->enabled());

        main.runCommand("Button18Click");
        main.runCommand("Button17Click");
        EXPECT_TRUE(main.state().playing());
        EXPECT_EQ(main.state().Edit_yinyue_leijia, "0");
        EXPECT_EQ(main.musicPlayer().FileName(), first);
        EXPECT_EQ(main.musicPlayer().Mode(), MusicMode::Playing);
        EXPECT_TRUE(main.albumPreview().Timer_bofang_yinyue->enabled());

        main.Button18Click();
        EXPECT_FALSE(main.state().playing());
        EXPECT_NE(main.musicPlayer().Mode(), MusicMode::Playing);
        EXPECT_FALSE(main.albumPreview().Timer_bofang_yinyue->enabled());
        EXPECT_EQ(main.elapsedTime(), "00:00:00");
        EXPECT_TRUE(main.findChild<QLabel*>("Label_LRC")->text().isEmpty());
    });
}

}  // namespace
