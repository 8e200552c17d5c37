#include "photos/PhotoCollection.h"

#include <gtest/gtest.h>

#include "photos/PhotoTable.h"
#include "photos/SlotTable.h"
#include "tests/photos/AlbumFixture.h"

TEST(DeletePhoto, EmptiesItsSlotsMarksTheirTemplatesAndShiftsLaterPhotos) {
    // Five photos in five one-slot templates; photo row 1 (the second photo) is also in the
    // fifth template, so two slots hold it.
    AlbumFixture f;
    f.AddSingleTemplate("A", "heng");
    for (int k = 1; k <= 5; ++k) f.AddPhoto(QString("p%1").arg(k), 1600, 900);
    f.matcher().RunJob();
    ASSERT_EQ(f.slotTable.rowCount(), 5);
    f.slotTable.setCell(4, SlotColumn::kPhotoRow, "1");

    const int using1 = CountSlotsHoldingPhoto(f.slotTable, 1);
    EXPECT_EQ(using1, 2);
    EXPECT_EQ(CountSlotsHoldingPhoto(f.slotTable, -1), 0);
    EXPECT_EQ(DeletePhotoQuestion(using1),
              "此张照片文件在 2 个模板文件中使用,删除后,模板文件中的照片文件也会被删除,是否确定要删除当前选中的照片文件?");
    EXPECT_EQ(DeletePhotoQuestion(0), "是否确定要删除当前选中的照片文件?");

    EXPECT_EQ(DeletePhoto(f.album(), 1, FixedPicks({})), kPhotoDeletedMessage);

    for (int slot : {1, 4}) {
        EXPECT_EQ(SlotPhotoRow(f.slotTable, slot), -1) << slot;
        EXPECT_EQ(f.slotTable.cell(slot, SlotColumn::kMatchState), "") << slot;
        EXPECT_EQ(f.slotTable.cell(slot, SlotColumn::kPhotoPath), "") << slot;
        for (int column = SlotColumn::kFullLeft; column < SlotColumn::kColumnCount; ++column)
            EXPECT_EQ(f.slotTable.cell(slot, column), "") << slot << " " << column;
        EXPECT_EQ(SlotPicture(f.slotTable, slot), "p_1") << "the slot keeps its name";
        EXPECT_EQ(f.usedTemplates.cell(slot, UsedTemplateColumn::kMatched), kTemplateIncomplete);
    }
    EXPECT_EQ(SlotPhotoRow(f.slotTable, 0), 0);
    EXPECT_EQ(SlotPhotoRow(f.slotTable, 2), 1);
    EXPECT_EQ(SlotPhotoRow(f.slotTable, 3), 2);
    EXPECT_EQ(f.usedTemplates.cell(0, UsedTemplateColumn::kMatched), kTemplateComplete);

    ASSERT_EQ(f.photos.rowCount(), 4);
    for (int r = 0; r < 4; ++r) EXPECT_EQ(f.photos.cell(r, 0), QString::number(r + 1));
    EXPECT_EQ(PhotoName(f.photos, 1), "p3");
    ASSERT_EQ(f.horizontalPhotos.rowCount(), 4);
    EXPECT_EQ(f.horizontalPhotos.cell(3, HorizontalPhotoColumn::kPhotoRow), "3");
}

TEST(DeletePhoto, RefusesWithoutASelectionAndRefillsEmptyBackgrounds) {
    AlbumFixture f;
    f.AddSingleTemplate("V", "shu");
    f.AddPhoto("v1", 900, 1600);
    f.matcher().RunJob();
    ASSERT_EQ(BackgroundPictureName(f.backgrounds, 0), "");  // no horizontal photo yet
    f.AddPhoto("h1", 1600, 900);

    EXPECT_EQ(DeletePhoto(f.album(), -1, FixedPicks({})), kNoPhotoSelectedMessage);
    EXPECT_EQ(DeletePhoto(f.album(), 2, FixedPicks({})), kNoPhotoSelectedMessage);
    EXPECT_EQ(f.photos.rowCount(), 2);

    EXPECT_EQ(DeletePhoto(f.album(), 0, FixedPicks({})), kPhotoDeletedMessage);
    EXPECT_EQ(BackgroundPictureName(f.backgrounds, 0), "h1");
    EXPECT_EQ(f.usedTemplates.cell(0, UsedTemplateColumn::kMatched), kTemplateIncomplete);
}

TEST(DeleteAllPhotos, ClearsThePhotosAndEverythingMadeFromThem) {
    AlbumFixture f;
    f.AddSingleTemplate("A", "heng");
    f.AddPhoto("h1", 1600, 900);
    f.matcher().RunJob();
    DeleteAllPhotos(f.album());
    for (const TextTable* t : {&f.photos, &f.horizontalPhotos, &f.usedTemplates, &f.slotTable,
                               &f.backgrounds})
        EXPECT_EQ(t->rowCount(), 0);
}

TEST(StartAutoMatch, RunsOnlyWhenAPhotoWaits) {
    TextTable photos(PhotoTableCaptions());
    AutoMatchStart start = StartAutoMatch(photos);
    EXPECT_FALSE(start.runJob);
    EXPECT_EQ(start.message, "没有添加照片文件！");

    AppendPhoto(photos, "/a/h.jpg", {1600, 900});
    MarkPhotoPlaced(photos, 0);
    start = StartAutoMatch(photos);
    EXPECT_FALSE(start.runJob);
    EXPECT_EQ(start.message, "照片与模板自动匹配已完成！");

    AppendPhoto(photos, "/a/v.jpg", {900, 1600});
    start = StartAutoMatch(photos);
    EXPECT_TRUE(start.runJob);
    EXPECT_EQ(start.message, "");
}

TEST(SkippedPhotosMessage, NamesEverySkippedFileOnce) {
    EXPECT_EQ(SkippedPhotosMessage({}), "");
    EXPECT_EQ(SkippedPhotosMessage({"/a/broken.jpg", "/a/empty.JPG"}),
              "以下 2 个文件不是可以读取的JPG照片文件,没有添加:\nbroken.jpg\nempty.JPG");
}
