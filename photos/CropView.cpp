#include "photos/CropView.h"

#include "photos/PageView.h"
#include "photos/PhotoTable.h"
#include "photos/SlotTable.h"
#include "platform/TextTable.h"
#include "templates/PreviewFolders.h"

namespace {
constexpr int kFrameWidth = 1920;
constexpr int kFrameHeight = 1080;

// value * numerator / denominator, multiplied first; 0 when the denominator is 0.
int Scale(int value, int numerator, int denominator) {
    if (denominator == 0) return 0;
    return int(qint64(value) * numerator / denominator);
}

QRect StoredRect(const CropValues& crop, CropMode mode) {
    if (mode == CropMode::Fit) return {crop.fitLeft, crop.fitTop, crop.fitWidth, crop.fitHeight};
    return {crop.fullLeft, crop.fullTop, crop.fullWidth, crop.fullHeight};
}

// The photo of `size` centred in the view; a vertical slot of width 0 first takes the
// photo's width as the view's.
CropShowing Centred(const CropSlot& slot, QSize view, QSize size) {
    if (slot.verticalWholeFrame()) view.setWidth(size.width());
    return {view, QRect(CentredIn(view, size), size)};
}
}  // namespace

CropSlot ReadCropSlot(const TextTable& slotTable, int slotRow, const TextTable& photos) {
    CropSlot slot;
    slot.category = slotTable.cell(slotRow, SlotColumn::kCategory);
    slot.vertical = SlotIsVertical(slotTable, slotRow);
    slot.width = SlotWidth(slotTable, slotRow);
    slot.height = SlotHeight(slotTable, slotRow);
    slot.crop = ReadCropValues(slotTable, slotRow);
    const int photoRow = SlotPhotoRow(slotTable, slotRow);
    if (photoRow >= 0 && photoRow < photos.rowCount())
        slot.photo = QSize(PhotoWidth(photos, photoRow), PhotoHeight(photos, photoRow));
    return slot;
}

QSize CropFrameSize(const CropSlot& slot, CropFrameStep step) {
    if (slot.width != 0) return {slot.width, slot.height};
    if (!slot.vertical) return {kFrameWidth, kFrameHeight};
    switch (step) {
    case CropFrameStep::Selection:
        return {slot.crop.fitWidth, slot.crop.fitHeight};
    case CropFrameStep::ModeChange:
        return {kFrameHeight, kFrameWidth};
    case CropFrameStep::Placement:
        break;
    }
    return {kFrameWidth, kFrameHeight};
}

QSize CropViewSize(const CropSlot& slot, QSize frame, QSize outer) {
    const int tw = frame.width();
    const int th = frame.height();
    if (!slot.vertical) {
        const int height = Scale(outer.width(), th, tw);
        if (height > outer.height()) return {Scale(outer.height(), tw, th), outer.height()};
        return {outer.width(), height};
    }
    const int width = Scale(outer.height(), tw, th);
    if (width > outer.width()) return {outer.width(), Scale(outer.width(), th, tw)};
    return {width, outer.height()};
}

bool CropEditable(const QString& category, CropMode mode) {
    return category != kHorizontalCategory || mode == CropMode::Full;
}

CropModeRules CropRulesOnSelection(const CropSlot& slot) {
    if (slot.category == kHorizontalCategory) {
        const CropMode mode = slot.crop.fitMark ? CropMode::Fit : CropMode::Full;
        return {mode, true, CropEditable(slot.category, mode)};
    }
    if (slot.category == kVerticalCategory) return {CropMode::Fit, false, true};
    return {CropMode::Full, false, true};
}

CropShowing ShowStoredCrop(const CropSlot& slot, CropMode mode, QSize view) {
    const QSize frame = CropFrameSize(slot, CropFrameStep::Placement);
    const QRect stored = StoredRect(slot.crop, mode);
    const int h = Scale(view.height(), stored.height(), frame.height());
    int w = Scale(view.width(), stored.width(), frame.width());
    if (slot.verticalWholeFrame()) {
        w = Scale(h, stored.width(), stored.height());
        view.setWidth(w);
    }
    const QPoint place(Scale(view.width(), stored.left(), frame.width()),
                       Scale(view.height(), stored.top(), frame.height()));
    return {view, QRect(place, QSize(w, h))};
}

CropZoom ZoomCropIn(const CropSlot& slot, QSize view, QSize photoSize, QSize outer) {
    const int w = photoSize.width() + view.width() / 10;
    const int h = Scale(slot.photo.height(), w, slot.photo.width());
    if (slot.verticalWholeFrame() && view.width() > outer.width() - 100) return {{}, kCropZoomInRefusal};
    if (!slot.verticalWholeFrame() && w > kMaxCropZoom * view.width()) return {{}, kCropZoomInRefusal};
    if (w <= 0 || h <= 0) return {{}, kCropZoomInRefusal};
    return {Centred(slot, view, {w, h}), {}};
}

CropZoom ZoomCropOut(const CropSlot& slot, QSize view, QSize photoSize) {
    const int w = photoSize.width() - view.width() / 10;
    const int h = Scale(slot.photo.height(), w, slot.photo.width());
    const CropShowing showing = Centred(slot, view, {w, h});
    const bool covers = w >= showing.view.width() && h >= showing.view.height();
    if (!covers || w <= 0 || h <= 0) return {{}, kCropZoomOutRefusal};
    return {showing, {}};
}

QRect SnapCropBack(QRect photo, QSize view) {
    QPoint place = photo.topLeft();
    if (place.x() > 0) place.setX(0);
    if (place.y() > 0) place.setY(0);
    if (place.x() + photo.width() < view.width()) place.setX(view.width() - photo.width());
    if (place.y() + photo.height() < view.height()) place.setY(view.height() - photo.height());
    return {place, photo.size()};
}

CropValues SavedCrop(const CropSlot& slot, CropMode mode, QSize view, QRect photo) {
    const QSize frame = CropFrameSize(slot, CropFrameStep::Placement);
    const int tw = frame.width();
    const int th = frame.height();
    const int vw = view.width();
    const int vh = view.height();
    const QRect r(Scale(photo.left(), tw, vw), Scale(photo.top(), th, vh), Scale(photo.width(), tw, vw),
                  Scale(photo.height(), th, vh));
    CropValues crop = slot.crop;
    if (slot.category == kVerticalCategory) {
        const int height = r.height();
        const int width = Scale(height, photo.width(), photo.height());
        crop.fullLeft = crop.fitLeft = 0;
        crop.fullTop = crop.fitTop = r.top();
        crop.fullWidth = crop.fitWidth = width;
        crop.fullHeight = crop.fitHeight = height;
        crop.fitMark = true;
        return crop;
    }
    if (slot.category == kHorizontalCategory && mode == CropMode::Fit) {
        crop.fitLeft = r.left();
        crop.fitTop = r.top();
        crop.fitWidth = r.width();
        crop.fitHeight = r.height();
        crop.fitMark = true;
        return crop;
    }
    crop.fullLeft = r.left();
    crop.fullTop = r.top();
    crop.fullWidth = r.width();
    crop.fullHeight = r.height();
    crop.fitMark = false;
    return crop;
}
