#include "templates/PreviewFolders.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <gtest/gtest.h>

#include "platform/LottieMovie.h"
#include "platform/MoviePictures.h"
#include "templates/Container.h"
#include "templates/LibraryFolders.h"
#include "tests/support/TempDir.h"
#include "tests/support/TestLibrary.h"

namespace {

PreviewSlot Slot(QSize photo, QRect full = {}, QRect fit = {}, QSize slotSize = {}) {
    PreviewSlot slot;
    slot.picture = "xp_1";
    slot.photoPath = "/photos/a.jpg";
    slot.photoSize = photo;
    slot.full = full;
    slot.fit = fit;
    slot.slotSize = slotSize;
    return slot;
}

TEST(PreviewRules, FitModeKeepsTheWholePhotoInTheFrame) {
    const struct {
        QSize photo, fitted;
    } cases[] = {
        {{1600, 900}, {1920, 1080}},
        {{1000, 400}, {1920, 768}},
        {{1500, 1500}, {1080, 1080}},
        {{1200, 1000}, {1296, 1080}},  // 1920 x 1600 would be too high
        {{600, 800}, {810, 1080}},     // a portrait photo stands as high as the frame
    };
    for (const auto& c : cases) EXPECT_EQ(FitModeSize(c.photo), c.fitted) << c.photo.width() << "x" << c.photo.height();
}

TEST(PreviewRules, SlotPicturePlacementPerCategoryAndMode) {
    const PreviewSlot slot = Slot({1600, 900}, QRect(-10, 20, 900, 500), QRect(30, 0, 660, 1080), {800, 450});
    const struct {
        QString category;
        PhotoDisplay display;
        PanelPlacement expected;
    } cases[] = {
        {kAdvancedCategory, PhotoDisplay::Full, {{800, 450}, QRect(-10, 20, 900, 500)}},
        {kAdvancedCategory, PhotoDisplay::Fit, {{800, 450}, QRect(-10, 20, 900, 500)}},
        // The crop was made in the slot's own 800 x 450 box.
        {kHorizontalCategory, PhotoDisplay::Full, {{800, 450}, QRect(-10, 20, 900, 500)}},
        {kHorizontalCategory, PhotoDisplay::Fit, {{1920, 1080}, QRect(0, 0, 1920, 1080)}},
        {kVerticalCategory, PhotoDisplay::Full, {{720, 1080}, QRect(30, 0, 660, 1080)}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SlotPicturePlacement(c.category, c.display, slot), c.expected) << c.category.toStdString();
    // A slot of width 0 stands for the whole frame.
    const PreviewSlot whole = Slot({1600, 900}, QRect(0, 0, 1920, 1080), QRect(0, 0, 1920, 1080), {0, 0});
    EXPECT_EQ(SlotPicturePlacement(kHorizontalCategory, PhotoDisplay::Full, whole),
              (PanelPlacement{{1920, 1080}, QRect(0, 0, 1920, 1080)}));
}

TEST(PreviewRules, ItemDisplaySizeScalesFromTheFrameToTheArea) {
    const struct {
        QString category;
        PhotoDisplay display;
        QSize panel, item, area, expected;
    } cases[] = {
        {kAdvancedCategory, PhotoDisplay::Full, {800, 450}, {960, 540}, {800, 450}, {400, 225}},
        {kAdvancedCategory, PhotoDisplay::Full, {800, 450}, {960, 540}, {1280, 720}, {640, 360}},
        {kHorizontalCategory, PhotoDisplay::Full, {1920, 1080}, {1920, 1080}, {800, 450}, {800, 450}},
        {kHorizontalCategory, PhotoDisplay::Full, {1440, 810}, {1440, 810}, {800, 450}, {600, 337}},
        {kHorizontalCategory, PhotoDisplay::Full, {1920, 1080}, {0, 0}, {800, 450}, {800, 450}},
        {kHorizontalCategory, PhotoDisplay::Fit, {1920, 768}, {1920, 1080}, {800, 450}, {800, 320}},
        {kVerticalCategory, PhotoDisplay::Full, {720, 1080}, {720, 1080}, {800, 450}, {300, 450}},
        {kVerticalCategory, PhotoDisplay::Full, {720, 1080}, {720, 1080}, {1280, 720}, {480, 720}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ItemDisplaySize(c.category, c.display, c.panel, c.item, c.area), c.expected)
            << c.category.toStdString() << " " << c.area.width();
}

TEST(PreviewRules, BackgroundCoversTheAreaFromTheTop) {
    const struct {
        QSize photo, area;
        QRect picture;
    } cases[] = {
        {{1024, 768}, {800, 450}, QRect(0, 0, 800, 600)},      // the lower 150 rows are cut
        {{1600, 600}, {800, 450}, QRect(-200, 0, 1200, 450)},  // centred across
        {{1920, 1080}, {1280, 720}, QRect(0, 0, 1280, 720)},
    };
    for (const auto& c : cases) {
        const PanelPlacement placement = BackgroundPlacement(c.photo, c.area);
        EXPECT_EQ(placement.panel, c.area);
        EXPECT_EQ(placement.picture, c.picture);
    }
}

TEST(PreviewRules, AnItemIsFedByTheLastSlotWhoseNameItContains) {
    QVector<PreviewSlot> slotList(3);
    slotList[0].picture = "xp_1";
    slotList[1].picture = "xp_2";
    slotList[2].picture = "xp_1";
    EXPECT_EQ(ItemSourceSlot(slotList, "xp_1_bj"), 2);
    EXPECT_EQ(ItemSourceSlot(slotList, "xp_2"), 1);
    EXPECT_EQ(ItemSourceSlot(slotList, "xp_9"), -1);
}

// ---- The builder over the test library, with a painter that records its calls.

struct PaintCall {
    QString path;
    PanelPlacement placement;
};

class PreviewBuilder : public testing::Test {
protected:
    // One library for the suite; every build wipes the folders it writes.
    static void SetUpTestSuite() {
        dir_ = new TempDir;
        library_ = BuildTestLibrary(dir_->path());
    }
    static void TearDownTestSuite() {
        delete dir_;
        dir_ = nullptr;
    }
    void SetUp() override {
        ASSERT_TRUE(library_.ok) << library_.error.toStdString();
        SetProgramFolder(dir_->path());
    }
    void TearDown() override { SetProgramFolder({}); }

    // The painter: a white panel with the picture's place filled red; photos whose path
    // holds "missing" cannot be drawn.
    PhotoPainter painter() {
        return [this](const QString& path, QSize, const PanelPlacement& placement) -> PaintedPhoto {
            calls_.append({path, placement});
            if (path.contains("missing")) return {{}, true};
            QImage image(placement.panel, QImage::Format_RGB32);
            image.fill(Qt::white);
            for (int y = qMax(0, placement.picture.top()); y <= qMin(image.height() - 1, placement.picture.bottom()); ++y)
                for (int x = qMax(0, placement.picture.left()); x <= qMin(image.width() - 1, placement.picture.right()); ++x)
                    image.setPixel(x, y, qRgb(255, 0, 0));
            return {image, false};
        };
    }

    // Test library template `index` as a used template with every slot holding `photo`.
    PreviewTemplate used(int index, bool complete, const QString& photo = "/photos/a.jpg") {
        const databuild::TemplateSource& source = library_.templates[index];
        PreviewTemplate t;
        t.complete = complete;
        t.category = index == 3 ? kAdvancedCategory : index == 1 ? kVerticalCategory : kHorizontalCategory;
        t.movieContainer = library_.files.movieContainers[index];
        for (const databuild::Picture& p : source.pictures) {
            t.items << p.name;
            t.widths << QString::number(p.box().width());
            t.heights << QString::number(p.box().height());
            if (p.name.count('_') != 1) continue;  // an item, not a slot
            PreviewSlot slot = Slot({1600, 900}, QRect({0, 0}, p.box()), QRect(QPoint(0, 0), p.box()), p.box());
            slot.picture = p.name;
            slot.photoPath = photo;
            t.slotList.append(slot);
        }
        return t;
    }

    static QSize JpegSize(const QString& path) { return QImageReader(path).size(); }

    static inline TempDir* dir_ = nullptr;
    static inline TestLibrary library_;
    QList<PaintCall> calls_;
};

TEST_F(PreviewBuilder, BuildsAFolderPerCompletedTemplateAndSkipsTheIncompleteOne) {
    PreviewAlbum album;
    album.templates = {used(0, true), used(3, false), used(3, true)};
    QDir().mkpath(PreviewLayout::TemplateFolder(7));  // a folder of an earlier build
    QDir().mkpath(PreviewLayout::PictureFolder());
    QFile stale(PreviewLayout::HandOverPicture());
    ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
    stale.close();
    int steps = 0;
    PreviewBuildOptions options;
    options.step = [&steps] { ++steps; };

    const PreviewBuildResult result = BuildPreviewFolders(album, options, painter());

    ASSERT_TRUE(result.ok) << result.error.toStdString();
    EXPECT_EQ(result.completedRows, (QList<int>{0, 2}));
    EXPECT_TRUE(QFile::exists(PreviewLayout::TemplateMovie(1, ".rar")));
    EXPECT_FALSE(QDir(PreviewLayout::TemplateFolder(2)).exists());
    EXPECT_TRUE(QFile::exists(PreviewLayout::TemplateMovie(3, ".rar")));
    EXPECT_FALSE(QDir(PreviewLayout::TemplateFolder(7)).exists());
    EXPECT_TRUE(QFile::exists(PreviewLayout::ClosingMovie(".rar")));
    EXPECT_TRUE(QDir(PreviewLayout::PictureFolder()).exists());
    EXPECT_FALSE(QFile::exists(PreviewLayout::HandOverPicture()));
    EXPECT_EQ(steps, 3 + 3 + 2);
    EXPECT_TRUE(result.unreadablePhotos.isEmpty());
    // The unwrapping left no transient picture behind.
    for (int n : {1, 3})
        for (const QString& name : QDir(PreviewLayout::TemplateFolder(n)).entryList(QDir::Files))
            EXPECT_FALSE(name.endsWith(".bmp")) << name.toStdString();
}

// Every picture a movie names is there after the build, at the size the movie declares
// for it scaled to the target area, for the preview area and for an output frame alike.
TEST_F(PreviewBuilder, EveryPictureTheMovieNamesIsWrittenAtItsBoxScaledToTheArea) {
    for (const QSize area : {QSize(800, 450), QSize(1280, 720)}) {
        PreviewAlbum album;
        album.templates = {used(0, true), used(1, true), used(3, true)};
        album.templates[0].backgroundPath = "/photos/bg.jpg";
        album.templates[0].backgroundSize = {1024, 768};
        album.hasBackgrounds = true;
        PreviewBuildOptions options;
        options.area = area;
        const PreviewBuildResult result = BuildPreviewFolders(album, options, painter());
        ASSERT_TRUE(result.ok) << result.error.toStdString();

        for (int n = 1; n <= 3; ++n) {
            const auto movie = LottieMovie::parse(ReadBytes(PreviewLayout::TemplateMovie(n, ".rar")));
            ASSERT_TRUE(movie.has_value());
            for (const MoviePicture& picture : movie->pictures()) {
                if (picture.fileName == kHandOverPicture) continue;
                const QString path = PreviewLayout::TemplateFolder(n) + "/" + picture.fileName;
                ASSERT_TRUE(QFile::exists(path)) << path.toStdString();
                QSize expected(picture.box.width() * area.width() / 1920, picture.box.height() * area.height() / 1080);
                if (picture.fileName == "wj_y_l_b_j.jpg") expected = area;
                EXPECT_EQ(JpegSize(path), expected) << path.toStdString() << " in " << area.width();
            }
        }
    }
}

// A single landscape template whose slot is smaller than the frame: the crop was made in
// the slot's own box, so the photo fills the slot picture edge to edge.
TEST_F(PreviewBuilder, ASmallerLandscapeSlotIsFilledByItsCrop) {
    PreviewAlbum album;
    album.templates = {used(0, true)};
    PreviewTemplate& single = album.templates[0];
    single.widths = {"1440"};
    single.heights = {"810"};
    single.slotList[0].slotSize = {1440, 810};
    single.slotList[0].full = QRect(0, -45, 1440, 900);  // a 16:10 photo, moved up
    ASSERT_TRUE(BuildPreviewFolders(album, {}, painter()).ok);
    ASSERT_EQ(calls_.size(), 1);
    EXPECT_EQ(calls_[0].placement, (PanelPlacement{{1440, 810}, QRect(0, -45, 1440, 900)}));
    const QImage picture(PreviewLayout::TemplateFolder(1) + "/xp_1.jpg");
    ASSERT_EQ(picture.size(), QSize(600, 337));
    for (const QPoint corner : {QPoint(2, 2), QPoint(597, 2), QPoint(2, 334), QPoint(597, 334)})
        EXPECT_GT(picture.pixelColor(corner).red() - picture.pixelColor(corner).blue(), 100)
            << corner.x() << "," << corner.y();  // red, not the panel's white
}

TEST_F(PreviewBuilder, TheAdvancedItemWithoutASlotOfItsOwnShowsItsSlotsPhoto) {
    PreviewAlbum album;
    album.templates = {used(3, true)};
    const PreviewBuildResult result = BuildPreviewFolders(album, {}, painter());
    ASSERT_TRUE(result.ok);
    // xp_1_bj is fed by xp_1: the red picture, not white.
    const QImage item(PreviewLayout::TemplateFolder(1) + "/xp_1_bj.jpg");
    ASSERT_EQ(item.size(), QSize(800, 450));
    EXPECT_GT(qRed(item.pixel(400, 225)), 200);
    EXPECT_LT(qGreen(item.pixel(400, 225)), 60);
}

TEST_F(PreviewBuilder, AnUnreadablePhotoLeavesItsSlotsWhiteAndIsNamedOnce) {
    PreviewAlbum album;
    album.templates = {used(3, true, "/photos/missing.jpg"), used(0, true)};
    const PreviewBuildResult result = BuildPreviewFolders(album, {}, painter());
    ASSERT_TRUE(result.ok);
    EXPECT_EQ(result.unreadablePhotos, QStringList{"/photos/missing.jpg"});
    EXPECT_TRUE(result.unreadableMessage().contains("/photos/missing.jpg"));
    const QImage white(PreviewLayout::TemplateFolder(1) + "/xp_2.jpg");
    ASSERT_FALSE(white.isNull());
    EXPECT_EQ(QColor(white.pixel(white.width() / 2, white.height() / 2)).lightness(), 255);
    EXPECT_TRUE(QFile::exists(PreviewLayout::TemplateFolder(2) + "/xp_1.jpg"));  // the build went on
}

TEST_F(PreviewBuilder, BackgroundsFollowTheBackgroundTable) {
    PreviewAlbum album;
    album.templates = {used(0, true), used(0, true)};
    album.templates[0].backgroundPath = "/photos/bg.jpg";
    album.templates[0].backgroundSize = {1024, 768};

    BuildPreviewFolders(album, {}, painter());
    EXPECT_FALSE(QFile::exists(PreviewLayout::TemplateBackground(1)));  // no table, no background

    calls_.clear();
    album.hasBackgrounds = true;
    BuildPreviewFolders(album, {}, painter());
    ASSERT_FALSE(calls_.isEmpty());
    EXPECT_EQ(calls_[0].path, "/photos/bg.jpg");
    EXPECT_EQ(calls_[0].placement, (PanelPlacement{{800, 450}, QRect(0, 0, 800, 600)}));
    const QImage black(PreviewLayout::TemplateBackground(2));
    ASSERT_EQ(black.size(), QSize(800, 450));
    EXPECT_LT(QColor(black.pixel(400, 225)).lightness(), 10);
}

TEST_F(PreviewBuilder, AContainerThatDoesNotUnwrapStopsTheBuildWithItsError) {
    PreviewAlbum album;
    album.templates = {used(0, true), used(0, true)};
    album.templates[1].movieContainer = dir_->write("broken.rar", QByteArray("\x40\x00\x00\x00not zlib", 12));
    const PreviewBuildResult result = BuildPreviewFolders(album, {}, painter());
    EXPECT_FALSE(result.ok);
    EXPECT_FALSE(result.error.isEmpty());
    EXPECT_TRUE(calls_.isEmpty());  // no picture was painted
}

}  // namespace
