// Form4 with the add-music job of Form13, the main window's music summary, and Form15.

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>

#include "app/Form13.h"
#include "app/Form15.h"
#include "app/Form2.h"
#include "app/Form4.h"
#include "media/LrcFile.h"
#include "media/MusicTable.h"
#include "platform/Events.h"
#include "platform/MusicPlayer.h"
#include "platform/TextTable.h"
#include "tests/app/PhotoWindowsFixture.h"
#include "tests/support/TestSong.h"

namespace {

QStringList Column(const TextTable& table, int column) {
    QStringList cells;
    for (int row = 0; row < table.rowCount(); ++row) cells.append(table.cell(row, column));
    return cells;
}

class MusicWindows : public PhotoWindows {
public:
    QString song(const QString& name, const TestSongOptions& options = {.seconds = 1.0}) {
        QDir().mkpath(file("music"));
        return WriteTestSong(file("music/" + name), options);
    }
    QString textFile(const QString& name) {
        return writeFile("music/" + name, "这不是音乐\n");
    }
    // Adds `files` through Form4's 添加音乐 (the add job on Form13).
    void addMusic(const QStringList& files) {
        desktop_->queueFiles(files);
        Windows::get<Form4>()->Button2Click();
    }
    // Opens Form4 from the main window's command, runs `inside` in it, then closes it.
    void inMusicWindow(Form2& main, const std::function<void(Form4&)>& inside) {
        desktop_->queueModalAction("Form4", [&](Window& w) {
            inside(static_cast<Form4&>(w));
            w.accept();
        });
        main.runCommand("Button4Click");
    }
    // Opens Form15 through the music summary's double-click and runs `inside` in it.
    void inPreview(Form2& main, const std::function<void(Form15&)>& inside, const char* opener) {
        desktop_->queueModalAction("Form15", [&](Window& w) {
            inside(static_cast<Form15&>(w));
            static_cast<Form15&>(w).Button3Click();
        });
        main.runCommand(opener);
    }
    static void pick(QComboBox* list, int index) { list->setCurrentIndex(index); }
};

TEST_F(MusicWindows, AddingMeasuresEveryFileSkipsTheOnesThatAreNotMusicAndFillsTheSummary) {
    buildTestLibrary();
    const QString a = song("a.mp3");
    const QString vbr = song("long.MP3", {.seconds = 61.5, .vbr = true, .lengthHeader = false});
    const QString text = textFile("notes.mp3");
    const QString empty = writeFile("music/empty.mp3", QByteArray());
    run([&](Form2& main) {
        inMusicWindow(main, [&](Form4&) { addMusic({a, text, a, empty, vbr}); });
        const TextTable& music = table("Form4", "ListView_daoru_yinyue");
        EXPECT_EQ(Column(music, MusicColumn::kName), QStringList({"a", "a", "long"}));
        EXPECT_EQ(Column(music, MusicColumn::kCaption), QStringList({"1", "2", "3"}));
        EXPECT_EQ(music.row(2), QStringList({"3", "long", ".MP3", "00:01:01", vbr}));
        EXPECT_EQ(music.cell(0, MusicColumn::kDuration), "00:00:01");
        EXPECT_EQ(messages_, QStringList({SkippedMusicMessage({text, empty})}));
        EXPECT_FALSE(Windows::get<Form13>()->isVisible());
        EXPECT_TRUE(desktop_->modalsTimedOut().isEmpty());
        // After the window closes the main window lists name and duration of every song.
        const TextTable& summary = *main.ListView_daoru_yinyue;
        EXPECT_EQ(summary.row(2), QStringList({"3", "long", "00:01:01"}));
        EXPECT_EQ(summary.rowCount(), 3);
    });
}

TEST_F(MusicWindows, TheSampleSongIsOfferedOnlyOnTheFirstAddAndOnlyWhenItIsThere) {
    for (bool sampleThere : {false, true}) {
        freshStart();
        buildTestLibrary();
        QString sample;
        if (sampleThere) {
            QDir().mkpath(file("yinyuegeciwenjian"));
            sample = WriteTestSong(file("yinyuegeciwenjian/春日.mp3"), {.seconds = 0.5});
        }
        run([&](Form2& main) {
            EXPECT_EQ(main.state().Edit_yinyue_dakai_1ci, "0");
            inMusicWindow(main, [&](Form4& w) {
                w.Button2Click();  // cancelled
                EXPECT_EQ(main.state().Edit_yinyue_dakai_1ci, "1");
                w.Button2Click();
            });
            EXPECT_EQ(desktop_->fileDialogPresets(), QStringList({sample, QString()})) << sampleThere;
        });
    }
}

TEST_F(MusicWindows, DeletingAsksRenumbersAndEmptiesTheDetailPanel) {
    buildTestLibrary();
    const QStringList files = {song("one.mp3"), song("two.mp3"), song("three.mp3")};
    run([&](Form2& main) {
        inMusicWindow(main, [&](Form4& w) {
            const TextTable& music = w.musicTable();
            w.Button3Click();
            w.Button4Click();
            EXPECT_EQ(messages_, QStringList({kNoMusicMessage, kNoMusicMessage}));
            messages_.clear();
            addMusic(files);

            w.selectMusicRow(1);
            w.ListView_daoru_yinyueClick();
            EXPECT_EQ(w.field("Edit_mingcheng"), "two");
            EXPECT_EQ(w.field("Edit_shichang"), "00:00:01");
            EXPECT_EQ(w.field("Edit_weizhi"), files[1]);
            desktop_->queueModalAction("Form17", [](Window& q) { q.reject(); });
            w.Button3Click();  // cancelled: nothing changes
            EXPECT_EQ(music.rowCount(), 3);
            answerNextQuestionOk();
            w.Button3Click();
            EXPECT_EQ(questions_, QStringList({kDeleteMusicQuestion}));
            EXPECT_EQ(Column(music, MusicColumn::kName), QStringList({"one", "three"}));
            EXPECT_EQ(Column(music, MusicColumn::kCaption), QStringList({"1", "2"}));
            EXPECT_EQ(w.field("Edit_mingcheng"), "");
            EXPECT_EQ(w.field("Edit_weizhi"), "");

            answerNextQuestionOk();
            w.selectMusicRow(-1);
            w.Button3Click();  // nothing selected
            answerNextQuestionOk();
            w.Button4Click();
            EXPECT_EQ(music.rowCount(), 0);
            EXPECT_EQ(messages_, QStringList({kMusicDeletedMessage, kNoMusicSelectedMessage, kAllMusicDeletedMessage}));
        });
        EXPECT_TRUE(desktop_->modalsTimedOut().isEmpty()) << desktop_->modalsTimedOut().join(" ").toStdString();
        EXPECT_EQ(main.ListView_daoru_yinyue->rowCount(), 0);
    });
}

TEST_F(MusicWindows, ThePreviewChecksItsPicksShowsTheLengthAndStopsAtTheEnd) {
    buildTestLibrary();
    const QString shortSong = song("short.mp3", {.seconds = 0.8});
    const QString longSong = song("long.mp3", {.seconds = 65.0, .vbr = true});
    run([&](Form2& main) {
        main.runCommand("ListView_daoru_yinyueDblClick");
        EXPECT_EQ(messages_, QStringList({kNoMusicMessage}));
        EXPECT_FALSE(desktop_->modalsShown().contains("Form15"));
        messages_.clear();
        inMusicWindow(main, [&](Form4&) { addMusic({shortSong, longSong}); });
        MusicPlayer& player = main.musicPlayer();

        inPreview(main, [&](Form15& w) {
            EXPECT_EQ(w.ComboBox_yinyue->count(), 2);
            EXPECT_EQ(w.ComboBox_yinyue->currentIndex(), -1);
            EXPECT_EQ(w.ComboBox_geci->count(), 0);
            w.Button1Click();
            EXPECT_EQ(messages_, QStringList({"没有选择音乐文件！"}));
            // Picking shows the length and does not play.
            pick(w.ComboBox_yinyue, 1);
            EXPECT_EQ(w.Label_xianshi_zongshijian->text(), "01:05");
            EXPECT_EQ(player.Mode(), MusicMode::Stopped);
            EXPECT_FALSE(w.playing());

            pick(w.ComboBox_yinyue, 0);
            w.Button1Click();
            EXPECT_TRUE(w.playing());
            EXPECT_EQ(player.Mode(), MusicMode::Playing);
            EXPECT_FALSE(w.ComboBox_yinyue->isEnabled());
            EXPECT_FALSE(w.ComboBox_geci->isEnabled());
            // The end of the song stops the preview.
            EXPECT_TRUE(waitUntil([&] { return !w.playing(); }, 5000));
            EXPECT_TRUE(w.ComboBox_yinyue->isEnabled());
            EXPECT_EQ(w.Label_dangqianshijian->text(), "00:00");
            EXPECT_EQ(w.Label_xianshi_zongshijian->text(), "00:00");  // 0.8 s: kept
            EXPECT_EQ(player.FileName(), "");

            // 停止播放 mid-song: the total time stays, the clock resets.
            pick(w.ComboBox_yinyue, 1);
            w.Button1Click();
            // The clock label follows the position.
            EXPECT_TRUE(waitUntil([&] { return w.Label_dangqianshijian->text() == "00:01"; }, 5000));
            EXPECT_GE(player.Position(), 1000);
            w.Button2Click();
            EXPECT_FALSE(w.playing());
            EXPECT_EQ(w.Label_dangqianshijian->text(), "00:00");
            EXPECT_EQ(w.Label_xianshi_zongshijian->text(), "01:05");
            EXPECT_NE(player.Mode(), MusicMode::Playing);
        }, "ListView_daoru_yinyueDblClick");
        EXPECT_EQ(messages_.size(), 1);

        // Lyric mode without lyric files: the lyric list is empty and play asks for one.
        messages_.clear();
        inPreview(main, [&](Form15& w) {
            EXPECT_EQ(w.field("Edit_yinyue_geci_kaiguan"), kLyricPreviewMode);
            pick(w.ComboBox_yinyue, 0);
            w.Button1Click();
            EXPECT_FALSE(w.playing());
        }, "ListView_daoru_geciDblClick");
        EXPECT_EQ(messages_, QStringList({"没有选择歌词文件！"}));

        // A song that went missing after it was added is named, and the window stays idle.
        messages_.clear();
        QFile::remove(shortSong);
        inPreview(main, [&](Form15& w) {
            pick(w.ComboBox_yinyue, 0);
            w.Button1Click();
            EXPECT_FALSE(w.playing());
            EXPECT_TRUE(w.ComboBox_yinyue->isEnabled());
        }, "ListView_daoru_yinyueDblClick");
        ASSERT_EQ(messages_.size(), 2);
        EXPECT_TRUE(messages_[0].contains(shortSong)) << messages_[0].toStdString();
        EXPECT_TRUE(desktop_->modalsTimedOut().isEmpty());
    });
}

TEST_F(MusicWindows, ThePreviewShowsTheLineOfThePickedLyricFileAtItsSecond) {
    buildTestLibrary();
    const QString music = song("song.mp3", {.seconds = 2.6});
    const QString first = writeFile("music/first.lrc", "[ti:测试]\r\n[00:01.00]第一行\r\n");
    const QString second = writeFile("music/second.lrc", "[00:01.50]另一首\r\n[00:02.00]第二行\r\n");
    run([&](Form2& main) {
        inMusicWindow(main, [&](Form4&) { addMusic({music}); });
        // The lyric window's file table, as adding two lyric files leaves it.
        Window* lyricWindow = Windows::find("Form5");
        TextTable* files = lyricWindow->table("ListView_daoru_LRC");
        if (!files) files = lyricWindow->addTable("ListView_daoru_LRC", {"序号", "歌词名称", "类型", "位置"});
        files->addRow({"1", "first", ".lrc", first});
        files->addRow({"2", "second", ".lrc", second});

        inPreview(main, [&](Form15& w) {
            EXPECT_EQ(w.ComboBox_geci->count(), 2);
            EXPECT_EQ(w.ComboBox_geci->currentIndex(), -1);
            pick(w.ComboBox_geci, 1);
            EXPECT_EQ(w.field("Edit_shijian_lrc_num"), "1");
            w.Button1Click();  // lyric mode: the song is still to be picked
            EXPECT_EQ(messages_, QStringList({"没有选择音乐文件！"}));
            pick(w.ComboBox_geci, 0);
            EXPECT_EQ(w.field("Edit_shijian_lrc_num"), "0");
            pick(w.ComboBox_yinyue, 0);
            w.Button1Click();
            ASSERT_TRUE(w.playing());
            EXPECT_TRUE(waitUntil([&] { return w.Label_LRC->text() == "第一行"; }, 5000));
            // The line stays past its second until the end stops the preview and empties it.
            EXPECT_TRUE(waitUntil([&] { return w.Label_dangqianshijian->text() == "00:02"; }, 5000));
            EXPECT_EQ(w.Label_LRC->text(), "第一行");
            EXPECT_TRUE(waitUntil([&] { return !w.playing(); }, 5000));
            EXPECT_EQ(w.Label_LRC->text(), "");
        }, "ListView_daoru_geciDblClick");
        // The lyric tables keep the file loaded last.
        const TextTable& timeline = *main.ListView_LRC_3;
        EXPECT_EQ(LyricLineText(timeline, FindLyricLine(timeline, "00:01")), "第一行");
        EXPECT_TRUE(desktop_->modalsTimedOut().isEmpty());
    });
}

}  // namespace
