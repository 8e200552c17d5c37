#include "photos/Matching.h"

#include <gtest/gtest.h>

#include "photos/PhotoTable.h"
#include "photos/SlotTable.h"
#include "tests/photos/AlbumFixture.h"

namespace {

// The photo row of every slot, in slot order (-1 for an empty slot).
std::vector<int> SlotPhotos(const AlbumFixture& f) {
    std::vector<int> rows;
    for (int s = 0; s < f.slotTable.rowCount(); ++s) rows.push_back(SlotPhotoRow(f.slotTable, s));
    return rows;
}

void ExpectEveryPhotoPlacedAndTemplateComplete(const AlbumFixture& f) {
    for (int r = 0; r < f.photos.rowCount(); ++r) EXPECT_TRUE(PhotoIsPlaced(f.photos, r)) << r;
    for (int r = 0; r < f.usedTemplates.rowCount(); ++r)
        EXPECT_EQ(f.usedTemplates.cell(r, UsedTemplateColumn::kMatched), kTemplateComplete) << r;
}

}  // namespace

TEST(Matching, SingleTemplatesAreUsedInTableOrderOncePerRotation) {
    AlbumFixture f;
    f.AddSingleTemplate("A", "heng");
    f.AddSingleTemplate("B", "heng");
    for (const char* name : {"p1", "p2", "p3"}) f.AddPhoto(name, 1600, 900);

    const MatchingResult result = f.matcher().RunJob();

    EXPECT_EQ(f.UsedNames(), QStringList({"A", "B", "A"}));
    EXPECT_EQ(SlotPhotos(f), std::vector<int>({0, 1, 2}));
    EXPECT_EQ(result.placed, 3);
    EXPECT_EQ(result.unplaced, 0);
    EXPECT_EQ(result.passes, 3);
    ExpectEveryPhotoPlacedAndTemplateComplete(f);
    // The used templates are numbered 1, 2, 3 and each slot points at its own row.
    for (int r = 0; r < 3; ++r) {
        EXPECT_EQ(f.usedTemplates.cell(r, UsedTemplateColumn::kNumber), QString::number(r + 1));
        EXPECT_EQ(SlotUsedRow(f.slotTable, r), r);
    }
}

TEST(Matching, AnAdvancedTemplateThatFitsTheWaitingPhotosGoesFirstAndTakesThemAll) {
    AlbumFixture f;
    f.AddSingleTemplate("H", "heng");
    f.AddSingleTemplate("V", "shu");
    f.AddTemplate({"G", "gaojimoban", {"heng", "shu", "heng"}, {"a_1", "b_2", "c_3"},
                   {"400", "300", "500"}, {"300", "400", "250"}});
    f.AddPhoto("h1", 1600, 900);  // row 0
    f.AddPhoto("v1", 900, 1600);  // row 1
    f.AddPhoto("h2", 1200, 900);  // row 2

    const MatchingResult result = f.matcher().RunJob();

    EXPECT_EQ(f.UsedNames(), QStringList({"G"}));
    EXPECT_EQ(result.passes, 1);
    // Horizontal slots come first and take the waiting horizontal photos in order.
    EXPECT_EQ(SlotPhotos(f), std::vector<int>({0, 2, 1}));
    ExpectEveryPhotoPlacedAndTemplateComplete(f);
    // Slots are named and sized from the template's items, horizontal items by order.
    EXPECT_EQ(SlotPicture(f.slotTable, 0), "a_1");
    EXPECT_EQ(SlotPicture(f.slotTable, 1), "c_3");
    EXPECT_EQ(SlotPicture(f.slotTable, 2), "b_2");
    EXPECT_EQ(SlotWidth(f.slotTable, 1), 500);
    EXPECT_EQ(SlotHeight(f.slotTable, 1), 250);
    EXPECT_EQ(f.slotTable.cell(2, SlotColumn::kKind), kVerticalSlot);
    EXPECT_EQ(f.slotTable.cell(2, SlotColumn::kSlotNumber), "2");
    EXPECT_EQ(f.slotTable.cell(2, SlotColumn::kPhotoPath), "/photos/v1.jpg");
}

TEST(Matching, AnAdvancedTemplateNeedingMorePhotosThanWaitIsNoCandidate) {
    struct Case {
        int waitingHorizontal;
        QStringList used;
    };
    for (const Case& c : {Case{2, {"H", "H"}}, Case{3, {"G3"}}}) {
        AlbumFixture f;
        f.AddSingleTemplate("H", "heng");
        f.AddTemplate({"G3", "gaojimoban", {"heng", "heng", "heng"}, {"a_1", "b_2", "c_3"},
                       {"640", "640", "640"}, {"360", "360", "360"}});
        for (int k = 0; k < c.waitingHorizontal; ++k) f.AddPhoto(QString("h%1").arg(k), 1600, 900);

        PhotoMatcher matcher = f.matcher();
        matcher.Begin();
        matcher.RebuildCandidates();
        EXPECT_EQ(f.candidates[1].rowCount(), c.waitingHorizontal >= 3 ? 1 : 0);
        EXPECT_EQ(f.candidates[0].rowCount(), 0);  // no vertical photo waits

        matcher.RunJob();
        EXPECT_EQ(f.UsedNames(), c.used) << c.waitingHorizontal;
        ExpectEveryPhotoPlacedAndTemplateComplete(f);
    }
}

TEST(Matching, APassThatPlacesNothingEndsTheJobAndCountsTheWaitingPhotos) {
    AlbumFixture f;
    f.AddSingleTemplate("V", "shu");
    f.AddPhoto("h1", 1600, 900);
    f.AddPhoto("v1", 900, 1600);
    f.AddPhoto("h2", 1600, 900);

    int passesSeen = 0;
    const MatchingResult result = f.matcher().RunJob([&] { ++passesSeen; });

    // The first pass places the vertical photo, the second places nothing and ends the job.
    EXPECT_EQ(result.passes, 2);
    EXPECT_EQ(passesSeen, 2);
    EXPECT_EQ(result.placed, 1);
    EXPECT_EQ(result.unplaced, 2);
    EXPECT_EQ(f.UsedNames(), QStringList({"V"}));
    EXPECT_FALSE(PhotoIsPlaced(f.photos, 0));
    EXPECT_TRUE(PhotoIsPlaced(f.photos, 1));
    EXPECT_EQ(UnplacedPhotosMessage(result.unplaced),
              "有 2 张照片没有找到可以使用的模板,未能自动匹配！");

    // With an empty library the job ends after one empty pass.
    AlbumFixture empty;
    empty.AddPhoto("h1", 1600, 900);
    const MatchingResult none = empty.matcher().RunJob();
    EXPECT_EQ(none.passes, 1);
    EXPECT_EQ(none.unplaced, 1);
    EXPECT_EQ(empty.usedTemplates.rowCount(), 0);
}

TEST(Matching, OnlyWaitingPhotosAreMatchedAgain) {
    AlbumFixture f;
    f.AddSingleTemplate("A", "heng");
    f.AddPhoto("h1", 1600, 900);
    f.matcher().RunJob();
    f.AddPhoto("h2", 1600, 900);

    const MatchingResult result = f.matcher().RunJob();

    EXPECT_EQ(result.placed, 1);
    EXPECT_EQ(SlotPhotos(f), std::vector<int>({0, 1}));
}

TEST(Matching, SlotNamingFollowsTheTemplateCategory) {
    // A template listed as horizontal and as vertical (a shuheng slot) gets a horizontal
    // slot in the one and a vertical slot in the other; a picture name that is not a photo
    // slot (no "_", or two) is never given to a slot.
    AlbumFixture f;
    f.AddTemplate({"E", "shuheng", {"shuheng"}, {"p_1"}, {"700"}, {"500"}});
    f.AddTemplate({"G", "gaojimoban", {"heng", "shu", "heng", "shu"}, {"bg", "x_1", "y_2", "z__3"},
                   {"1", "2", "3", "4"}, {"5", "6", "7", "8"}});

    PhotoMatcher matcher = f.matcher();
    ASSERT_TRUE(matcher.UseTemplate(f.templateList.findRow(6, "横照模板")));
    ASSERT_TRUE(matcher.UseTemplate(f.templateList.findRow(6, "竖照模板")));
    ASSERT_TRUE(matcher.UseTemplate(f.templateList.findRow(6, "综合模板")));
    EXPECT_FALSE(matcher.UseTemplate(99));

    ASSERT_EQ(f.slotTable.rowCount(), 4);
    EXPECT_EQ(f.slotTable.cell(0, SlotColumn::kKind), kHorizontalSlot);
    EXPECT_EQ(SlotPicture(f.slotTable, 0), "p_1");
    EXPECT_EQ(f.slotTable.cell(1, SlotColumn::kKind), kVerticalSlot);
    EXPECT_EQ(SlotPicture(f.slotTable, 1), "p_1");
    // G: one horizontal slot (y_2), one vertical slot (x_1).
    EXPECT_EQ(SlotPicture(f.slotTable, 2), "y_2");
    EXPECT_EQ(SlotWidth(f.slotTable, 2), 3);
    EXPECT_EQ(SlotPicture(f.slotTable, 3), "x_1");
    EXPECT_EQ(SlotHeight(f.slotTable, 3), 6);
}

TEST(Matching, AnUnplacedSlotLeavesItsTemplateIncomplete) {
    // Called directly with one horizontal photo waiting, a template of two horizontal slots
    // fills the first and keeps the second empty instead of taking a row that is not there.
    AlbumFixture f;
    f.AddTemplate({"G2", "gaojimoban", {"heng", "heng"}, {"a_1", "b_2"}, {"10", "10"}, {"10", "10"}});
    f.AddPhoto("h1", 1600, 900);
    PhotoMatcher matcher = f.matcher();
    matcher.Begin();
    matcher.UseTemplate(0);
    EXPECT_EQ(SlotPhotos(f), std::vector<int>({0, -1}));
    EXPECT_EQ(f.usedTemplates.cell(0, UsedTemplateColumn::kMatched), kTemplateIncomplete);
}

TEST(Matching, CombinationModeTakesPhotosInACycle) {
    AlbumFixture f;
    f.AddTemplate({"G3", "gaojimoban", {"heng", "heng", "heng"}, {"a_1", "b_2", "c_3"},
                   {"10", "10", "10"}, {"10", "10", "10"}});
    f.AddPhoto("h1", 1600, 900);
    f.AddPhoto("h2", 1600, 900);
    MatchingOptions options;
    options.templateMode = kCombinationMode;
    options.random = FixedPicks({});
    PhotoMatcher matcher = f.matcher(options);
    matcher.Begin();
    matcher.UseTemplate(0);
    matcher.UseTemplate(0);
    EXPECT_EQ(SlotPhotos(f), std::vector<int>({0, 1, 0, 1, 0, 1}));
    EXPECT_EQ(matcher.playOrder().horizontal, 1);
}

TEST(Matching, EveryUsedTemplateGetsABackgroundRowWithARandomHorizontalPhoto) {
    AlbumFixture f;
    f.AddSingleTemplate("V", "shu");
    f.AddSingleTemplate("H", "heng");
    f.AddPhoto("v1", 900, 1600);
    f.AddPhoto("h1", 1600, 900);
    f.AddPhoto("h2", 1024, 768);
    MatchingOptions options;
    options.random = FixedPicks({1, 0});
    f.matcher(options).RunJob();

    ASSERT_EQ(f.backgrounds.rowCount(), 3);
    EXPECT_EQ(f.backgrounds.row(0),
              QStringList({"1", "H", "单张模板", "横照模板", "h2", ".jpg", "1024", "768",
                           "/photos/h2.jpg"}));
    EXPECT_EQ(f.backgrounds.cell(1, 4), "h1");
    EXPECT_EQ(f.backgrounds.cell(2, 0), "3");
}
