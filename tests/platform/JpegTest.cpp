#include "platform/Jpeg.h"

#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>

#include "tests/support/TempDir.h"
#include "tests/support/TestJpeg.h"

namespace {

// One large camera-sized photo for the scaling cases; making it is the slow part.
class JpegScaling : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        dir_ = new TempDir;
        large_ = WriteTestJpeg(dir_->file("large.jpg"), QSize(4000, 3000));
        odd_ = WriteTestJpeg(dir_->file("odd.jpg"), QSize(1001, 750));
    }
    static void TearDownTestSuite() {
        delete dir_;
        dir_ = nullptr;
    }
    static TempDir* dir_;
    static QString large_, odd_;
};
TempDir* JpegScaling::dir_ = nullptr;
QString JpegScaling::large_, JpegScaling::odd_;

TEST_F(JpegScaling, DecodesAtTheSmallestEighthThatCoversTheMinimum) {
    struct Case {
        QString* file;
        QSize minimum;
        QSize expected;
    } cases[] = {
        {&large_, QSize(300, 225), QSize(500, 375)},     // 1/8
        {&large_, QSize(500, 375), QSize(500, 375)},     // exactly 1/8
        {&large_, QSize(501, 10), QSize(1000, 750)},     // one more pixel: 2/8
        {&large_, QSize(10, 376), QSize(1000, 750)},     // the height decides as well
        {&large_, QSize(1100, 800), QSize(1500, 1125)},  // 3/8, not only powers of two
        {&large_, QSize(3600, 2000), QSize(4000, 3000)}, // 8/8
        {&large_, QSize(5000, 10), QSize(4000, 3000)},   // larger than the photo: full size
        {&large_, QSize(), QSize(4000, 3000)},           // no minimum: full size
        {&odd_, QSize(126, 94), QSize(126, 94)},         // 1001/8 rounds up to 126
    };
    for (const Case& c : cases) {
        const JpegDecodeResult r = DecodeJpeg(*c.file, c.minimum);
        ASSERT_TRUE(r.ok()) << r.error.toStdString();
        EXPECT_EQ(r.image.size(), c.expected) << c.minimum.width() << "x" << c.minimum.height();
        EXPECT_EQ(r.image.format(), QImage::Format_RGB32);
        EXPECT_EQ(MarkedCorner(r.image), Corner::TopLeft);
    }
}

TEST(Jpeg, ReadsTheStoredSizeFromTheHeader) {
    TempDir dir;
    // Orientation 6 stores a 640 x 480 upright picture as 480 x 640; the size is as stored.
    EXPECT_EQ(ReadJpegSize(WriteTestJpeg(dir.file("a.jpg"), QSize(640, 480))).size, QSize(640, 480));
    EXPECT_EQ(ReadJpegSize(WriteTestJpeg(dir.file("b.jpg"), QSize(640, 480), {.orientation = 6})).size,
              QSize(480, 640));
    // The header of a cut-off file is whole, so its size is known.
    const JpegSizeResult truncated = ReadJpegSize(WriteTruncatedJpeg(dir.file("c.jpg"), QSize(400, 300)));
    EXPECT_TRUE(truncated.ok()) << truncated.error.toStdString();
    EXPECT_EQ(truncated.size, QSize(400, 300));
}

TEST(Jpeg, DecodesEveryColourLayoutAndProgressiveFiles) {
    TempDir dir;
    struct Case {
        const char* what;
        TestJpegOptions options;
        bool colour;
    } cases[] = {
        {"YCbCr", {}, true},
        {"progressive YCbCr", {.progressive = true}, true},
        {"grayscale", {.colour = TestJpegColour::Grayscale}, false},
        {"progressive grayscale", {.colour = TestJpegColour::Grayscale, .progressive = true}, false},
        {"Adobe CMYK", {.colour = TestJpegColour::AdobeCmyk}, true},
    };
    for (const Case& c : cases) {
        const QString path = WriteTestJpeg(dir.file(QString(c.what) + ".jpg"), QSize(96, 64), c.options);
        const JpegDecodeResult r = DecodeJpeg(path);
        ASSERT_TRUE(r.ok()) << c.what << ": " << r.error.toStdString();
        EXPECT_EQ(r.image.size(), QSize(96, 64)) << c.what;
        EXPECT_EQ(MarkedCorner(r.image), Corner::TopLeft) << c.what;
        if (!c.colour) continue;
        const QRgb mark = r.image.pixel(24, 16), rest = r.image.pixel(72, 48);
        EXPECT_GT(qRed(mark), 180) << c.what;
        EXPECT_LT(qBlue(mark), 70) << c.what;
        EXPECT_GT(qBlue(rest), 180) << c.what;
        EXPECT_LT(qRed(rest), 70) << c.what;
    }
}

TEST(Jpeg, BadFilesGiveAMessageNamingTheFile) {
    TempDir dir;
    const QString missing = dir.file("missing.jpg");
    const QString empty = dir.write("empty.jpg", {});
    const QString text = WriteNotAJpeg(dir.file("text.jpg"));
    const QString truncated = WriteTruncatedJpeg(dir.file("truncated.jpg"));
    const QString garbage = dir.write("garbage.jpg", QByteArray("\xFF\xD8\xFF\xE0", 4) + QByteArray(500, '\x7F'));
    QByteArray badHeader = TestJpegBytes(QSize(64, 48));
    badHeader.replace(QByteArray("\xFF\xC0", 2), QByteArray("\xFF\xC7", 2));  // a frame type nobody reads
    const QString unsupported = dir.write("unsupported.jpg", badHeader);
    struct Case {
        QString path;
        const char* startsWith;  // empty: any message
        bool headerFails;
    } cases[] = {
        {missing, "无法打开图片文件：", true},
        {empty, "图片文件是空的：", true},
        {text, "不是JPG图片文件：", true},
        {truncated, "JPG图片文件不完整：", false},
        {garbage, "", true},
        {unsupported, "", true},
    };
    for (const Case& c : cases) {
        const std::string name = c.path.toStdString();
        const JpegDecodeResult decoded = DecodeJpeg(c.path, QSize(10, 10));
        EXPECT_FALSE(decoded.ok()) << name;
        EXPECT_TRUE(decoded.image.isNull()) << name;
        EXPECT_TRUE(decoded.error.startsWith(QString::fromUtf8(c.startsWith))) << decoded.error.toStdString();
        EXPECT_TRUE(decoded.error.endsWith(QDir::toNativeSeparators(c.path))) << decoded.error.toStdString();
        const JpegSizeResult size = ReadJpegSize(c.path);
        EXPECT_EQ(size.ok(), !c.headerFails) << name;
        EXPECT_EQ(size.size.isEmpty(), c.headerFails) << name;
    }
}

TEST(Jpeg, WritesAPictureThatReadsBack) {
    TempDir dir;
    QImage image(80, 40, QImage::Format_ARGB32);
    image.fill(qRgb(0, 200, 0));
    for (int y = 0; y < 40; ++y)
        for (int x = 40; x < 80; ++x) image.setPixel(x, y, qRgb(250, 250, 250));
    const QString path = dir.file("out.jpg");
    ASSERT_TRUE(WriteJpeg(image, path).ok());
    const JpegDecodeResult r = DecodeJpeg(path);
    ASSERT_TRUE(r.ok()) << r.error.toStdString();
    ASSERT_EQ(r.image.size(), QSize(80, 40));
    EXPECT_NEAR(qGreen(r.image.pixel(10, 20)), 200, 12);
    EXPECT_LT(qRed(r.image.pixel(10, 20)), 20);
    EXPECT_GT(qRed(r.image.pixel(70, 20)), 235);

    // Replacing a file, and quality changing the size of what is written.
    ASSERT_TRUE(WriteJpeg(image, path, 10).ok());
    const qint64 small = QFileInfo(path).size();
    ASSERT_TRUE(WriteJpeg(image, path, 100).ok());
    EXPECT_LT(small, QFileInfo(path).size());
}

TEST(Jpeg, WritingFailsWithAMessage) {
    TempDir dir;
    const QString noFolder = dir.file("no/such/folder/out.jpg");
    const JpegWriteResult r = WriteJpeg(QImage(8, 8, QImage::Format_RGB32), noFolder);
    EXPECT_FALSE(r.ok());
    EXPECT_TRUE(r.error.startsWith(QString::fromUtf8("无法写入图片文件："))) << r.error.toStdString();
    EXPECT_FALSE(WriteJpeg(QImage(), dir.file("null.jpg")).ok());
    EXPECT_FALSE(QFileInfo::exists(dir.file("null.jpg")));
}

}  // namespace
