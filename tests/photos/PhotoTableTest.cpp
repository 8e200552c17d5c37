#include "photos/PhotoTable.h"

#include <gtest/gtest.h>

TEST(PhotoTable, RecordsTheUprightSizeAndSortsSquarePhotosAsHorizontal) {
    struct Case {
        const char* what;
        QSize stored, delivered, recorded;
        bool horizontal;
    };
    const Case cases[] = {
        {"landscape", {4000, 3000}, {300, 225}, {4000, 3000}, true},
        {"stored turned, delivered upright", {4000, 3000}, {168, 225}, {3000, 4000}, false},
        {"portrait", {3000, 4000}, {168, 225}, {3000, 4000}, false},
        {"stored upright, delivered lying", {3000, 4000}, {300, 225}, {4000, 3000}, true},
        {"square", {1000, 1000}, {300, 300}, {1000, 1000}, true},
        {"square delivered taller", {1000, 1000}, {299, 300}, {1000, 1000}, true},
    };
    for (const Case& c : cases) {
        const QSize recorded = RecordedPhotoSize(c.stored, c.delivered);
        EXPECT_EQ(recorded, c.recorded) << c.what;
        EXPECT_EQ(IsHorizontal(recorded.width(), recorded.height()), c.horizontal) << c.what;
    }
    EXPECT_EQ(AddRenderBox({4000, 3000}), QSize(300, 225));
    EXPECT_EQ(AddRenderBox({3000, 4000}), QSize(300, 400));
    EXPECT_TRUE(AddRenderBox({0, 3000}).isEmpty());
}

TEST(PhotoTable, PendingAndHorizontalTablesFollowTheOrientationRule) {
    TextTable photos(PhotoTableCaptions());
    AppendPhoto(photos, "/a/wide.jpg", {1600, 900});
    AppendPhoto(photos, "/a/tall.JPG", {900, 1600});
    AppendPhoto(photos, "/a/sq.uare.jpg", {1000, 1000});
    AppendPhoto(photos, "/a/done.jpg", {1600, 900});
    MarkPhotoPlaced(photos, 3);

    EXPECT_EQ(photos.row(2), QStringList({"3", "sq.uare", ".jpg", "1000", "1000", "/a/sq.uare.jpg", ""}));
    EXPECT_EQ(PhotoFormat(photos, 1), ".JPG");
    EXPECT_EQ(CountWaitingPhotos(photos), 3);

    TextTable pendingH(PendingPhotoTableCaptions()), pendingV(PendingPhotoTableCaptions());
    RebuildPendingTables(photos, pendingH, pendingV);
    ASSERT_EQ(pendingH.rowCount(), 2);
    EXPECT_EQ(PendingPhotoRow(pendingH, 0), 0);
    EXPECT_EQ(PendingPhotoRow(pendingH, 1), 2);  // the square photo
    ASSERT_EQ(pendingV.rowCount(), 1);
    EXPECT_EQ(PendingPhotoRow(pendingV, 0), 1);

    TextTable horizontal(HorizontalPhotoTableCaptions());
    RebuildHorizontalPhotoTable(photos, horizontal);
    ASSERT_EQ(horizontal.rowCount(), 3);  // placed or not, every horizontal photo
    EXPECT_EQ(horizontal.row(1), QStringList({"3", "sq.uare", ".jpg", "1000", "1000", "/a/sq.uare.jpg", "2"}));
    EXPECT_EQ(horizontal.cell(2, 6), "3");

    pendingH.setCell(0, 6, kPhotoPlaced);
    EXPECT_EQ(RemovePlacedPendingRows(pendingH), 1);
    EXPECT_EQ(PendingPhotoRow(pendingH, 0), 2);
}
