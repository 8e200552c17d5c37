// Making an album end to end: the make commands, Form24's answers, the folder question,
// Form25's preparation and conversion, read back with libavformat. Tiny test library
// (5-frame movies), 320 x 176 frames.

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTimer>

#include "app/Form2.h"
#include "app/Form25.h"
#include "app/Form5.h"
#include "media/LyricSettings.h"
#include "platform/TextTable.h"
#include "platform/VideoInfo.h"
#include "production/MakingWords.h"
#include "tests/app/PhotoWindowsFixture.h"
#include "tests/support/TestSong.h"

namespace {

struct Order {
    QString command = "Button14Click";  // DVD
    QString name = "相册";
    QString folder;                     // empty: the fixture's out/ folder
    QString extension = ".mpg";         // of the album file the type makes
    bool answerExisting = true;         // the question about an existing file
    bool dvdToVcd = false;              // set the DVD-to-VCD word while the type window is open
};

class Making : public PhotoWindows {
protected:
    void SetUp() override {
        PhotoWindows::SetUp();
        buildTestLibrary();
        QDir().mkpath(file("out"));
    }

    // Runs one make command as a person would: the album type window answers the name and
    // the size 320 x 176, the folder question the folder.
    void make(Form2& main, const Order& order) {
        desktop_->queueModalAction("Form24", [order, &main](Window& w) {
            // The make command has set the word to "wu" before the window opened.
            if (order.dvdToVcd)
                main.state().Edit_zhizuo_zhuan_zhizuo = MakingWord::kDvdToVcd;
            w.setField("Edit_xiangce_mingcheng", order.name);
            w.setField("Edit_chicun_width", "320");
            w.setField("Edit_chicun_height", "176");
            w.setField("Edit_shuchu_chicun", "320 × 176");
            w.setField("Edit_quxiao", MakingWord::kProducing);
            w.accept();
        });
        desktop_->queueFolder(order.folder.isEmpty() ? file("out") : order.folder);
        if (QFileInfo::exists(outputOf(order))) {
            desktop_->queueModalAction("Form17", [this, order](Window& w) {
                questions_.append("existing");
                w.invokeHandler(order.answerExisting ? "Button1Click" : "Button2Click");
            });
        }
        main.runCommand(order.command);
    }

    QString outputOf(const Order& order) const {
        return QDir(order.folder.isEmpty() ? file("out") : order.folder).filePath(order.name + order.extension);
    }

    // Adds a generated song of `seconds` through the music window.
    void addSong(Form2& main, double seconds) {
        TestSongOptions options;
        options.seconds = seconds;
        const QString song = WriteTestSong(file("song.mp3"), options);
        ASSERT_FALSE(song.isEmpty());
        desktop_->queueFiles({song});
        desktop_->queueModalAction("Form4", [](Window& w) {
            w.invokeHandler("Button2Click");
            w.reject();
        });
        main.runCommand("Button4Click");
    }

    QStringList twoPhotos() {
        return {photo("a.jpg", {800, 600}), photo("b.jpg", {600, 800})};
    }
};

}  // namespace

TEST_F(Making, EachTypeMakesOneFileOfTheRightCodecSizeRateAndLength) {
    struct Case {
        const char* command;
        const char* codec;
        const char* audioCodec;
        const char* extension;
    } cases[] = {{"Button12Click", "mpeg1video", "mp2", ".mpg"}, {"Button13Click", "mpeg2video", "mp2", ".mpg"},
                 {"Button14Click", "mpeg2video", "mp2", ".mpg"},  {"Button15Click", "mpeg4", "mp3", ".avi"},
                 {"Button42Click", "h264", "aac", ".mp4"},        {"Button43Click", "wmv2", "wmav2", ".wmv"},
                 {"Button44Click", "h264", "aac", ".mov"}};
    run([&](Form2& main) {
        addPhotos(twoPhotos());
        addSong(main, 3.0);
        ASSERT_EQ(Windows::find("Form4")->table("ListView_daoru_yinyue")->rowCount(), 1);
        for (const Case& c : cases) {
            Order order;
            order.command = c.command;
            order.name = QString("album_") + c.command;
            order.extension = c.extension;
            make(main, order);
            const Form25& making = *Windows::get<Form25>();
            const qint64 total = making.field("Edit_zhizuo_zongzhen_sum").toLongLong();
            const VideoFileInfo info = ReadVideoInfo(outputOf(order));
            ASSERT_TRUE(info.ok()) << c.command << " " << messages_.join("|").toStdString();
            ASSERT_EQ(info.CountStreams(true), 1);
            ASSERT_EQ(info.CountStreams(false), 1);
            const VideoStreamInfo& v = *info.First(true);
            EXPECT_EQ(v.codec, c.codec);
            EXPECT_EQ(info.First(false)->codec, c.audioCodec);
            EXPECT_EQ(v.errors + info.First(false)->errors, 0) << c.command;
            EXPECT_EQ(v.width, 320);
            EXPECT_EQ(v.height, 176);
            EXPECT_EQ(v.rateNum, 25 * v.rateDen);
            EXPECT_GT(total, 150);
            EXPECT_NEAR(v.seconds, total / 25.0, 0.04 + 1e-9) << c.command;
            EXPECT_NEAR(info.First(false)->seconds, v.seconds, 0.1) << c.command;
            EXPECT_FALSE(making.isVisible());
            EXPECT_EQ(making.field("Edit_tuichu"), MakingWord::kStopped);
            EXPECT_TRUE(making.progressLines().contains("Conversion ended."));
            // The 3 s song repeats under the album.
            EXPECT_EQ(making.table("ListView_xuyao_yinyue_shuliang")->rowCount(), int((total + 74) / 75));
            // The photos' colours (red top-left quadrant, blue elsewhere) show in the frames.
            QList<qint64> indices;
            for (qint64 k = 1; k < total - 150; k += 2) indices.append(k);
            int withPhoto = 0;
            for (const QImage& frame : ReadVideoFrames(outputOf(order), indices)) {
                int blue = 0, red = 0;
                for (int y = 0; y < frame.height(); y += 4)
                    for (int x = 0; x < frame.width(); x += 4) {
                        const QColor p = frame.pixelColor(x, y);
                        if (p.blue() > 180 && p.red() < 80 && p.green() < 80) ++blue;
                        if (p.red() > 180 && p.blue() < 80 && p.green() < 80) ++red;
                    }
                if (blue > 100 && red > 20) ++withPhoto;
            }
            EXPECT_GT(withPhoto, 0) << c.command;
        }
        EXPECT_TRUE(messages_.isEmpty()) << messages_.join("|").toStdString();
    });
}

// The song's lyric file burns its line into the frames from the line's time on, in the
// file's own settings (here a pure green at 40 points) scaled from the settings screen to
// the 176-line frame: default top 335 of 390 lines puts it in the bottom rows.
// The test library's closing movie ends long before the album does (5 of its 150 frames),
// so most of these frames hold the closing movie's last picture: the line is still drawn
// on them as the clock runs.
TEST_F(Making, TheLyricLineIsBurnedInItsSettingsFromItsTimeOn) {
    const QString lrc = writeFile(QString::fromUtf8("lyrics/春日.lrc"), QByteArray("[00:01.00]") + "春风吹过" + "\n");
    run([&](Form2& main) {
        addPhotos(twoPhotos());
        addSong(main, 3.0);
        Form5& lyricWindow = *Windows::get<Form5>();
        desktop_->queueFiles({lrc});
        lyricWindow.Button2Click();
        ASSERT_EQ(lyricWindow.lyricTable().rowCount(), 1);
        lyricWindow.settingsTable().setCell(0, LyricSettingsColumn::kColourNumber, "65280");
        lyricWindow.settingsTable().setCell(0, LyricSettingsColumn::kSize, "40");
        make(main, Order{});
        ASSERT_TRUE(ReadVideoInfo(outputOf(Order{})).ok()) << messages_.join("|").toStdString();

        // Green pixels of each frame and the highest row they reach.
        struct Green {
            int count = 0;
            int top = 1 << 30;
        };
        auto greenOf = [](const QImage& frame) {
            Green g;
            for (int y = 0; y < frame.height(); ++y)
                for (int x = 0; x < frame.width(); ++x) {
                    const QColor p = frame.pixelColor(x, y);
                    if (p.green() > 160 && p.red() < 90 && p.blue() < 90) {
                        ++g.count;
                        g.top = std::min(g.top, y);
                    }
                }
            return g;
        };
        const QList<qint64> before = {2, 10, 20};  // song clock 00:00
        const QList<qint64> at = {32, 50, 70};      // song clock 00:01 and 00:02
        for (const QImage& frame : ReadVideoFrames(outputOf(Order{}), before))
            EXPECT_EQ(greenOf(frame).count, 0);
        const QList<QImage> shown = ReadVideoFrames(outputOf(Order{}), at);
        ASSERT_EQ(shown.size(), at.size());
        for (const QImage& frame : shown) {
            const Green g = greenOf(frame);
            EXPECT_GT(g.count, 40);
            EXPECT_GE(g.top, 140);
        }
        EXPECT_TRUE(messages_.isEmpty()) << messages_.join("|").toStdString();
    });
}

// With the DVD-to-VCD word set, the finished album is converted once more into a VCD
// beside it: MPEG-1 at the same size and length, with the album's sound.
TEST_F(Making, TheDvdToVcdPassMakesAVcdOfTheFinishedAlbum) {
    run([&](Form2& main) {
        addPhotos(twoPhotos());
        addSong(main, 3.0);
        Order order;
        order.dvdToVcd = true;
        make(main, order);
        const VideoFileInfo album = ReadVideoInfo(outputOf(order));
        const VideoFileInfo vcd = ReadVideoInfo(file("out/相册_VCD.mpg"));
        ASSERT_TRUE(album.ok()) << messages_.join("|").toStdString();
        ASSERT_TRUE(vcd.ok()) << messages_.join("|").toStdString();
        EXPECT_EQ(album.First(true)->codec, "mpeg2video");
        const VideoStreamInfo& v = *vcd.First(true);
        EXPECT_EQ(v.codec, "mpeg1video");
        EXPECT_EQ(v.width, 320);
        EXPECT_EQ(v.height, 176);
        EXPECT_NEAR(v.seconds, album.First(true)->seconds, 0.08);
        ASSERT_EQ(vcd.CountStreams(false), 1);
        EXPECT_NEAR(vcd.First(false)->seconds, v.seconds, 0.1);
        EXPECT_FALSE(Windows::get<Form25>()->isVisible());
        EXPECT_TRUE(messages_.isEmpty()) << messages_.join("|").toStdString();
    });
}

TEST_F(Making, ABadNameIsRefusedAndNothingIsMade) {
    run([&](Form2& main) {
        addPhotos(twoPhotos());
        for (const QString& name : {QString("a/b"), QString("..\\x"), QString("x") + QChar(9)}) {
            Order order;
            order.name = name;
            make(main, order);
        }
        EXPECT_EQ(messages_.size(), 3);
        EXPECT_TRUE(filesBelow("out").isEmpty());
        EXPECT_FALSE(Windows::get<Form25>()->isVisible());
    });
}

TEST_F(Making, AnExistingFileIsReplacedOnlyWhenTheQuestionIsAnsweredOk) {
    run([&](Form2& main) {
        addPhotos(twoPhotos());
        Order order;
        QFile existing(outputOf(order));
        ASSERT_TRUE(existing.open(QIODevice::WriteOnly));
        existing.write("keep me");
        existing.close();
        order.answerExisting = false;
        make(main, order);
        EXPECT_EQ(questions_.size(), 1);
        QFile kept(outputOf(order));
        ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
        EXPECT_EQ(kept.readAll(), "keep me");
        kept.close();
        order.answerExisting = true;
        make(main, order);
        EXPECT_TRUE(ReadVideoInfo(outputOf(order)).ok());
    });
}

TEST_F(Making, AFolderThatCannotBeWrittenGivesOneMessageAndLeavesNothing) {
    run([&](Form2& main) {
        addPhotos(twoPhotos());
        // A file where the folder should be: nothing can be written below it.
        QFile blocker(file("blocked"));
        ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        Order order;
        order.folder = file("blocked");
        make(main, order);
        EXPECT_EQ(messages_.size(), 1);
        EXPECT_TRUE(messages_.value(0).contains("相册.mpg")) << messages_.value(0).toStdString();
        EXPECT_FALSE(Windows::get<Form25>()->isVisible());
        EXPECT_EQ(main.state().Edit_tuichu, "bofang_tingzhi");
        // A second making then works.
        make(main, Order{});
        EXPECT_TRUE(ReadVideoInfo(outputOf(Order{})).ok());
    });
}

TEST_F(Making, StopWhileProducingClosesTheWindowRemovesThePartialFileAndASecondMakingWorks) {
    run([&](Form2& main) {
        addPhotos(twoPhotos());
        Form25& making = *Windows::get<Form25>();
        // Stop once a few frames are made.
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, [&] {
            if (making.isVisible() && making.field("Edit_zhizuo_zhenshu_leijia_sum").toInt() > 10) {
                poll.stop();
                making.Button_tingzhi_zhizuoClick();
            }
        });
        poll.start(1);
        make(main, Order{});
        EXPECT_FALSE(making.isVisible());
        EXPECT_EQ(making.field("Edit_tuichu"), MakingWord::kStopped);
        EXPECT_FALSE(QFileInfo::exists(outputOf(Order{})));
        EXPECT_LT(making.field("Edit_zhizuo_zhenshu_leijia_sum").toInt(),
                  making.field("Edit_zhizuo_zongzhen_sum").toInt());
        make(main, Order{});
        EXPECT_TRUE(ReadVideoInfo(outputOf(Order{})).ok());
    });
}

TEST_F(Making, TheProgressListKeepsItsLast32000Lines) {
    run([&](Form2&) {
        Form25& making = *Windows::get<Form25>();
        for (int i = 0; i < Form25::kMaxProgressLines + 5; ++i) making.LogProgress(QString::number(i));
        ASSERT_EQ(making.progressLines().size(), Form25::kMaxProgressLines);
        EXPECT_EQ(making.progressLines().first(), "5");
        EXPECT_EQ(making.progressLines().last(), QString::number(Form25::kMaxProgressLines + 4));
    });
}
