#pragma once
// The crop window's arithmetic (Form9, "照片剪裁"): one placed photo seen inside its slot,
// zoomed, dragged and saved back into the slot's two crop rectangles. No window in it.
//
// Geometry. The outer area is 800 x 450. The slot view is the slot's frame at screen scale,
// centred in the outer area; the photo lies in the view at (left, top) with its screen size
// and may reach past the view, which cuts it. The stored rectangles (Crop.h) are in the
// frame's units: where the scaled photo's top-left corner lies relative to the slot's and
// how large the scaled photo is.
//
// The frame (tw, th) is the slot's own size (mobanchicun_width x _height); a slot of width 0
// stands for the whole frame, and what stands in depends on the step:
//
//   step                           horizontal slot, width 0   vertical slot, width 0
//   Selection (and 默认大小)        1920 x 1080                fit width x fit height
//   ModeChange                     1920 x 1080                1080 x 1920
//   Placement (showing, saving)    1920 x 1080                1920 x 1080
//
// The view: a horizontal slot takes the outer width (height 800 * th / tw), a vertical slot
// the outer height (width 450 * tw / th). A view that would reach past the outer area the
// other way is limited to it, so the whole slot is always in sight.
//
// Modes and categories (the used template's 分类):
//
//   category   mode on selection                   radio buttons   zoom, default, drag
//   综合模板   full                                 hidden          on
//   横照模板   by 剪裁标记: shizhong fit, else full   shown           on in full mode only
//   竖照模板   fit                                  hidden          on
//
// Any other category is taken as 综合模板.
//
// A vertical slot of width 0 is special throughout: the view is as wide as the photo, so
// the photo only moves up and down, and zooming widens the view with it (refused once the
// view is wider than the outer area less 100).
//
// Zoom steps are a tenth of the view width; the height follows the photo's recorded
// proportions and the photo is centred in the view (earlier dragging is lost). Zooming out
// is refused once the photo no longer covers the view; zooming in is refused beyond
// kMaxCropZoom times the view width (a photo drawn ever larger takes ever more memory);
// a refusal shows its message and then the stored rectangle again.
//
// Integer arithmetic: multiply first, then divide, truncating toward zero. A division by 0
// (a damaged row) gives 0, never a fault.

#include <QRect>
#include <QSize>
#include <QString>

#include "photos/Crop.h"

class TextTable;

enum class CropMode { Full, Fit };
enum class CropFrameStep { Selection, ModeChange, Placement };

inline const QString kCropZoomInRefusal =
    QStringLiteral("不能再放大了,点[确定]按钮，照片大小恢复到默认大小！");
inline const QString kCropZoomOutRefusal =
    QStringLiteral("不能再缩小了,点[确定]按钮，照片大小恢复到默认大小！");
inline const QString kCropSaved = QStringLiteral("保存剪裁完成！");
inline const QString kCropNoPhotos = QStringLiteral("没有添加照片文件！");
inline const QString kCropNoPlacedPhotos = QStringLiteral("添加的照片文件没有与模板文件匹配！");
inline const QString kCropNoneChosen = QStringLiteral("没有选中照片文件！");

inline const QSize kCropOuterArea(800, 450);
inline constexpr int kMaxCropZoom = 5;

// What the crop window needs of one slot row.
struct CropSlot {
    QString category;      // 模板分类 (col 6)
    bool vertical = false; // 横照或竖照 is shu_zhaopian
    int width = 0;         // mobanchicun_width; 0: the whole frame
    int height = 0;        // mobanchicun_height
    CropValues crop;       // the stored rectangles and the mark
    QSize photo;           // the photo's recorded size (its PhotoRecord)
    bool verticalWholeFrame() const { return vertical && width == 0; }
};
CropSlot ReadCropSlot(const TextTable& slotTable, int slotRow, const TextTable& photos);

// The frame of `slot` for `step` (the table above).
QSize CropFrameSize(const CropSlot& slot, CropFrameStep step);
// The slot view for `frame` in `outer`.
QSize CropViewSize(const CropSlot& slot, QSize frame, QSize outer = kCropOuterArea);

struct CropModeRules {
    CropMode mode = CropMode::Full;
    bool radiosShown = false;
    bool editable = true;  // zoom, default size and dragging
};
CropModeRules CropRulesOnSelection(const CropSlot& slot);
// Whether zoom, default size and dragging are on for `category` in `mode`.
bool CropEditable(const QString& category, CropMode mode);

// The view and the photo in it (photo: place in the view and screen size).
struct CropShowing {
    QSize view;
    QRect photo;
};

// The photo shown from the stored rectangle of `mode` in the view `view`: screen size
// w = VW * cw / tw, h = VH * ch / th with (tw, th) the Placement frame; for a vertical slot
// of width 0, w = h * cw / ch and the view takes width w; place (VW * x / tw, VH * y / th).
CropShowing ShowStoredCrop(const CropSlot& slot, CropMode mode, QSize view);

struct CropZoom {
    CropShowing showing;  // the new view and photo, when not refused
    QString refusal;      // shown first; then the stored rectangle is shown again
    bool refused() const { return !refusal.isEmpty(); }
};
// Zooming the photo of screen size `photoSize` in the view `view` in or out by one step.
CropZoom ZoomCropIn(const CropSlot& slot, QSize view, QSize photoSize, QSize outer = kCropOuterArea);
CropZoom ZoomCropOut(const CropSlot& slot, QSize view, QSize photoSize);

// The photo pulled back after a drag so that it covers the view: left > 0 becomes 0, top > 0
// becomes 0, then a right edge short of the view makes it flush right, a bottom edge short
// of it flush with the bottom (so a photo narrower than the view ends flush right).
QRect SnapCropBack(QRect photo, QSize view);

// The stored values after "保存剪裁" of the photo `photo` (place and screen size) in the
// view `view` in `mode`; with (tw, th) the Placement frame, r = (L * tw / VW, T * th / VH,
// w * tw / VW, h * th / VH):
//   综合模板 and 横照模板 in full mode: the full rectangle = r, mark full;
//   横照模板 in fit mode: the fit rectangle = r, mark fit;
//   竖照模板: both rectangles = (0, r.top, H * w / h, H) with H = r.height, mark fit.
// The other rectangle stays as it was.
CropValues SavedCrop(const CropSlot& slot, CropMode mode, QSize view, QRect photo);
