#include "photos/PageView.h"

#include "photos/PhotoTable.h"
#include "photos/SlotTable.h"
#include "platform/TextTable.h"

namespace {
// value * numerator / denominator, multiplied first; 0 when the denominator is 0.
int Scale(int value, int numerator, int denominator) {
    if (denominator == 0) return 0;
    return int(qint64(value) * numerator / denominator);
}
}  // namespace

int LastPageNumber(int photoCount) { return photoCount / kPhotosPerPage; }

PageTurn TurnPage(PageCommand command, int page, int photoCount) {
    if (photoCount <= 0) return {page, kNoPhotosMessage};
    const int last = LastPageNumber(photoCount);
    switch (command) {
    case PageCommand::First:
        if (page == 0) return {page, kFirstPageMessage};
        return {0, {}};
    case PageCommand::Previous:
        if (page == 0) return {page, kFirstPageMessage};
        return {page - 1, {}};
    case PageCommand::Next:
        if (page == last) return {page, kLastPageMessage};
        return {page + 1, {}};
    case PageCommand::Last:
        if (page == last) return {page, kLastPageMessage};
        return {last, {}};
    }
    return {page, {}};
}

int CellPhotoRow(int page, int cell) { return page * kPhotosPerPage + cell - 1; }

QSize LargePhotoSize(QSize photo, QSize wanted, const LargePhotoModes& modes) {
    const int pw = photo.width();
    const int ph = photo.height();
    if (pw <= 0 || ph <= 0) return {};
    if (IsHorizontal(pw, ph)) {
        const QSize box = modes.horizontalFit ? wanted - QSize(6, 6) : wanted;
        int width = box.width();
        int height = Scale(ph, box.width(), pw);
        if (modes.horizontalFit && height > box.height()) {
            height = box.height();
            width = Scale(pw, box.height(), ph);
        }
        if (width <= 0 || height <= 0) return {};
        return {width, height};
    }
    const QSize box = modes.verticalFit ? wanted - QSize(6, 6) : wanted;
    int height = box.height();
    int width = Scale(pw, box.height(), ph);
    if (width > box.width()) {
        width = box.width();
        height = Scale(ph, box.width(), pw);
    }
    if (width <= 0 || height <= 0) return {};
    return {width, height};
}

QPoint CentredIn(QSize area, QSize picture) {
    return {area.width() / 2 - picture.width() / 2, area.height() / 2 - picture.height() / 2};
}

QSize DefaultLargeSize(QSize area) { return area - QSize(6, 6); }

namespace {
QSize LargeSizeOfWidth(int width, QSize area) { return {width, Scale(width, area.height(), area.width())}; }
}  // namespace

LargeZoom ZoomLargeIn(QSize current, QSize area) {
    const int width = current.width() + area.width() / 10;
    if (width > kMaxLargeZoom * area.width()) return {current, kLargeZoomInRefusal};
    return {LargeSizeOfWidth(width, area), {}};
}

LargeZoom ZoomLargeOut(QSize current, QSize area) {
    const QSize size = LargeSizeOfWidth(current.width() - area.width() / 10, area);
    if (size.width() <= 0 || size.height() <= 0) return {DefaultLargeSize(area), kZoomOutRefusal};
    return {size, {}};
}

QPoint DraggedPhotoPlace(QPoint cursorInWindow, QPoint areaInWindow, QPoint grab) {
    return cursorInWindow - areaInWindow - grab;
}

PhotoTemplates TemplatesOfPhoto(const TextTable& slotTable, int photoRow) {
    if (photoRow < 0) return PhotoTemplates::None;
    int holding = 0;
    int slot = -1;
    for (int row = 0; row < slotTable.rowCount(); ++row) {
        if (SlotPhotoRow(slotTable, row) != photoRow) continue;
        ++holding;
        slot = row;
    }
    if (holding == 0) return PhotoTemplates::None;
    if (holding > 1) return PhotoTemplates::Several;
    const int usedRow = SlotUsedRow(slotTable, slot);
    for (int row = 0; row < slotTable.rowCount(); ++row)
        if (SlotUsedRow(slotTable, row) == usedRow && slotTable.cell(row, SlotColumn::kMatchState).isEmpty())
            return PhotoTemplates::OneIncomplete;
    return PhotoTemplates::OneComplete;
}
