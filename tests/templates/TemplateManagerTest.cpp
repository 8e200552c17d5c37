// The template manager's rules: tiles and their layout, thumbnails, the drop check, the
// drag box, the template preview's placeholders and the windows' counts.

#include "templates/TemplateManager.h"

#include <gtest/gtest.h>

#include "templates/Form19Pictures.h"

TEST(TemplateManagerTiles, FivePhotosInTheStripFillARowOfFourAndStartASecond) {
    const QSize tile = TileSize(kDesignedPhotoCell);
    EXPECT_EQ(tile, QSize(128, 106));
    EXPECT_EQ(TilesPerRow(kPhotoStripSize.width(), tile), 4);
    const QPoint expected[] = {{10, 10}, {153, 10}, {296, 10}, {439, 10}, {10, 136}};
    for (int i = 0; i < 5; ++i) EXPECT_EQ(TilePosition(i, kPhotoStripSize.width(), tile), expected[i]) << i;
    // The second row's tile with its label under it, and the margin.
    EXPECT_EQ(TilesHeight(5, kPhotoStripSize.width(), tile), 136 + 106 + 25 + 10);
    EXPECT_EQ(TilesHeight(0, kPhotoStripSize.width(), tile), 0);
    // An area narrower than a tile still holds one per row.
    EXPECT_EQ(TilePosition(1, 100, tile), QPoint(10, 136));
}

TEST(TemplateManagerTiles, NamesCarryTheirNumberAndOnlyTheirOwnPrefixReadsBack) {
    EXPECT_EQ(PhotoTileName(4), "Imagem_4");
    EXPECT_EQ(PhotoLabelName(4), "Label_4");
    EXPECT_EQ(FrameTileName(2), "Imagem_k2");
    EXPECT_EQ(FrameLabelName(2), "Label_k2");
    EXPECT_EQ(PhotoTileNumber("Imagem_12"), 12);
    EXPECT_EQ(FrameTileNumber("Imagem_k12"), 12);
    // A frame tile is no photo tile, and names that carry no plain number read -1.
    for (const char* name : {"Imagem_k3", "Imagem_", "Imagem_3a", "Imagem_-1", "Label_3"})
        EXPECT_EQ(PhotoTileNumber(name), -1) << name;
    EXPECT_EQ(FrameTileNumber("Imagem_3"), -1);
}

TEST(TemplateManagerTiles, ThumbnailsFitTheCellLessSixKeepingTheirShape) {
    struct Case {
        QSize photo, thumbnail;
    } cases[] = {
        {{1600, 1200}, {112, 84}},  // horizontal, 112 wide
        {{1600, 900}, {112, 63}},
        {{1000, 1000}, {90, 90}},   // square: 112 high would be too tall
        {{1200, 1600}, {67, 90}},   // vertical, 90 high
        {{4000, 1000}, {112, 28}},
        {{1000, 4000}, {22, 90}},
        {{0, 0}, {}},               // no size, no picture
    };
    for (const Case& c : cases) EXPECT_EQ(ThumbnailSize(c.photo), c.thumbnail) << c.photo.width() << "x" << c.photo.height();
    EXPECT_EQ(ThumbnailPicture({112, 84}), QRect(3, 3, 112, 84));
    EXPECT_EQ(ThumbnailPanel({112, 84}), QSize(118, 90));
    EXPECT_EQ(PhotoNumberText(0), "〔1〕");
    EXPECT_EQ(PhotoTileHint(4, "海边"), "第5张, 照片名称: 海边");
}

TEST(TemplateManagerDrop, AFrameTakesOnlyPhotosOfItsKindASquareOneCountingAsHorizontal) {
    struct Case {
        QSize photo;
        const char* kind;
        const char* refusal;
    } cases[] = {
        {{600, 800}, "heng", "此处需要一张横照片！"},
        {{800, 600}, "shu", "此处需要一张竖照片！"},
        {{800, 600}, "heng", ""},
        {{600, 800}, "shu", ""},
        {{700, 700}, "heng", ""},
        {{700, 700}, "shu", "此处需要一张竖照片！"},
    };
    for (const Case& c : cases) EXPECT_EQ(DropRefusal(c.photo, c.kind), c.refusal) << c.kind;
    // Horizontal frames come first.
    EXPECT_EQ(FrameKind(0, 2), "heng");
    EXPECT_EQ(FrameKind(1, 2), "heng");
    EXPECT_EQ(FrameKind(2, 2), "shu");
    EXPECT_EQ(FrameCardSize("heng"), QSize(89, 54));
    EXPECT_EQ(FrameCardSize("shu"), QSize(54, 89));
}

TEST(TemplateManagerDrop, TheDragBoxIsCentredOnTheMouseAndKeptInsideTheStrip) {
    const QRect strip(400, 302, 593, 289);  // right 993, bottom 591
    struct Case {
        QPoint mouse, box;
    } cases[] = {
        {{600, 450}, {548, 398}},  // centred
        {{420, 450}, {420, 398}},  // left edge at the strip's: 20 in
        {{600, 320}, {548, 322}},  // top at the strip's: 20 in
        {{980, 450}, {848, 398}},  // past the right: right - 105 - 40
        {{600, 580}, {548, 466}},  // past the bottom: bottom - 105 - 20
    };
    for (const Case& c : cases) EXPECT_EQ(DragBoxPosition(c.mouse, strip), c.box) << c.mouse.x() << "," << c.mouse.y();
}

TEST(TemplateManagerAlbum, CountsATemplatesEmptySlotsAndAPhotosTemplates) {
    ManagerAlbum album;
    auto slot = [&](int usedRow, int number, int photo) {
        ManagerSlot s;
        s.row = int(album.slotList.size());
        s.usedRow = usedRow;
        s.slotNumber = number;
        s.photoRow = photo;
        s.matched = photo >= 0;
        album.slotList.append(s);
    };
    slot(0, 0, 2);
    slot(0, 1, -1);
    slot(0, 2, -1);
    slot(1, 0, 2);
    slot(2, 0, 2);
    EXPECT_EQ(UnmatchedSlotCount(album, 0), 2);
    EXPECT_EQ(UnmatchedSlotCount(album, 1), 0);
    EXPECT_EQ(SlotsOfTemplate(album, 0).size(), 3);
    const QVector<ManagerSlot> photoTwo = AssignmentsOfPhoto(album, 2);
    ASSERT_EQ(photoTwo.size(), 3);
    EXPECT_EQ(photoTwo[1].row, 3);
    EXPECT_TRUE(AssignmentsOfPhoto(album, -1).isEmpty());
    EXPECT_EQ(UnmatchedSlotsMessage(2), "选中的模板文件,照片与此模板还有 2 处没有完成匹配！");
    EXPECT_EQ(PhotoTemplatesLabel(3), "此张照片用在 3 个模板文件中,选择下面一项后,点确定按钮,开始预览效果");
}

TEST(TemplatePreviewPictures, PlaceholdersAreScaledFromTheFrameToThePreviewArea) {
    const QSize area(640, 360);
    struct Case {
        const char* category;
        QSize item;
        PhotoDisplay display;
        QSize box;
    } cases[] = {
        {"横照模板", {800, 450}, PhotoDisplay::Full, {640, 360}},  // the whole frame, whatever the item
        {"横照模板", {800, 450}, PhotoDisplay::Fit, {540, 360}},   // 1620 x 1080
        {"竖照模板", {720, 1080}, PhotoDisplay::Full, {360, 640}}, // 1080 x 1920 whatever the item
        {"综合模板", {960, 540}, PhotoDisplay::Full, {320, 180}},  // the item's own size
        {"综合模板", {960, 540}, PhotoDisplay::Fit, {320, 180}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(PlaceholderSize(c.category, c.item, c.display, area), c.box) << c.category;
}
