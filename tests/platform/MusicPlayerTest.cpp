#include "platform/MusicPlayer.h"

#include <QElapsedTimer>
#include <gtest/gtest.h>

#include "platform/Events.h"
#include "tests/support/TempDir.h"
#include "tests/support/TestSong.h"

namespace {

qint64 DecodedMs(const QString& path) {
    int rate = 0;
    const long long frames = DecodedFrameCount(path, &rate);
    return rate > 0 ? frames * 1000 / rate : -1;
}

TEST(MusicPlayer, LengthIsTheDecodedLengthOfCbrAndVbrFiles) {
    TempDir dir;
    struct Case {
        const char* name;
        TestSongOptions options;
    } cases[] = {
        {"cbr.mp3", {.seconds = 3.0}},
        {"vbr.mp3", {.seconds = 3.0, .vbr = true}},
        {"vbr-no-header.mp3", {.seconds = 3.0, .vbr = true, .lengthHeader = false}},
    };
    MusicPlayer player;
    for (const Case& c : cases) {
        const QString path = WriteTestSong(dir.file(c.name), c.options);
        QString error;
        ASSERT_TRUE(SwitchMusic(player, path, false, error)) << error.toStdString();
        EXPECT_NEAR(double(player.Length()), double(DecodedMs(path)), 50.0) << c.name;
        EXPECT_EQ(player.Mode(), MusicMode::Stopped);
        EXPECT_EQ(player.Position(), 0);
        EXPECT_EQ(player.FileName(), path);
    }
}

TEST(MusicPlayer, PositionFollowsTheClockWhilePlayingAndHoldsWhileStopped) {
    TempDir dir;
    const QString path = WriteTestSong(dir.file("song.mp3"), {.seconds = 3.0});
    MusicPlayer player;
    QString error;
    // The clock starts somewhere inside the call: after `beforePlay`, before `afterPlay`.
    QElapsedTimer beforePlay, afterPlay;
    beforePlay.start();
    ASSERT_TRUE(SwitchMusic(player, path, true, error)) << error.toStdString();
    afterPlay.start();
    EXPECT_EQ(player.Mode(), MusicMode::Playing);
    waitUntil([&] { return afterPlay.elapsed() >= 300; }, 5000);
    const qint64 upper = beforePlay.elapsed();
    const qint64 lower = afterPlay.elapsed();
    const qint64 position = player.Position();
    EXPECT_GE(position, lower);
    EXPECT_LE(position, upper + 1);

    player.Stop();
    const qint64 stoppedAt = player.Position();
    EXPECT_EQ(player.Mode(), MusicMode::Stopped);
    waitUntil([] { return false; }, 100);
    EXPECT_EQ(player.Position(), stoppedAt);

    // Play goes on from where Stop left it.
    QElapsedTimer beforeResume, afterResume;
    beforeResume.start();
    player.Play();
    afterResume.start();
    waitUntil([&] { return afterResume.elapsed() >= 100; }, 5000);
    const qint64 resumeUpper = beforeResume.elapsed();
    const qint64 resumeLower = afterResume.elapsed();
    const qint64 resumed = player.Position();
    EXPECT_GE(resumed, stoppedAt + resumeLower);
    EXPECT_LE(resumed, stoppedAt + resumeUpper + 1);
}

TEST(MusicPlayer, ModeTurnsStoppedAtTheEndOfTheFile) {
    TempDir dir;
    const QString path = WriteTestSong(dir.file("short.mp3"), {.seconds = 0.6});
    MusicPlayer player;
    QString error;
    ASSERT_TRUE(SwitchMusic(player, path, true, error));
    ASSERT_EQ(player.Mode(), MusicMode::Playing);
    EXPECT_TRUE(waitUntil([&] { return player.Mode() == MusicMode::Stopped; }, 5000));
    EXPECT_EQ(player.Position(), player.Length());
    // Play at the end plays nothing; a new Load starts at the beginning again.
    player.Play();
    EXPECT_EQ(player.Mode(), MusicMode::Stopped);
    ASSERT_TRUE(SwitchMusic(player, path, false, error));
    EXPECT_EQ(player.Position(), 0);
}

TEST(MusicPlayer, ATextFileNamedMp3FailsAtLoadAndLeavesNothingLoaded) {
    TempDir dir;
    const QString song = WriteTestSong(dir.file("song.mp3"), {.seconds = 1.0});
    const QString text = dir.write("假的歌.mp3", "不是音乐\n");
    MusicPlayer player;
    EXPECT_EQ(player.Mode(), MusicMode::NotReady);
    QString error;
    ASSERT_TRUE(SwitchMusic(player, song, true, error));
    EXPECT_FALSE(SwitchMusic(player, text, true, error));
    EXPECT_TRUE(error.contains(text)) << error.toStdString();
    EXPECT_EQ(player.Mode(), MusicMode::NotReady);
    EXPECT_EQ(player.Length(), 0);
    EXPECT_EQ(player.Position(), 0);
    player.Play();  // nothing loaded: nothing happens
    EXPECT_EQ(player.Mode(), MusicMode::NotReady);
}

}  // namespace
