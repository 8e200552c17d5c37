#pragma once
// The photo page view of the main window: the rules, without a window.
//
// Pages. The album's photos are shown nine to a page; cell N (1 ... 9) of page p shows the
// photo of row p * 9 + N - 1 of the photo table. Pages are numbered from 0 and the last
// page number is (number of photos) / 9, so 18 photos have the pages 0, 1 and an empty 2.
// A page command answers the page to load, or a refusal:
//
//   command   refused when                      else
//   First     no photos; the page is 0          0
//   Previous  no photos; the page is 0          page - 1
//   Next      no photos; page = last page       page + 1
//   Last      no photos; page = last page       last page
//
// The large photo. A cell click shows its photo large in the photo area (area width x
// height); zooming changes the wanted width by a tenth of the area width and takes the
// height in the area's proportions; the default is the area less 6 pixels each way. The
// photo is fitted into the wanted size by the display modes of the system settings (see
// LargePhotoSize) and centred in the area; it may be larger than the area, which cuts it.
//
// Zoom limits. Zooming out to a width or height of 0 or less shows the refusal and the
// default size. Zooming in stops at kMaxLargeZoom times the area width: a photo drawn ever
// larger would take more memory with every step, until none is left.
//
// Integer arithmetic: multiply first, then divide, truncating toward zero.

#include <QPoint>
#include <QSize>
#include <QString>

class TextTable;

inline constexpr int kPhotosPerPage = 9;

// The last page number: photoCount / 9 (an empty last page when the count divides by 9).
int LastPageNumber(int photoCount);

enum class PageCommand { First, Previous, Next, Last };

struct PageTurn {
    int page = 0;     // the page to load, when not refused
    QString refusal;  // the message when the page stays as it is
    bool refused() const { return !refusal.isEmpty(); }
};
PageTurn TurnPage(PageCommand command, int page, int photoCount);

// The photo-table row of cell `cell` (1 ... 9) of page `page`.
int CellPhotoRow(int page, int cell);

// The messages of the page view.
inline const QString kNoPhotosMessage = QStringLiteral("没有添加照片文件！");
inline const QString kNoPhotoChosenMessage = QStringLiteral("没有选中照片文件！");
inline const QString kFirstPageMessage = QStringLiteral("已经是第一页了！");
inline const QString kLastPageMessage = QStringLiteral("已经是最后一页了！");
inline const QString kZoomOutRefusal =
    QStringLiteral("不能再缩小了,点[确定]按钮，照片大小恢复到默认大小！");
inline const QString kLargeZoomInRefusal = QStringLiteral("不能再放大了！");
inline const QString kPreviewHint = QStringLiteral("双击照片预览效果！");

// The display modes of Form18 that the large photo reads.
struct LargePhotoModes {
    bool horizontalFit = false;  // RadioButton_zhujiemian_heng_shizhong (else the width is filled)
    bool verticalFit = true;     // RadioButton_zhujiemian_shu_shizhong
};

// The size the photo (recorded size `photo`) is drawn at for the wanted size `wanted`:
//   horizontal photo (height <= width): the box is `wanted`, or `wanted` - 6 each way in the
//     fit mode; the photo takes the box width and its height in proportion; only in the fit
//     mode is it then limited to the box height (the width following);
//   vertical photo: the box is `wanted`, or `wanted` - 6 in its fit mode; the photo takes
//     the box height and its width in proportion, limited to the box width.
// An empty size when the photo or the box has no area.
QSize LargePhotoSize(QSize photo, QSize wanted, const LargePhotoModes& modes);

// The place of a picture centred in an area: area / 2 - picture / 2 each way.
QPoint CentredIn(QSize area, QSize picture);

// The wanted size of the large photo by default: the area less 6 each way.
QSize DefaultLargeSize(QSize area);

// Zooming the large photo from the wanted size `current` in the area `area`.
struct LargeZoom {
    QSize size;       // the new wanted size
    QString refusal;  // shown first when the zoom is refused
    bool refused() const { return !refusal.isEmpty(); }
};
inline constexpr int kMaxLargeZoom = 5;
// In: width + area width / 10, height = width * area height / area width; refused (the
// size stays) beyond kMaxLargeZoom * area width.
LargeZoom ZoomLargeIn(QSize current, QSize area);
// Out: width - area width / 10, height as above; refused with the default size when the
// width or the height would be 0 or less.
LargeZoom ZoomLargeOut(QSize current, QSize area);

// The place of the dragged photo: the cursor in the main window, less the photo area's
// top-left corner in the window, less the point where the photo was grabbed.
QPoint DraggedPhotoPlace(QPoint cursorInWindow, QPoint areaInWindow, QPoint grab);

// What a double-click on a cell opens: the templates that use the cell's photo.
enum class PhotoTemplates {
    None,                // no slot holds the photo: nothing opens
    OneComplete,         // one slot, its template has no empty slot: opened and played at once
    OneIncomplete,       // one slot, its template still has empty slots: opened only
    Several,             // several slots: opened to choose
};
// Counts the slots (of the slot table) holding photo row `photoRow`; for exactly one, looks
// at the slots of the same used template whose 匹配状态 is empty.
PhotoTemplates TemplatesOfPhoto(const TextTable& slotTable, int photoRow);
