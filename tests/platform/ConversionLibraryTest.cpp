// The conversion library end to end: real files written and read back with libavformat.

#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QStringList>
#include <cmath>

#include "platform/ConversionLibrary.h"
#include "platform/ConversionPresets.h"
#include "platform/ConversionSources.h"
#include "platform/VideoInfo.h"
#include "tests/support/TempDir.h"
#include "tests/support/TestSong.h"

namespace {

// The colour of the picture painted for source frame k: a clear step between neighbours.
QColor FrameColour(int k) { return QColor::fromHsv((k * 40) % 360, 255, 220); }

QImage Flat(QSize size, QColor colour) {
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(colour);
    return picture;
}

struct Job {
    int format = kMclDvd;
    int system = kMclPal;
    QSize size{320, 176};
    int frames = 50;
    bool keepDuration = true;
    bool inMemory = true;     // later frames handed over in memory, else written to the file
    int abortAt = -1;         // frame callback that stops the conversion
    int errorAnswer = 0;
};

struct Result {
    bool converted = false;
    int error = 0;
    QString errorText;
    QList<int> statuses;
    int errorCalls = 0;
    int frameCalls = 0;
};

Result Convert(const Job& run, const QString& framePath, const QString& out,
               const QStringList& songs = {}) {
    Result result;
    Flat(run.size, FrameColour(0)).save(framePath, "BMP");
    MclHandle h = MclCreate();
    MclList video = MclListCreate();
    MclList audio = MclListCreate();
    MclAssignVideoSource(h, [&](MclSource s, int i) {
        QString name;
        if (MclListGetName(video, i, name)) MclSourceSetFile(s, name);
        else MclSourceFinished(s);
    });
    MclAssignVideoFunc(h, [&](MclHandle handle, quintptr, int frame) {
        ++result.frameCalls;
        if (frame == run.abortAt) MclAbort(handle);
        const QImage next = Flat(run.size, FrameColour(frame));
        if (run.inMemory) MclVideoSetFramePicture(handle, framePath, next);
        else next.save(framePath, "BMP");
    });
    MclAssignAudioSource(h, [&](MclSource s, int i) {
        QString name;
        if (MclListGetName(audio, i, name)) MclSourceSetFile(s, name);
        else MclSourceFinished(s);
    });
    MclAssignAudioFunc(h, [](MclHandle, quintptr, int) {});
    MclAssignProgress(h, [&](MclHandle, int status, qint64, qint64, qint64) { result.statuses.append(status); });
    MclAssignError(h, [&](MclHandle, quintptr, int* answer) {
        ++result.errorCalls;
        *answer = run.errorAnswer;
    });
    for (int i = 0; i < run.frames; ++i) MclListAdd(video, framePath, kMclVideoEntry, 0, 0);
    for (const QString& song : songs) MclListAdd(audio, song, kMclAudioEntry, 0, 0);
    MclSetFormatPreset(h, run.format, run.system);
    MclVideoSetKeepDuration(h, run.keepDuration ? -1 : 0);
    MclVideoSetFormat(h, run.size.width(), run.size.height(), 32);
    MclAudioSetCodec(h, 2);
    MclVideoSetFileName(h, out);
    MclAudioSetFileName(h, out);
    result.converted = MclConvert(h);
    result.error = MclGetError();
    result.errorText = MclGetErrorStr();
    MclListFree(video);
    MclListFree(audio);
    MclFree(h);
    return result;
}

// Mean colour of a picture's centre.
QColor Centre(const QImage& picture) {
    const QRect box(picture.width() / 4, picture.height() / 4, picture.width() / 2, picture.height() / 2);
    qint64 r = 0, g = 0, b = 0, n = 0;
    for (int y = box.top(); y <= box.bottom(); ++y)
        for (int x = box.left(); x <= box.right(); ++x) {
            const QRgb p = picture.pixel(x, y);
            r += qRed(p); g += qGreen(p); b += qBlue(p); ++n;
        }
    return QColor(int(r / n), int(g / n), int(b / n));
}

bool Near(QColor a, QColor b, int tolerance = 24) {
    return std::abs(a.red() - b.red()) <= tolerance && std::abs(a.green() - b.green()) <= tolerance &&
           std::abs(a.blue() - b.blue()) <= tolerance;
}

}  // namespace

struct PresetCase {
    const char* name;
    int format;
    int system;
    const char* container;  // FFmpeg's demuxer name
    const char* videoCodec;
    const char* audioCodec;
    int sampleRate;
    int rateNum, rateDen;
    qint64 outputFrames;  // for 50 source frames of 1/25 s
    const char* extension;
};

class ConversionPresetsTest : public ::testing::TestWithParam<PresetCase> {};

TEST_P(ConversionPresetsTest, FileReadsBackWithTheCodecSizeRateAndLengths) {
    const PresetCase& c = GetParam();
    EXPECT_EQ(PresetFor(c.format).extension.toStdString(), c.extension);
    TempDir dir;
    Job run;
    run.format = c.format;
    run.system = c.system;
    const QString out = dir.file(QString("album") + c.extension);
    const Result result = Convert(run, dir.file("frame.bmp"), out);
    ASSERT_TRUE(result.converted) << result.errorText.toStdString();
    EXPECT_EQ(result.error, 0);
    EXPECT_EQ(result.frameCalls, 50);
    ASSERT_FALSE(result.statuses.isEmpty());
    EXPECT_EQ(result.statuses.first(), kMclStatusPreparing);
    EXPECT_EQ(result.statuses.last(), kMclStatusDone);
    EXPECT_TRUE(result.statuses.contains(kMclStatusFrame));

    const VideoFileInfo info = ReadVideoInfo(out);
    ASSERT_TRUE(info.ok());
    EXPECT_EQ(info.container.toStdString(), c.container);
    ASSERT_EQ(info.CountStreams(true), 1);
    ASSERT_EQ(info.CountStreams(false), 1);
    const VideoStreamInfo& v = *info.First(true);
    const VideoStreamInfo& a = *info.First(false);
    EXPECT_EQ(v.codec.toStdString(), c.videoCodec);
    EXPECT_EQ(v.width, 320);
    EXPECT_EQ(v.height, 176);
    EXPECT_EQ(v.rateNum * c.rateDen, c.rateNum * v.rateDen);
    EXPECT_EQ(v.frames, c.outputFrames);
    EXPECT_EQ(a.codec.toStdString(), c.audioCodec);
    EXPECT_EQ(a.sampleRate, c.sampleRate);
    EXPECT_EQ(a.channels, 2);
    // The sound ends with the pictures (within the sound encoder's block and its delay).
    EXPECT_NEAR(a.seconds, v.seconds, 2 * 2048.0 / c.sampleRate);
}

INSTANTIATE_TEST_SUITE_P(
    Presets, ConversionPresetsTest,
    ::testing::Values(
        PresetCase{"VcdPal", kMclVcd, kMclPal, "mpeg", "mpeg1video", "mp2", 44100, 25, 1, 50, ".mpg"},
        PresetCase{"SvcdPal", kMclSvcd, kMclPal, "mpeg", "mpeg2video", "mp2", 44100, 25, 1, 50, ".mpg"},
        PresetCase{"DvdPal", kMclDvd, kMclPal, "mpeg", "mpeg2video", "mp2", 48000, 25, 1, 50, ".mpg"},
        // 2 s at 29.97 frames per second: frames repeated to keep the length.
        PresetCase{"DvdNtsc", kMclDvd, kMclNtsc, "mpeg", "mpeg2video", "mp2", 48000, 30000, 1001, 60, ".mpg"},
        PresetCase{"VcdNtsc", kMclVcd, kMclNtsc, "mpeg", "mpeg1video", "mp2", 44100, 30000, 1001, 60, ".mpg"},
        PresetCase{"AviPal", kMclAvi, kMclPal, "avi", "mpeg4", "mp3", 44100, 25, 1, 50, ".avi"},
        PresetCase{"Mp4Pal", kMclMp4, kMclPal, "mov,mp4,m4a,3gp,3g2,mj2", "h264", "aac", 48000, 25, 1, 50, ".mp4"},
        PresetCase{"Mp4Ntsc", kMclMp4, kMclNtsc, "mov,mp4,m4a,3gp,3g2,mj2", "h264", "aac", 48000, 30000, 1001, 60,
                   ".mp4"},
        PresetCase{"MovPal", kMclMov, kMclPal, "mov,mp4,m4a,3gp,3g2,mj2", "h264", "aac", 48000, 25, 1, 50, ".mov"},
        PresetCase{"WmvPal", kMclWmv, kMclPal, "asf", "wmv2", "wmav2", 44100, 25, 1, 50, ".wmv"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ConversionLibraryTest, EachFrameShowsThePicturePaintedBeforeIt) {
    // Frame 0 is the file written beforehand; frame k is what callback k painted, handed
    // over in memory or written to the frame file.
    for (bool inMemory : {true, false}) {
        TempDir dir;
        Job run;
        run.frames = 12;
        run.inMemory = inMemory;
        const QString out = dir.file("a.mpg");
        ASSERT_TRUE(Convert(run, dir.file("frame.bmp"), out).converted);
        const QList<QImage> frames = ReadVideoFrames(out, {0, 1, 5, 11});
        const QList<int> expected{0, 1, 5, 11};
        for (int i = 0; i < expected.size(); ++i) {
            ASSERT_FALSE(frames[i].isNull());
            EXPECT_TRUE(Near(Centre(frames[i]), FrameColour(expected[i])))
                << "memory " << inMemory << " frame " << expected[i];
        }
    }
}

TEST(ConversionLibraryTest, WithoutKeepDurationEverySourceFrameIsOneOutputFrame) {
    TempDir dir;
    Job run;
    run.system = kMclNtsc;
    run.keepDuration = false;
    const QString out = dir.file("a.mpg");
    ASSERT_TRUE(Convert(run, dir.file("frame.bmp"), out).converted);
    EXPECT_EQ(ReadVideoInfo(out).First(true)->frames, 50);
}

TEST(ConversionLibraryTest, AbortFromTheFrameCallbackStopsWithoutAnError) {
    TempDir dir;
    Job run;
    run.frames = 200;
    run.abortAt = 30;
    const QString out = dir.file("a.mpg");
    const Result result = Convert(run, dir.file("frame.bmp"), out);
    EXPECT_FALSE(result.converted);
    EXPECT_EQ(result.error, 0);
    EXPECT_LE(result.frameCalls, 31);
    // What was written is a readable, shorter file.
    const VideoFileInfo info = ReadVideoInfo(out);
    ASSERT_TRUE(info.ok());
    EXPECT_LT(info.First(true)->frames, 200);
}

TEST(ConversionLibraryTest, FailuresAreReportedThroughTheErrorCallbackAndMclGetError) {
    TempDir dir;
    struct Case {
        const char* what;
        QString out;
    } cases[] = {
        {"missing folder", dir.file("no/such/folder/a.mpg")},
        {"no name", QString()},
        {"folder as file", dir.path()},
    };
    for (const Case& c : cases) {
        const Result result = Convert(Job{}, dir.file("frame.bmp"), c.out);
        EXPECT_FALSE(result.converted) << c.what;
        EXPECT_NE(result.error, 0) << c.what;
        EXPECT_EQ(result.errorCalls, 1) << c.what;
        EXPECT_FALSE(result.errorText.isEmpty()) << c.what;
        EXPECT_EQ(result.frameCalls, 0) << c.what;
    }
}

TEST(ConversionLibraryTest, AnUnreadableFramePictureIsAnErrorThatCanStopOrBeSkipped) {
    for (int answer : {kMclAnswerStop, 0}) {
        TempDir dir;
        const QString frame = dir.file("frame.bmp");
        Job run;
        run.frames = 10;
        run.errorAnswer = answer;
        // The first picture is not a picture at all.
        MclHandle h = MclCreate();
        MclList video = MclListCreate();
        QFile(dir.write("broken.bmp", "not a bitmap")).exists();
        Flat(run.size, Qt::red).save(frame, "BMP");
        MclListAdd(video, dir.file("broken.bmp"), kMclVideoEntry, 0, 0);
        for (int i = 0; i < 9; ++i) MclListAdd(video, frame, kMclVideoEntry, 0, 0);
        int errors = 0;
        MclAssignVideoSource(h, [&](MclSource s, int i) {
            QString name;
            if (MclListGetName(video, i, name)) MclSourceSetFile(s, name);
            else MclSourceFinished(s);
        });
        MclAssignError(h, [&](MclHandle, quintptr, int* a) { ++errors; *a = answer; });
        MclVideoSetFormat(h, 320, 176, 32);
        const QString out = dir.file("a.mpg");
        MclVideoSetFileName(h, out);
        const bool converted = MclConvert(h);
        EXPECT_EQ(errors, 1);
        EXPECT_TRUE(MclGetErrorStr().contains("broken.bmp"));
        EXPECT_EQ(converted, answer != kMclAnswerStop);
        if (converted) {
            EXPECT_EQ(ReadVideoInfo(out).First(true)->frames, 9);
        }
        MclListFree(video);
        MclFree(h);
    }
}

TEST(ConversionLibraryTest, ListsCountTheirEntries) {
    TempDir dir;
    const QString frame = dir.file("frame.bmp");
    Flat({320, 176}, Qt::blue).save(frame, "BMP");
    MclList list = MclListCreate();
    for (int i = 0; i < 7; ++i) MclListAdd(list, frame, kMclVideoEntry, 0, 0);
    MclListAdd(list, dir.file("missing.mp3"), kMclAudioEntry, 0, 0);
    EXPECT_EQ(MclListGetFrameCount(list), 7);
    EXPECT_EQ(MclListGetSampleCount(list), 0);
    QString name;
    EXPECT_TRUE(MclListGetName(list, 7, name));
    EXPECT_TRUE(name.endsWith("missing.mp3"));
    EXPECT_FALSE(MclListGetName(list, 8, name));
    EXPECT_FALSE(MclListGetName(list, -1, name));
    MclListFree(list);
}

TEST(ConversionPresetsTest, TimeTextAndRateArithmetic) {
    EXPECT_EQ(MclMakeTimeStr(0), "00:00:00");
    EXPECT_EQ(MclMakeTimeStr(3725.9), "01:02:05");
    EXPECT_EQ(VideoBitRate(PresetFor(kMclDvd), false, 1280, 720), 5000000);
    EXPECT_EQ(VideoBitRate(PresetFor(kMclDvd), true, 1920, 1080), 9000000LL * 9 / 4);
    MclAbort(nullptr);  // never fails outward
}

namespace {
// Root mean square of the samples between `from` and `to` seconds.
double Loudness(const QList<qint16>& samples, int rate, int channels, double from, double to) {
    const qsizetype a = qsizetype(from * rate) * channels, b = std::min<qsizetype>(qsizetype(to * rate) * channels, samples.size());
    double sum = 0;
    for (qsizetype i = a; i < b; ++i) sum += double(samples[i]) * samples[i];
    return b > a ? std::sqrt(sum / double(b - a)) : 0;
}
}  // namespace

TEST(ConversionLibraryTest, SongsAreJoinedAndCutAtTheLastFrameWithAFadeOut) {
    TempDir dir;
    TestSongOptions oneSecond;
    oneSecond.seconds = 1.0;
    const QString a = WriteTestSong(dir.file("a.mp3"), oneSecond);
    const QString b = WriteTestSong(dir.file("b.mp3"), oneSecond);
    TestSongOptions long_;
    long_.seconds = 3.0;
    const QString c = WriteTestSong(dir.file("c.mp3"), long_);
    ASSERT_FALSE(a.isEmpty() || b.isEmpty() || c.isEmpty());

    // Two songs of 1 s under 3 s of pictures: both play, then silence to the end.
    {
        Job run;
        run.frames = 75;
        const QString out = dir.file("joined.mpg");
        ASSERT_TRUE(Convert(run, dir.file("frame.bmp"), out, {a, b}).converted);
        int rate = 0, channels = 0;
        const QList<qint16> pcm = ReadAudioSamples(out, rate, channels);
        ASSERT_EQ(rate, 48000);
        EXPECT_NEAR(double(pcm.size()) / channels / rate, 3.0, 0.03);
        EXPECT_GT(Loudness(pcm, rate, channels, 0.2, 0.8), 500);
        EXPECT_GT(Loudness(pcm, rate, channels, 1.2, 1.8), 500);
        EXPECT_LT(Loudness(pcm, rate, channels, 2.2, 2.9), 50);
    }
    // A song of 3 s under 2 s of pictures: cut at 2 s, fading out.
    {
        Job run;
        run.frames = 50;
        run.format = kMclVcd;
        const QString out = dir.file("cut.mpg");
        ASSERT_TRUE(Convert(run, dir.file("frame.bmp"), out, {c}).converted);
        const VideoFileInfo info = ReadVideoInfo(out);
        EXPECT_NEAR(info.First(false)->seconds, info.First(true)->seconds, 0.03);
        int rate = 0, channels = 0;
        const QList<qint16> pcm = ReadAudioSamples(out, rate, channels);
        const double middle = Loudness(pcm, rate, channels, 0.8, 1.2);
        EXPECT_GT(middle, 500);
        EXPECT_LT(Loudness(pcm, rate, channels, 1.95, 2.0), middle / 5);
    }
}

TEST(ConversionLibraryTest, AnUnreadableSongIsReportedAndLeftOut) {
    TempDir dir;
    const QString notAudio = dir.write("song.mp3", "this is text, not sound");
    Job run;
    run.frames = 25;
    const Result result = Convert(run, dir.file("frame.bmp"), dir.file("a.mpg"), {notAudio});
    EXPECT_EQ(result.errorCalls, 1);
    EXPECT_TRUE(result.errorText.contains("song.mp3"));
    EXPECT_TRUE(result.converted);  // the answer 0 leaves the song out
    EXPECT_EQ(ReadVideoInfo(dir.file("a.mpg")).CountStreams(false), 1);
}

namespace {
// The four-letter types of the top-level boxes of an MP4 or QuickTime file, in file order.
QStringList TopLevelBoxes(const QString& path) {
    QFile file(path);
    QStringList boxes;
    if (!file.open(QIODevice::ReadOnly))
        return boxes;
    const qint64 end = file.size();
    for (qint64 at = 0; at + 8 <= end;) {
        file.seek(at);
        const QByteArray head = file.read(16);
        quint64 size = (quint64(quint8(head[0])) << 24) | (quint8(head[1]) << 16) | (quint8(head[2]) << 8) |
                       quint8(head[3]);
        if (size == 1 && head.size() == 16) {  // a 64-bit size follows the type
            size = 0;
            for (int i = 8; i < 16; ++i) size = size << 8 | quint8(head[i]);
        }
        boxes.append(QString::fromLatin1(head.mid(4, 4)));
        if (size < 8)
            break;
        at += qint64(size);
    }
    return boxes;
}
}  // namespace

// The newer types carry the song as clearly as the MPEG ones (their encoders take other
// sample formats), decode without an error, and an MP4 has its index before its media.
TEST(ConversionLibraryTest, NewerTypesCarryTheSongAndDecodeCleanly) {
    TempDir dir;
    TestSongOptions song;
    song.seconds = 3.0;
    const QString path = WriteTestSong(dir.file("song.mp3"), song);
    ASSERT_FALSE(path.isEmpty());
    for (int format : {kMclAvi, kMclMp4, kMclMov, kMclWmv}) {
        Job run;
        run.format = format;
        run.frames = 50;
        const QString out = dir.file("album" + PresetFor(format).extension);
        ASSERT_TRUE(Convert(run, dir.file("frame.bmp"), out, {path}).converted) << format;
        const VideoFileInfo info = ReadVideoInfo(out);
        ASSERT_TRUE(info.ok()) << format;
        EXPECT_EQ(info.First(true)->frames, 50) << format;
        EXPECT_EQ(info.First(true)->errors, 0) << format;
        EXPECT_EQ(info.First(false)->errors, 0) << format;
        int rate = 0, channels = 0;
        const QList<qint16> pcm = ReadAudioSamples(out, rate, channels);
        EXPECT_GT(Loudness(pcm, rate, channels, 0.8, 1.2), 500) << format;
        if (format == kMclMp4) {
            const QStringList boxes = TopLevelBoxes(out);
            ASSERT_TRUE(boxes.contains("moov") && boxes.contains("mdat")) << boxes.join(' ').toStdString();
            EXPECT_LT(boxes.indexOf("moov"), boxes.indexOf("mdat")) << boxes.join(' ').toStdString();
        }
    }
}
