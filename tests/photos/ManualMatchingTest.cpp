// Matching by hand: using a template without photos, putting photos into its slots,
// deleting one used template or all of them.

#include "photos/ManualMatching.h"

#include <gtest/gtest.h>

#include "photos/Backgrounds.h"
#include "photos/Crop.h"
#include "photos/PhotoTable.h"
#include "photos/SlotTable.h"
#include "tests/photos/AlbumFixture.h"

namespace {

// A template with two horizontal places (800 x 450) and one vertical (400 x 600), and the
// template-list row that lists it.
int AddMixedTemplate(AlbumFixture& f, const QString& name) {
    const int index = f.AddTemplate({name, "gaojimoban", {"heng", "heng", "shu"}, {"xp_1", "xp_2", "xp_3"},
                                     {"800", "800", "400"}, {"450", "450", "600"}});
    return f.templateList.findRow(0, QString::number(index));
}

QString Matched(const AlbumFixture& f, int usedRow) {
    return f.usedTemplates.cell(usedRow, UsedTemplateColumn::kMatched);
}

std::vector<int> SlotUsedRows(const AlbumFixture& f) {
    std::vector<int> rows;
    for (int s = 0; s < f.slotTable.rowCount(); ++s) rows.push_back(SlotUsedRow(f.slotTable, s));
    return rows;
}

}  // namespace

TEST(ManualMatching, AUsedTemplateGetsNamedSizedEmptySlotsAndWaitsForPhotos) {
    AlbumFixture f;
    const int row = AddMixedTemplate(f, "G");
    f.AddPhoto("h", 1600, 900);
    f.AddPhoto("v", 900, 1600);

    ASSERT_TRUE(UseTemplateByHand(f.library(), f.album(), row, FixedPicks({0})));

    ASSERT_EQ(f.usedTemplates.rowCount(), 1);
    EXPECT_EQ(f.usedTemplates.cell(0, UsedTemplateColumn::kName), "G");
    EXPECT_EQ(Matched(f, 0), kTemplateIncomplete);
    EXPECT_EQ(f.usedTemplates.cell(0, UsedTemplateColumn::kNumber), "1");
    ASSERT_EQ(f.slotTable.rowCount(), 3);
    const char* pictures[] = {"xp_1", "xp_2", "xp_3"};
    for (int s = 0; s < 3; ++s) {
        EXPECT_EQ(SlotPicture(f.slotTable, s), pictures[s]);
        EXPECT_EQ(f.slotTable.cell(s, SlotColumn::kSlotNumber), QString::number(s));
        EXPECT_TRUE(f.slotTable.cell(s, SlotColumn::kMatchState).isEmpty());
        EXPECT_EQ(SlotPhotoRow(f.slotTable, s), -1);
    }
    EXPECT_EQ(SlotWidth(f.slotTable, 2), 400);
    EXPECT_TRUE(SlotIsVertical(f.slotTable, 2));
    // No photo was placed; the background row has the album's horizontal photo.
    EXPECT_FALSE(PhotoIsPlaced(f.photos, 0));
    EXPECT_FALSE(PhotoIsPlaced(f.photos, 1));
    ASSERT_EQ(f.backgrounds.rowCount(), 1);
    EXPECT_EQ(BackgroundPictureName(f.backgrounds, 0), "h");

    // A row that is not there changes nothing.
    EXPECT_FALSE(UseTemplateByHand(f.library(), f.album(), f.templateList.rowCount(), FixedPicks({0})));
    EXPECT_EQ(f.usedTemplates.rowCount(), 1);
    EXPECT_EQ(f.slotTable.rowCount(), 3);
}

TEST(ManualMatching, FillingTheLastEmptySlotCompletesTheTemplate) {
    AlbumFixture f;
    const int row = AddMixedTemplate(f, "G");
    const int h1 = f.AddPhoto("h1", 1600, 900);
    const int h2 = f.AddPhoto("h2", 1000, 1000);
    const int v = f.AddPhoto("v", 900, 1600);
    ASSERT_TRUE(UseTemplateByHand(f.library(), f.album(), row, FixedPicks({0})));
    const PhotoSettings settings;

    ASSERT_TRUE(PlacePhotoInSlot(f.album(), 0, h1, settings));
    EXPECT_EQ(Matched(f, 0), kTemplateIncomplete);
    ASSERT_TRUE(PlacePhotoInSlot(f.album(), 2, v, settings));
    EXPECT_EQ(Matched(f, 0), kTemplateIncomplete);
    ASSERT_TRUE(PlacePhotoInSlot(f.album(), 1, h2, settings));
    EXPECT_EQ(Matched(f, 0), kTemplateComplete);

    EXPECT_EQ(f.slotTable.cell(1, SlotColumn::kMatchState), kSlotMatched);
    EXPECT_EQ(SlotPhotoRow(f.slotTable, 1), h2);
    EXPECT_EQ(f.slotTable.cell(1, SlotColumn::kPhotoPath), "/photos/h2.jpg");
    for (int photo : {h1, h2, v}) EXPECT_TRUE(PhotoIsPlaced(f.photos, photo)) << photo;
    // The crop is the slot's: 1600 x 900 in 800 x 450 covers it exactly.
    const CropValues expected = ComputeCropValues(false, false, 800, 450, 1600, 900, settings);
    EXPECT_EQ(f.slotTable.cell(0, SlotColumn::kFullWidth).toInt(), expected.fullWidth);
    EXPECT_EQ(f.slotTable.cell(0, SlotColumn::kFitTop).toInt(), expected.fitTop);
    EXPECT_EQ(f.slotTable.cell(0, SlotColumn::kFullWidth), "800");

    // Another photo into a filled slot: the slot's photo is replaced, the one it held keeps
    // its mark, and the template stays complete.
    ASSERT_TRUE(PlacePhotoInSlot(f.album(), 0, h2, settings));
    EXPECT_EQ(SlotPhotoRow(f.slotTable, 0), h2);
    EXPECT_TRUE(PhotoIsPlaced(f.photos, h1));
    EXPECT_EQ(Matched(f, 0), kTemplateComplete);

    // Rows that are not there change nothing.
    EXPECT_FALSE(PlacePhotoInSlot(f.album(), 3, h1, settings));
    EXPECT_FALSE(PlacePhotoInSlot(f.album(), 0, 3, settings));
    EXPECT_EQ(SlotPhotoRow(f.slotTable, 0), h2);

    // The windows' snapshot reads the same slots.
    const ManagerAlbum album = ReadManagerAlbum(f.photos, f.slotTable);
    ASSERT_EQ(album.slotList.size(), 3);
    EXPECT_EQ(album.slotList[2].photoRow, v);
    EXPECT_TRUE(album.slotList[2].vertical);
    EXPECT_TRUE(album.slotList[2].matched);
    EXPECT_EQ(album.slotList[2].slotNumber, 2);
    EXPECT_EQ(album.slotList[2].templateName, "G");
    EXPECT_EQ(album.photos[v].size, QSize(900, 1600));
    EXPECT_EQ(album.photos[v].name, "v");
}

TEST(ManualMatching, DeletingTheFirstOfThreeTemplatesShiftsTheOthersAndRenumbersThem) {
    AlbumFixture f;
    f.AddSingleTemplate("A", "heng");
    f.AddSingleTemplate("B", "heng");
    f.AddSingleTemplate("C", "heng");
    for (const char* name : {"p0", "p1", "p2"}) f.AddPhoto(name, 1600, 900);
    f.matcher().RunJob();
    ASSERT_EQ(f.UsedNames(), QStringList({"A", "B", "C"}));
    ASSERT_EQ(f.backgrounds.rowCount(), 3);

    ASSERT_TRUE(DeleteUsedTemplate(f.album(), 0));

    EXPECT_EQ(f.UsedNames(), QStringList({"B", "C"}));
    EXPECT_EQ(SlotUsedRows(f), std::vector<int>({0, 1}));
    EXPECT_EQ(SlotPhotoRow(f.slotTable, 0), 1);
    EXPECT_EQ(f.usedTemplates.cell(0, UsedTemplateColumn::kNumber), "1");
    EXPECT_EQ(f.usedTemplates.cell(1, UsedTemplateColumn::kNumber), "2");
    ASSERT_EQ(f.backgrounds.rowCount(), 2);
    EXPECT_EQ(f.backgrounds.cell(0, BackgroundColumn::kName), "B");
    EXPECT_EQ(f.backgrounds.cell(1, BackgroundColumn::kNumber), "2");
    // Its photo waits for a place again; the others stay placed.
    EXPECT_FALSE(PhotoIsPlaced(f.photos, 0));
    EXPECT_TRUE(PhotoIsPlaced(f.photos, 1));
    EXPECT_TRUE(PhotoIsPlaced(f.photos, 2));

    EXPECT_FALSE(DeleteUsedTemplate(f.album(), 2));
    EXPECT_EQ(f.usedTemplates.rowCount(), 2);
}

TEST(ManualMatching, APhotoAnotherTemplateStillHoldsStaysPlaced) {
    AlbumFixture f;
    f.AddSingleTemplate("A", "heng");
    const int photo = f.AddPhoto("p", 1600, 900);
    const PhotoSettings settings;
    ASSERT_TRUE(UseTemplateByHand(f.library(), f.album(), 0, FixedPicks({0})));
    ASSERT_TRUE(UseTemplateByHand(f.library(), f.album(), 0, FixedPicks({0})));
    ASSERT_TRUE(PlacePhotoInSlot(f.album(), 0, photo, settings));
    ASSERT_TRUE(PlacePhotoInSlot(f.album(), 1, photo, settings));

    ASSERT_TRUE(DeleteUsedTemplate(f.album(), 1));
    EXPECT_TRUE(PhotoIsPlaced(f.photos, photo));
    ASSERT_TRUE(DeleteUsedTemplate(f.album(), 0));
    EXPECT_FALSE(PhotoIsPlaced(f.photos, photo));
}

TEST(ManualMatching, DeletingAllEmptiesTheAlbumsTemplatesAndEveryPhotoWaits) {
    AlbumFixture f;
    f.AddSingleTemplate("A", "heng");
    for (const char* name : {"p0", "p1"}) f.AddPhoto(name, 1600, 900);
    f.matcher().RunJob();
    ASSERT_EQ(f.usedTemplates.rowCount(), 2);

    DeleteAllUsedTemplates(f.album());

    EXPECT_EQ(f.usedTemplates.rowCount(), 0);
    EXPECT_EQ(f.slotTable.rowCount(), 0);
    EXPECT_EQ(f.backgrounds.rowCount(), 0);
    EXPECT_EQ(CountWaitingPhotos(f.photos), 2);
}
