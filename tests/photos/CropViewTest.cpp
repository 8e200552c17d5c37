#include "photos/CropView.h"

#include <gtest/gtest.h>

#include "photos/SlotTable.h"
#include "platform/TextTable.h"
#include "templates/PreviewFolders.h"

namespace {

CropSlot Slot(const QString& category, bool vertical, QSize size, const CropValues& crop, QSize photo) {
    CropSlot slot;
    slot.category = category;
    slot.vertical = vertical;
    slot.width = size.width();
    slot.height = size.height();
    slot.crop = crop;
    slot.photo = photo;
    return slot;
}

QString Text(QSize size) { return QString("%1x%2").arg(size.width()).arg(size.height()); }
QString Text(const QRect& r) { return QString("%1,%2 %3").arg(r.x()).arg(r.y()).arg(Text(r.size())); }
QString Text(const CropShowing& s) { return "view " + Text(s.view) + ", photo " + Text(s.photo); }
QString Text(const CropZoom& z) { return z.refused() ? "refused: " + z.refusal : Text(z.showing); }
QString Text(const CropValues& c) {
    return QString("full %1,%2 %3x%4, fit %5,%6 %7x%8, %9")
        .arg(c.fullLeft).arg(c.fullTop).arg(c.fullWidth).arg(c.fullHeight)
        .arg(c.fitLeft).arg(c.fitTop).arg(c.fitWidth).arg(c.fitHeight)
        .arg(c.fitMark ? "shizhong" : "quanping");
}
QString Text(const CropModeRules& r) {
    return QString(r.mode == CropMode::Fit ? "fit" : "full") + (r.radiosShown ? ", radios" : ", no radios") +
           (r.editable ? ", editable" : ", fixed");
}

QSize ViewOnSelection(const CropSlot& slot) {
    return CropViewSize(slot, CropFrameSize(slot, CropFrameStep::Selection));
}

struct Case {
    const char* what;
    QString actual;
    QString expected;
};

}  // namespace

TEST(CropView, PlacesZoomsDragsAndSavesThePhotoInItsSlot) {
    // A horizontal 1600 x 900 slot with a stored full rectangle reaching 100 left of it.
    const CropSlot wide = Slot(kAdvancedCategory, false, {1600, 900}, {-100, 0, 1800, 900, false, 0, 0, 1600, 900},
                               {1600, 800});
    const QSize wideView = ViewOnSelection(wide);
    const CropShowing wideShown = ShowStoredCrop(wide, CropMode::Full, wideView);
    // A horizontal slot of width 0: the whole frame.
    const CropSlot whole = Slot(kHorizontalCategory, false, {0, 0}, {0, 0, 1920, 1440, false, 0, 0, 1440, 1080},
                                {1600, 1200});
    const QSize wholeView = ViewOnSelection(whole);
    // A vertical slot of width 0 with a 3000 x 4000 photo fitted to the frame height.
    const CropSlot tall = Slot(kVerticalCategory, true, {0, 0}, {0, 0, 810, 1080, true, 0, 0, 810, 1080},
                               {3000, 4000});
    const CropShowing tallShown = ShowStoredCrop(tall, CropMode::Fit, ViewOnSelection(tall));
    const CropZoom tallZoomed = ZoomCropIn(tall, tallShown.view, tallShown.photo.size());
    // A vertical 720 x 1080 slot in a vertical template.
    const CropSlot standing = Slot(kVerticalCategory, true, {720, 1080}, {0, 0, 720, 960, true, 0, 60, 720, 960},
                                   {900, 1200});

    const Case cases[] = {
        {"1600 x 900 slot: the view fills the outer width", Text(wideView), "800x450"},
        {"1600 x 900 slot: (-100, 0, 1800, 900) shows 900 x 450 at left -50", Text(wideShown),
         "view 800x450, photo -50,0 900x450"},
        {"saving the unchanged photo gives the rectangle back",
         Text(SavedCrop(wide, CropMode::Full, wideView, wideShown.photo)),
         "full -100,0 1800x900, fit 0,0 1600x900, quanping"},
        {"slot of width 0: framed as 1920 x 1080", Text(CropFrameSize(whole, CropFrameStep::Selection)), "1920x1080"},
        {"slot of width 0: view 800 x 450", Text(wholeView), "800x450"},
        {"zoom in: a step of 80 takes a 1600 x 1200 photo from 800 to 880 x 660, centred",
         Text(ZoomCropIn(whole, wholeView, {800, 600})), "view 800x450, photo -40,-105 880x660"},
        {"zoom out while the photo still covers the view", Text(ZoomCropOut(whole, wholeView, {960, 720})),
         "view 800x450, photo -40,-105 880x660"},
        {"zoom out refused once the photo would not cover the view", Text(ZoomCropOut(whole, wholeView, {800, 600})),
         "refused: " + kCropZoomOutRefusal},
        {"zoom in refused beyond five times the view width", Text(ZoomCropIn(whole, wholeView, {3960, 2970})),
         "refused: " + kCropZoomInRefusal},
        {"a covering photo dragged right by 30 from left 0 snaps back",
         Text(SnapCropBack({30, -20, 800, 600}, {800, 450})),
         "0,-20 800x600"},
        {"a photo dragged up too far comes back flush with the bottom",
         Text(SnapCropBack({-10, -200, 900, 600}, {800, 450})), "-10,-150 900x600"},
        {"a photo narrower than the view ends flush right", Text(SnapCropBack({50, 0, 700, 450}, {800, 450})),
         "100,0 700x450"},
        {"vertical slot of width 0: the view as wide as the photo", Text(tallShown), "view 337x450, photo 0,0 337x450"},
        {"vertical slot of width 0: framed 1080 x 1920 on a mode change",
         Text(CropViewSize(tall, CropFrameSize(tall, CropFrameStep::ModeChange))), "253x450"},
        {"vertical slot of width 0: zooming in widens the view with the photo", Text(tallZoomed),
         "view 370x450, photo 0,-21 370x493"},
        {"vertical slot of width 0: zoom in refused once the view is wider than 700",
         Text(ZoomCropIn(tall, {720, 450}, {720, 960})), "refused: " + kCropZoomInRefusal},
        {"竖照模板: saving stores left 0 in both rectangles",
         Text(SavedCrop(tall, CropMode::Fit, tallZoomed.showing.view, tallZoomed.showing.photo)),
         "full 0,-50 887x1183, fit 0,-50 887x1183, shizhong"},
        {"竖照模板 with a slot of its own: left 0 after a drag to the left",
         Text(SavedCrop(standing, CropMode::Fit, {300, 450}, {-40, -20, 300, 400})),
         "full 0,-48 720x960, fit 0,-48 720x960, shizhong"},
        {"横照模板 in fit mode saves the fit rectangle only",
         Text(SavedCrop(whole, CropMode::Fit, wholeView, {100, 0, 600, 450})),
         "full 0,0 1920x1440, fit 240,0 1440x1080, shizhong"},
        {"综合模板 opens in full mode, without radio buttons", Text(CropRulesOnSelection(wide)),
         "full, no radios, editable"},
        {"横照模板 opens as its mark says; fit mode cannot zoom or drag",
         Text(CropRulesOnSelection(Slot(kHorizontalCategory, false, {0, 0}, {0, 0, 1, 1, true, 0, 0, 1, 1}, {}))),
         "fit, radios, fixed"},
        {"竖照模板 opens in fit mode", Text(CropRulesOnSelection(tall)), "fit, no radios, editable"},
        {"a damaged row (no height, no photo size) divides by nothing",
         Text(ShowStoredCrop(Slot(kAdvancedCategory, false, {800, 0}, {}, {}), CropMode::Full, {800, 0})),
         "view 800x0, photo 0,0 0x0"},
    };
    for (const Case& c : cases) EXPECT_EQ(c.actual.toStdString(), c.expected.toStdString()) << c.what;
}

TEST(CropView, ReadsTheSlotRowAndWritesTheRectanglesBack) {
    TextTable photos({"序号", "照片", "格式", "宽度", "高度", "位置", "套版"});
    photos.addRow({"1", "a", ".jpg", "1600", "1200", "/p/a.jpg", "完成"});
    TextTable slotTable(SlotTableCaptions());
    QStringList cells(SlotColumn::kColumnCount);
    cells[SlotColumn::kCategory] = kHorizontalCategory;
    cells[SlotColumn::kKind] = kHorizontalSlot;
    cells[SlotColumn::kPhotoRow] = "0";
    cells[SlotColumn::kPhotoPath] = "/p/a.jpg";
    cells[SlotColumn::kWidth] = "1920";
    cells[SlotColumn::kHeight] = "1080";
    slotTable.addRow(cells);
    WriteCropValues(slotTable, 0, {0, -252, 2112, 1584, false, 240, 0, 1440, 1080});
    EXPECT_EQ(slotTable.row(0).mid(SlotColumn::kFullLeft, 9),
              QStringList({"0", "-252", "2112", "1584", "quanping_or_jubuquanping", "240", "0", "1440", "1080"}));

    const CropSlot slot = ReadCropSlot(slotTable, 0, photos);
    EXPECT_EQ(slot.category, kHorizontalCategory);
    EXPECT_FALSE(slot.vertical);
    EXPECT_EQ(slot.photo, QSize(1600, 1200));
    EXPECT_EQ(slot.crop, (CropValues{0, -252, 2112, 1584, false, 240, 0, 1440, 1080}));
}
