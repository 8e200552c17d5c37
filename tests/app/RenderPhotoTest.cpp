// The photo renderer: pictures arrive upright at the wanted size through the posted
// request, files that cannot be decoded yield their icon and end the wait, the number
// overlay, and the root-folder rule of the path it is handed.

#include <QLabel>
#include <QPainter>

#include "app/MainForm.h"
#include "app/RenderPhoto.h"
#include "tests/app/ProgramFixture.h"
#include "tests/support/TestJpeg.h"

namespace {
class Renderer : public ProgramFixture {
protected:
    void SetUp() override {
        ProgramFixture::SetUp();
        program_ = std::make_unique<Program>();  // the windows, not started
    }
    MainForm& renderer() { return *Windows::get<MainForm>(); }
};

bool IsWhite(QRgb pixel) { return qRed(pixel) > 240 && qGreen(pixel) > 240 && qBlue(pixel) > 240; }
}  // namespace

TEST_F(Renderer, PhotosArriveUprightForEveryCameraOrientation) {
    for (int orientation : {1, 3, 6, 8}) {
        const QString path = WriteTestJpeg(file(QString("o%1.jpg").arg(orientation)), QSize(400, 300),
                                           {.orientation = orientation});
        const RenderedPhoto photo = RenderPhoto({path, QSize(200, 150), {0, 0}, {}, {}});
        EXPECT_FALSE(photo.isIcon) << orientation;
        EXPECT_FALSE(photo.timedOut) << orientation;
        EXPECT_EQ(photo.image.size(), QSize(200, 150)) << orientation;
        EXPECT_EQ(MarkedCorner(photo.image), Corner::TopLeft) << orientation;
    }
}

TEST_F(Renderer, FilesThatCannotBeDecodedYieldTheirIconAndEndTheWait) {
    const QStringList paths = {WriteTruncatedJpeg(file("cut.jpg")), WriteNotAJpeg(file("text.jpg")),
                               file("missing.jpg")};
    for (const QString& path : paths) {
        const RenderedPhoto photo = RenderPhoto({path, QSize(118, 96), {0, 0}, {}, {}});
        EXPECT_TRUE(photo.isIcon) << path.toStdString();
        EXPECT_FALSE(photo.timedOut) << path.toStdString();
        EXPECT_FALSE(photo.error.isEmpty()) << path.toStdString();
        EXPECT_EQ(photo.image.size(), QSize(118, 96));
        EXPECT_TRUE(renderer().hasPicture());
    }
    // The next photo renders as usual.
    const QString good = WriteTestJpeg(file("good.jpg"), QSize(400, 300));
    EXPECT_FALSE(RenderPhoto({good, QSize(100, 75), {0, 0}, {}, {}}).isIcon);
}

TEST_F(Renderer, TheCellLayoutLeavesAWhiteMarginAndTheNumberOverlaySitsOnThePicture) {
    const QString path = WriteTestJpeg(file("p.jpg"), QSize(400, 300), {.orientation = 6});
    RenderPhotoRequest cell{path, QSize(112, 84), QPoint(3, 3), QSize(118, 90), QSize(300, 400)};
    const RenderedPhoto plain = RenderPhoto(cell);
    ASSERT_EQ(plain.image.size(), QSize(118, 90));
    EXPECT_TRUE(IsWhite(plain.image.pixel(1, 1)));
    EXPECT_TRUE(IsWhite(plain.image.pixel(116, 88)));
    EXPECT_EQ(MarkedCorner(plain.image.copy(3, 3, 112, 84)), Corner::TopLeft);
    EXPECT_EQ(renderer().field("Edit_Width_load"), "300");
    EXPECT_EQ(renderer().field("Edit_height_load"), "400");

    renderer().showNumber("7");
    const RenderedPhoto numbered = RenderPhoto(cell);
    const QRgb overlay = numbered.image.pixel(6, 20);  // inside the yellow box, beside the text
    EXPECT_GT(qRed(overlay), 200);
    EXPECT_GT(qGreen(overlay), 200);
    EXPECT_LT(qBlue(overlay), 80);
    renderer().hideNumber();
    EXPECT_EQ(RenderPhoto(cell).image, plain.image);
}

TEST_F(Renderer, ARepeatedRenderIsServedFromTheKeptDecode) {
    const QString path = WriteTestJpeg(file("big.jpg"), QSize(1600, 1200));
    RenderPhoto(path, QSize(800, 600));
    const int decodes = renderer().thumbnails().decodeCount();
    RenderPhoto(path, QSize(400, 300));
    RenderPhoto(path, QSize(800, 600));
    EXPECT_EQ(renderer().thumbnails().decodeCount(), decodes);
}

TEST(RendererPath, APhotoInARootFolderKeepsItsFolderWhenSplit) {
    struct Case {
        QString path, handedOver, folder, file;
    };
    const QList<Case> cases = {
        {"/a.jpg", "//a.jpg", "/", "a.jpg"},
        {"/home/p/a.jpg", "/home/p/a.jpg", "/home/p", "a.jpg"},
        {"a.jpg", "a.jpg", "", "a.jpg"},
#ifdef Q_OS_WIN
        {"C:\\a.jpg", "C:\\\\a.jpg", "C:\\", "a.jpg"},
        {"C:/a.jpg", "C://a.jpg", "C:/", "a.jpg"},
        {"D:\\相册\\海边.jpg", "D:\\相册\\海边.jpg", "D:\\相册", "海边.jpg"},
#else
        // "\" is an ordinary character of a name: the path is split at "/" only.
        {"/home/p/back\\slash.jpg", "/home/p/back\\slash.jpg", "/home/p", "back\\slash.jpg"},
        {"/back\\slash.jpg", "//back\\slash.jpg", "/", "back\\slash.jpg"},
        {"/p\\q/a.jpg", "/p\\q/a.jpg", "/p\\q", "a.jpg"},
        {"C:\\a.jpg", "C:\\a.jpg", "", "C:\\a.jpg"},
#endif
    };
    for (const Case& c : cases) {
        const QString handed = RendererPath(c.path);
        EXPECT_EQ(handed, c.handedOver) << c.path.toStdString();
        const PhotoPathParts parts = SplitRendererPath(handed);
        EXPECT_EQ(parts.folder, c.folder) << c.path.toStdString();
        EXPECT_EQ(parts.fileName, c.file) << c.path.toStdString();
    }
    EXPECT_EQ(JoinPhotoPath(SplitRendererPath(RendererPath("/a.jpg"))), "/a.jpg");
    EXPECT_EQ(JoinPhotoPath(SplitRendererPath(RendererPath("/home/p/a.jpg"))), "/home/p/a.jpg");
    // Without the rule the root's separator is lost and the file would be looked for in
    // the working folder.
    EXPECT_EQ(JoinPhotoPath(SplitRendererPath("/a.jpg")), "a.jpg");
}
