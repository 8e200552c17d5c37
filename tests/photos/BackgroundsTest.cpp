#include "photos/Backgrounds.h"

#include <gtest/gtest.h>

#include "photos/PhotoTable.h"
#include "photos/PictureFit.h"

namespace {

// A background table of one row with the given picture columns.
struct OneBackground {
    explicit OneBackground(const QStringList& picture) {
        table.addRow(QStringList({"1", "T", "单张模板", "横照模板"}) + picture);
    }
    operator TextTable&() { return table; }
    TextTable table{BackgroundTableCaptions()};
};

}  // namespace

TEST(PictureFit, FitsWidthFirstForHorizontalAndSquarePicturesAndHeightFirstForVertical) {
    struct Case {
        int pw, ph;
        QSize fitted;
    };
    const Case cases[] = {
        {1600, 1200, {193, 145}},  // 195 x 146 would be too tall
        {1000, 1000, {145, 145}},  // square: the horizontal rule
        {1600, 900, {195, 109}},
        {900, 1600, {81, 145}},
        {100, 1000, {14, 145}},
        {0, 100, {0, 0}},
    };
    for (const Case& c : cases) {
        const FramedPicture fit = BackgroundPreviewFit(c.pw, c.ph);
        EXPECT_EQ(fit.picture.size(), c.fitted) << c.pw << "x" << c.ph;
        if (c.fitted.isEmpty()) continue;
        EXPECT_EQ(fit.picture.topLeft(), QPoint(3, 3));
        EXPECT_EQ(fit.frame, c.fitted + QSize(6, 6));
    }
    // The photo window's preview: a square photo gets a frame too, limited by the short side.
    EXPECT_EQ(FitFramed(2000, 2000, {306, 206}).frame, QSize(206, 206));
    EXPECT_EQ(FitPicture(900, 1600, {400, 100}), QSize(56, 100));
    EXPECT_EQ(FitPicture(300, 400, {100, 400}), QSize(100, 133));  // too wide: width first
}

TEST(Backgrounds, ShowingARowNeedsAPicture) {
    EXPECT_FALSE(ShowBackgroundRow(OneBackground({}), -1).show);
    const BackgroundShowing none = ShowBackgroundRow(OneBackground({"", "", "", "", ""}), 0);
    EXPECT_FALSE(none.show);
    EXPECT_EQ(none.message, "当前选中项没有添加背景图片文件！");

    const BackgroundShowing shown =
        ShowBackgroundRow(OneBackground({"sea", ".jpg", "1600", "1200", "/p/sea.jpg"}), 0);
    EXPECT_TRUE(shown.show);
    EXPECT_EQ(shown.hint, "第1张, 背景图片名称: sea");
    EXPECT_EQ(shown.fit.picture.size(), QSize(193, 145));
}

TEST(Backgrounds, ReplacementTakesHorizontalPicturesAndRefusesVerticalOnes) {
    const QStringList old{"sea", ".jpg", "1600", "1200", "/p/sea.jpg"};
    OneBackground one(old);
    TextTable& backgrounds = one;

    EXPECT_EQ(ReplaceBackground(backgrounds, 0, "/q/tall.jpg", {900, 1600}, {168, 300}),
              "此张照片不是横照片,请重新更换一张横照片!");
    EXPECT_EQ(backgrounds.row(0).mid(4), old);

    // A photo stored turned is drawn upright, so it is vertical although stored wide.
    EXPECT_EQ(ReplaceBackground(backgrounds, 0, "/q/turned.jpg", {4000, 3000}, {168, 225}),
              "此张照片不是横照片,请重新更换一张横照片!");
    EXPECT_EQ(backgrounds.row(0).mid(4), old);

    EXPECT_EQ(ReplaceBackground(backgrounds, 0, "/q/Square.JPG", {1000, 1000}, {300, 300}), "");
    EXPECT_EQ(backgrounds.row(0).mid(4),
              QStringList({"Square", ".JPG", "1000", "1000", "/q/Square.JPG"}));

    EXPECT_EQ(BackgroundReplaceRefusal(backgrounds, -1), "没有选中背景图片文件！");
    EXPECT_EQ(BackgroundReplaceRefusal(TextTable(BackgroundTableCaptions()), 0),
              "没有找到背景图片文件！");
    EXPECT_EQ(BackgroundReplaceRefusal(backgrounds, 0), "");
}

TEST(Backgrounds, EmptyRowsGetARandomHorizontalPhotoEachAndFilledRowsKeepTheirs) {
    TextTable horizontal(HorizontalPhotoTableCaptions());
    TextTable backgrounds(BackgroundTableCaptions());
    FillEmptyBackgrounds(backgrounds, horizontal, [](int) { return 0; });  // nothing to do

    backgrounds.addRow({"1", "A", "单张模板", "横照模板", "", "", "", "", ""});
    backgrounds.addRow({"2", "B", "单张模板", "横照模板", "mine", ".jpg", "800", "600", "/m.jpg"});
    backgrounds.addRow({"3", "C", "单张模板", "横照模板", "", "", "", "", ""});
    FillEmptyBackgrounds(backgrounds, horizontal, [](int) { return 0; });
    EXPECT_EQ(BackgroundPictureName(backgrounds, 0), "");

    horizontal.addRow({"1", "h1", ".jpg", "1600", "900", "/p/h1.jpg", "0"});
    horizontal.addRow({"3", "h3", ".jpg", "1024", "768", "/p/h3.jpg", "2"});
    QVector<int> counts;
    int next = 1;
    FillEmptyBackgrounds(backgrounds, horizontal, [&](int count) {
        counts.append(count);
        return next--;
    });
    EXPECT_EQ(counts, QVector<int>({2, 2}));
    EXPECT_EQ(backgrounds.row(0).mid(4), QStringList({"h3", ".jpg", "1024", "768", "/p/h3.jpg"}));
    EXPECT_EQ(BackgroundPictureName(backgrounds, 1), "mine");
    EXPECT_EQ(BackgroundPictureName(backgrounds, 2), "h1");

    for (int k = 0; k < 50; ++k) {
        const int pick = DefaultRandomPick()(3);
        EXPECT_TRUE(pick >= 0 && pick < 3);
    }
}
