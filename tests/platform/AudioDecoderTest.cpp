#include "platform/AudioDecoder.h"

#include <QFile>
#include <gtest/gtest.h>
#include <vector>

#include "tests/support/TempDir.h"
#include "tests/support/TestSong.h"

namespace {

// Every frame the decoder gives, at `rate` Hz with `channels` channels.
std::vector<int16_t> DecodeAll(AudioDecoder& decoder, int channels) {
    std::vector<int16_t> all;
    int16_t buffer[1000 * 2];
    QString error;
    for (qint64 got; (got = decoder.Read(buffer, 1000, error)) > 0;)
        all.insert(all.end(), buffer, buffer + got * channels);
    EXPECT_TRUE(error.isEmpty()) << error.toStdString();
    return all;
}

struct SongCase {
    const char* what;
    TestSongOptions options;
};

const SongCase kSongs[] = {
    {"CBR with a length header", {.seconds = 3.0}},
    {"CBR without a length header", {.seconds = 3.0, .lengthHeader = false}},
    {"VBR with a length header", {.seconds = 4.0, .vbr = true}},
    {"VBR without a length header", {.seconds = 4.0, .vbr = true, .lengthHeader = false}},
    {"mono 22050 Hz VBR without a header", {.seconds = 2.5, .sampleRate = 22050, .channels = 1, .vbr = true,
                                             .lengthHeader = false}},
};

TEST(AudioDecoder, MeasuresTheDecodedLengthOfCbrAndVbrFiles) {
    TempDir dir;
    for (const SongCase& c : kSongs) {
        const QString path = WriteTestSong(dir.file(QString(c.what) + ".mp3"), c.options);
        ASSERT_FALSE(path.isEmpty()) << c.what;
        int rate = 0;
        const long long frames = DecodedFrameCount(path, &rate);
        ASSERT_GT(frames, 0) << c.what;
        const qint64 decodedMs = frames * 1000 / rate;
        qint64 ms = -1;
        QString error;
        ASSERT_TRUE(MeasureAudioLength(path, ms, error)) << c.what << ": " << error.toStdString();
        EXPECT_NEAR(double(ms), double(decodedMs), 50.0) << c.what;
        EXPECT_NEAR(double(ms), c.options.seconds * 1000, 120.0) << c.what;
    }
}

TEST(AudioDecoder, DecodesEveryFrameAtTheRateAndChannelsAskedFor) {
    TempDir dir;
    const QString path = WriteTestSong(dir.file("song.mp3"), {.seconds = 2.0, .vbr = true});
    int rate = 0;
    const long long frames = DecodedFrameCount(path, &rate);
    ASSERT_EQ(rate, 44100);
    struct Case {
        int rate, channels;
    } cases[] = {{44100, 2}, {44100, 1}, {22050, 2}, {48000, 1}};
    for (const Case& c : cases) {
        AudioDecoder decoder;
        QString error;
        ASSERT_TRUE(decoder.Open(path, c.rate, c.channels, error)) << error.toStdString();
        const std::vector<int16_t> all = DecodeAll(decoder, c.channels);
        const double expected = double(frames) * c.rate / rate;
        EXPECT_NEAR(double(all.size()) / c.channels, expected, c.rate / 100.0) << c.rate << "/" << c.channels;
        // The tone is there, not silence.
        int peak = 0;
        for (int16_t v : all) peak = std::max(peak, std::abs(int(v)));
        EXPECT_GT(peak, 8000);
        // At the end Read keeps answering 0.
        int16_t buffer[64];
        EXPECT_EQ(decoder.Read(buffer, 32, error), 0);
    }
}

TEST(AudioDecoder, SeekingStartsTheNextReadAtThatTime) {
    TempDir dir;
    for (bool vbr : {false, true}) {
        const QString path = WriteTestSong(dir.file(vbr ? "vbr.mp3" : "cbr.mp3"), {.seconds = 3.0, .vbr = vbr});
        AudioDecoder decoder;
        QString error;
        ASSERT_TRUE(decoder.Open(path, 44100, 2, error));
        const size_t total = DecodeAll(decoder, 2).size() / 2;
        for (qint64 ms : {1000, 0, 2500}) {
            ASSERT_TRUE(decoder.SeekMs(ms));
            const double left = double(DecodeAll(decoder, 2).size() / 2);
            EXPECT_NEAR(left, double(total) - ms * 44.1, 44.1 * 40) << "vbr " << vbr << " at " << ms;
        }
        ASSERT_TRUE(decoder.SeekMs(60000));  // past the end: nothing left
        EXPECT_LT(DecodeAll(decoder, 2).size(), 44100u / 10);
    }
}

TEST(AudioDecoder, FilesThatAreNotAudioFailAtOpenWithAMessageNamingThem) {
    TempDir dir;
    const QString cases[] = {
        dir.write("歌曲.mp3", "这不是音乐，只是一个文本文件。\r\n[00:01.00]第一行\r\n"),
        dir.write("empty.mp3", QByteArray()),
        dir.write("noise.mp3", QByteArray(5000, '\xff')),
        dir.write("picture.mp3", QByteArray::fromHex("ffd8ffe000104a46494600010100000100010000ffd9")),
        dir.file("missing.mp3"),
        dir.path(),  // a folder
    };
    for (const QString& path : cases) {
        AudioDecoder decoder;
        QString error;
        EXPECT_FALSE(decoder.Open(path, 44100, 2, error)) << path.toStdString();
        EXPECT_TRUE(error.contains(path)) << error.toStdString();
        EXPECT_FALSE(decoder.isOpen());
        int16_t buffer[16];
        QString readError;
        EXPECT_EQ(decoder.Read(buffer, 8, readError), -1);
        EXPECT_FALSE(decoder.SeekMs(0));
        qint64 ms = 123;
        error.clear();
        EXPECT_FALSE(MeasureAudioLength(path, ms, error)) << path.toStdString();
        EXPECT_TRUE(error.contains(path)) << error.toStdString();
    }
}

TEST(AudioDecoder, ACutOffFileDecodesWhatIsThere) {
    TempDir dir;
    const QString whole = WriteTestSong(dir.file("whole.mp3"), {.seconds = 3.0});
    const QByteArray bytes = ReadBytes(whole);
    const QString half = dir.write("half.mp3", bytes.left(bytes.size() / 2));
    qint64 ms = 0;
    QString error;
    ASSERT_TRUE(MeasureAudioLength(half, ms, error)) << error.toStdString();
    EXPECT_NEAR(double(ms), 1500.0, 150.0);
    AudioDecoder decoder;
    ASSERT_TRUE(decoder.Open(half, 44100, 2, error));
    EXPECT_NEAR(double(DecodeAll(decoder, 2).size() / 2), 1.5 * 44100, 44100 * 0.15);
}

}  // namespace
