#include "platform/Exif.h"

#include <gtest/gtest.h>

#include "tests/support/TempDir.h"
#include "tests/support/TestJpeg.h"

namespace {

TEST(Exif, ReadsTheOrientationInEitherByteOrder) {
    TempDir dir;
    for (int orientation = 1; orientation <= 8; ++orientation) {
        for (bool bigEndian : {false, true}) {
            const QString path = WriteTestJpeg(dir.file(QString("%1-%2.jpg").arg(orientation).arg(bigEndian)),
                                               QSize(32, 16), {.orientation = orientation, .bigEndianExif = bigEndian});
            EXPECT_EQ(ReadExifOrientation(path), orientation) << (bigEndian ? "MM " : "II ") << orientation;
        }
    }
}

TEST(Exif, AnswersOneWhenThereIsNoUsableOrientation) {
    TempDir dir;
    EXPECT_EQ(ReadExifOrientation(WriteTestJpeg(dir.file("plain.jpg"), QSize(32, 16))), 1);
    EXPECT_EQ(ReadExifOrientation(WriteTestJpeg(dir.file("nine.jpg"), QSize(32, 16), {.orientation = 9})), 1);
    EXPECT_EQ(ReadExifOrientation(WriteNotAJpeg(dir.file("text.jpg"))), 1);
    EXPECT_EQ(ReadExifOrientation(WriteTruncatedJpeg(dir.file("cut.jpg"))), 1);
    EXPECT_EQ(ReadExifOrientation(dir.file("missing.jpg")), 1);
    EXPECT_EQ(ReadExifOrientation(dir.write("empty.jpg", {})), 1);
}

TEST(Exif, EveryOrientationComesOutUpright) {
    TempDir dir;
    const QSize upright(64, 40);
    for (int orientation = 1; orientation <= 8; ++orientation) {
        const QString path = WriteTestJpeg(dir.file(QString("%1.jpg").arg(orientation)), upright,
                                           {.orientation = orientation});
        const QSize stored = ReadJpegSize(path).size;
        EXPECT_EQ(UprightSize(stored, orientation), upright) << orientation;
        const JpegDecodeResult r = DecodeJpegUpright(path);
        ASSERT_TRUE(r.ok()) << r.error.toStdString();
        EXPECT_EQ(r.image.size(), upright) << orientation;
        EXPECT_EQ(MarkedCorner(r.image), Corner::TopLeft) << "orientation " << orientation;
    }
}

TEST(Exif, TheUprightMinimumIsTurnedBeforeTheScaleIsChosen) {
    TempDir dir;
    // A portrait photo stored on its side: 4000 x 3000 in the file, 3000 x 4000 upright.
    const QString path = WriteTestJpeg(dir.file("side.jpg"), QSize(3000, 4000), {.orientation = 6});
    // 300 x 480 upright is 480 x 300 stored, which 1/8 (500 x 375) covers; taken unturned
    // it would need 2/8.
    const JpegDecodeResult r = DecodeJpegUpright(path, QSize(300, 480));
    ASSERT_TRUE(r.ok()) << r.error.toStdString();
    EXPECT_EQ(r.image.size(), QSize(375, 500));
    EXPECT_EQ(MarkedCorner(r.image), Corner::TopLeft);
}

TEST(Exif, BadFilesFailAsDecodingDoes) {
    TempDir dir;
    const JpegDecodeResult r = DecodeJpegUpright(WriteTruncatedJpeg(dir.file("cut.jpg")), QSize(10, 10));
    EXPECT_FALSE(r.ok());
    EXPECT_TRUE(r.image.isNull());
}

}  // namespace
