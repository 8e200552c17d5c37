// The sample photos, the sample song and the interface pictures in build/bin.

#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QRegularExpression>

#include "platform/Exif.h"
#include "platform/GbkText.h"
#include "platform/Jpeg.h"
#include "tests/support/TempDir.h"
#include "tests/support/Tools.h"

extern "C" {
#include <libavformat/avformat.h>
}

TEST(SamplePhotos, AreTwelveOrMoreOfEveryShapeWithTwoStoredTurned) {
    const QDir dir(BinDir() + "/samples/photos");
    const QStringList names = dir.entryList({"*.jpg"}, QDir::Files, QDir::Name);
    ASSERT_GE(names.size(), 12);
    int landscape = 0, portrait = 0, square = 0, turned = 0;
    for (const QString& name : names) {
        const QString path = dir.filePath(name);
        const JpegSizeResult stored = ReadJpegSize(path);
        ASSERT_TRUE(stored.ok()) << stored.error.toStdString();
        const int orientation = ReadExifOrientation(path);
        const QSize upright = UprightSize(stored.size, orientation);
        if (upright != stored.size) ++turned;
        if (upright.width() > upright.height()) ++landscape;
        if (upright.width() < upright.height()) ++portrait;
        if (upright.width() == upright.height()) ++square;
        EXPECT_TRUE(DecodeJpegUpright(path, {200, 200}).ok());
    }
    EXPECT_GE(landscape, 4);
    EXPECT_GE(portrait, 4);
    EXPECT_GE(square, 1);
    EXPECT_GE(turned, 2);
}

TEST(SampleSong, IsAnMp3OfAMinuteOrMoreWithATimedGbkLyricFile) {
    const QString folder = BinDir() + "/yinyuegeciwenjian";
    const QString mp3 = folder + "/春日.mp3";
    AVFormatContext* format = nullptr;
    ASSERT_EQ(avformat_open_input(&format, QFile::encodeName(mp3).constData(), nullptr, nullptr),
              0);
    ASSERT_GE(avformat_find_stream_info(format, nullptr), 0);
    const double seconds = double(format->duration) / AV_TIME_BASE;
    const AVCodecID codec = format->streams[0]->codecpar->codec_id;
    avformat_close_input(&format);
    EXPECT_EQ(codec, AV_CODEC_ID_MP3);
    EXPECT_GE(seconds, 60.0);

    const QByteArray bytes = ReadBytes(folder + "/春日.lrc");
    EXPECT_EQ(EncodeGbk(DecodeGbk(bytes)), bytes);  // stored as GBK
    const QString text = DecodeGbk(bytes);
    for (const char* tag : {"[ti:", "[ar:", "[al:", "[by:"}) EXPECT_TRUE(text.contains(tag)) << tag;
    double previous = -1;
    int lines = 0;
    const QRegularExpression timed("^\\[(\\d\\d):(\\d\\d)\\.(\\d\\d)\\](.+)$");
    for (const QString& line : text.split("\r\n")) {
        const QRegularExpressionMatch m = timed.match(line);
        if (!m.hasMatch()) continue;
        const double at =
            m.captured(1).toInt() * 60 + m.captured(2).toInt() + m.captured(3).toInt() / 100.0;
        EXPECT_GT(at, previous);
        EXPECT_LT(at, seconds);
        EXPECT_TRUE(m.captured(4).contains(QRegularExpression("[\\x{4e00}-\\x{9fff}]")));
        previous = at;
        ++lines;
    }
    EXPECT_GE(lines, 10);
}

TEST(InterfacePictures, HaveTheSizesTheCaptionPiecesAreCutFrom) {
    const QString folder = BinDir() + "/lumdata/jiemian/";
    struct Case {
        const char* name;
        QSize size;
    };
    const Case cases[] = {
        {"jiemian_01.png", {1024, 67}},  {"jiemian_02.png", {1024, 67}},
        {"jiemian_03.png", {1024, 67}},  {"xiao_jiemian_01.png", {1024, 43}},
        {"xiao_jiemian_02.png", {1024, 43}}, {"xiao_jiemian_03.png", {1024, 43}},
        {"jiazai.png", {500, 249}},         {"beijing.png", {1280, 800}},
        {"zhaopianqu.png", {800, 450}},     {"ico.png", {32, 32}},
    };
    for (const Case& c : cases) EXPECT_EQ(QImage(folder + c.name).size(), c.size) << c.name;
    // The three states differ only where the buttons are; the drag area is stretchable.
    const QImage normal(folder + "jiemian_01.png"), hover(folder + "jiemian_02.png");
    EXPECT_EQ(normal.copy(0, 0, 900, 49), hover.copy(0, 0, 900, 49));
    EXPECT_NE(normal.copy(988, 0, 36, 49), hover.copy(988, 0, 36, 49));
    EXPECT_EQ(normal.copy(390, 0, 1, 49), normal.copy(439, 0, 1, 49));
    const QImage small(folder + "xiao_jiemian_01.png"), smallHover(folder + "xiao_jiemian_02.png");
    EXPECT_NE(small.copy(982, 0, 42, 37), smallHover.copy(982, 0, 42, 37));
    EXPECT_EQ(small.copy(20, 37, 1, 6), small.copy(69, 37, 1, 6));
}
