#include "platform/Thumbnails.h"

#include <QFile>
#include <gtest/gtest.h>

#include "tests/support/TempDir.h"
#include "tests/support/TestJpeg.h"

TEST(ThumbnailMaker, DeliversPhotosUprightAtTheWantedSize) {
    TempDir dir;
    ThumbnailMaker maker;
    for (int orientation : {1, 3, 6, 8}) {
        const QString path = WriteTestJpeg(dir.file(QString("o%1.jpg").arg(orientation)),
                                           QSize(640, 480), {.orientation = orientation});
        const Thumbnail t = maker.make(path, QSize(160, 120));
        EXPECT_FALSE(t.isIcon) << orientation;
        EXPECT_EQ(t.image.size(), QSize(160, 120)) << orientation;
        EXPECT_EQ(MarkedCorner(t.image), Corner::TopLeft) << "orientation " << orientation;
    }
}

TEST(ThumbnailMaker, GivesTheIconForFilesItCannotDecode) {
    TempDir dir;
    ThumbnailMaker maker;
    for (const QString& path : {WriteTruncatedJpeg(dir.file("cut.jpg")),
                                WriteNotAJpeg(dir.file("text.jpg")), dir.file("missing.jpg")}) {
        const Thumbnail t = maker.make(path, QSize(118, 96));
        EXPECT_TRUE(t.isIcon) << path.toStdString();
        EXPECT_FALSE(t.error.isEmpty()) << path.toStdString();
        ASSERT_EQ(t.image.size(), QSize(118, 96));
        // Something is drawn: a caller waiting for a picture sees one.
        EXPECT_NE(t.image.pixel(59, 48), t.image.pixel(0, 0)) << path.toStdString();
    }
}

TEST(ThumbnailMaker, ServesSmallerPicturesFromAKeptDecode) {
    TempDir dir;
    const QString path = WriteTestJpeg(dir.file("p.jpg"), QSize(1600, 1200));
    ThumbnailMaker maker;
    maker.make(path, QSize(800, 600));
    maker.make(path, QSize(300, 225));
    maker.make(path, QSize(800, 600));
    EXPECT_EQ(maker.decodeCount(), 1);
    // A larger picture than the kept one needs a new decode.
    maker.make(path, QSize(1600, 1200));
    EXPECT_EQ(maker.decodeCount(), 2);
    // A changed file (here: another size on disk) is decoded again.
    WriteTestJpeg(path, QSize(800, 600), {.orientation = 3});
    const Thumbnail t = maker.make(path, QSize(400, 300));
    EXPECT_EQ(maker.decodeCount(), 3);
    EXPECT_EQ(MarkedCorner(t.image), Corner::TopLeft);
}
