#pragma once
// The rules of the template manager (Form8) and the two windows it opens, the template
// preview (Form19) and a photo's templates (Form20). No window in it.
//
// Tiles. Form8 shows every album photo as a tile in its photo strip and every photo place
// of the chosen used template as a frame tile in its frame area. A tile is the main
// window's photo cell plus 10 pixels each way (118 x 96 -> 128 x 106); its picture is
// centred in it and a caption label 25 pixels high stands right under it. Both areas lay
// their tiles out in rows:
//
//     tiles per row = area width / tile width                  (593 / 128 = 4)
//     tile i        column c = i mod that, row r = i / that
//                   left = 10 + c * (tile width + 15), top = 10 + r * (tile height + 20)
//
// so the fifth of five photos in a strip 593 wide starts the second row at (10, 136).
//
// A photo tile is named "Imagem_" + n and its label "Label_" + n (n: the photo's 0-based
// row in the photo table); a frame tile "Imagem_k" + k and its label "Label_k" + k (k: the
// slot number, 对应控件, within the shown template). The number is read back from the name.
//
// Thumbnail. The photo (recorded size pw x ph) is fitted into the cell less 6 pixels
// (112 x 90) keeping its proportions: a horizontal photo (ph <= pw) 112 wide, or 90 high
// when that is taller; a vertical one 90 high, or 112 wide when that is wider. It stands at
// (3, 3) on a panel 6 pixels larger each way, its number "〔n + 1〕" written at (3, 3) on a
// yellow box.
//
// Frames. The first Nh frame tiles of a template are horizontal ("heng", a white 89 x 54
// card with "横照片"), the next Nv vertical ("shu", 54 x 89 with "竖照片"). A photo counts
// as horizontal when its height is not greater than its width, so a square photo fits a
// horizontal frame; a photo of the other kind is refused with "此处需要一张横照片！" or
// "此处需要一张竖照片！" (the frame's kind). A drop outside every frame changes nothing.
//
// The album as the windows see it: ManagerAlbum, a snapshot of the photo table and the
// slot table read by photos/ManualMatching.h. The rules below answer from a snapshot.
//
// Integer arithmetic throughout: multiply first, then divide, truncating.

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <QVector>

// ---- The album, as a snapshot.

struct ManagerPhoto {
    QString name;  // 照片: file name without folder and extension
    QString path;  // 位置
    QSize size;    // recorded (upright) width and height
};

struct ManagerSlot {
    int row = -1;          // the slot's row in the slot table
    int usedRow = -1;      // 行号: 0-based row of its used template
    int slotNumber = -1;   // 对应控件: its number within the template
    bool vertical = false; // 横照或竖照: a vertical place
    bool matched = false;  // 匹配状态 not empty: a photo was put there
    int photoRow = -1;     // 照片位置行号, -1 when empty
    QString templateName;  // 模板名称
    QString photoPath;     // 照片位置
    QString cropMark;      // 剪裁标记
};

struct ManagerAlbum {
    QVector<ManagerPhoto> photos;     // in photo-table order
    QVector<ManagerSlot> slotList;    // in slot-table order
};

// The slots of used template `usedRow`, in slot-table order.
QVector<ManagerSlot> SlotsOfTemplate(const ManagerAlbum& album, int usedRow);
// How many slots of used template `usedRow` hold no photo.
int UnmatchedSlotCount(const ManagerAlbum& album, int usedRow);
// The slots holding photo `photoRow`, in slot-table order; none for a negative row.
QVector<ManagerSlot> AssignmentsOfPhoto(const ManagerAlbum& album, int photoRow);

// ---- Tiles and their layout.

// The main window's photo cell as designed; Form8 reads the real one when it is there.
inline constexpr QSize kDesignedPhotoCell{118, 96};
// The frame area and the photo strip of Form8.
inline constexpr QSize kFrameAreaSize{593, 209};
inline constexpr QSize kPhotoStripSize{593, 289};
// The drag box that follows the mouse.
inline constexpr QSize kDragBoxSize{105, 105};
// Height of a tile's caption label.
inline constexpr int kTileLabelHeight = 25;

QSize TileSize(QSize photoCell);
// Tiles per row in an area `areaWidth` wide (at least 1).
int TilesPerRow(int areaWidth, QSize tile);
// The top-left corner of tile `index` in an area `areaWidth` wide.
QPoint TilePosition(int index, int areaWidth, QSize tile);
// The height an area needs to hold `count` tiles with their labels.
int TilesHeight(int count, int areaWidth, QSize tile);

// Names of the tiles and the number read back from a name (-1 when it is not one).
QString PhotoTileName(int photoRow);
QString PhotoLabelName(int photoRow);
QString FrameTileName(int slotNumber);
QString FrameLabelName(int slotNumber);
int PhotoTileNumber(const QString& name);  // "Imagem_3" -> 3; "Imagem_k3" -> -1
int FrameTileNumber(const QString& name);  // "Imagem_k3" -> 3

// ---- Thumbnails.

// The picture of a photo of `photo` in a cell of `photoCell` (112 x 90 at most for the
// designed cell); an empty size for a photo without a positive size.
QSize ThumbnailSize(QSize photo, QSize photoCell = kDesignedPhotoCell);
// The panel a thumbnail of `picture` stands on: 6 pixels larger, the picture at (3, 3).
QRect ThumbnailPicture(QSize picture);
QSize ThumbnailPanel(QSize picture);
// "〔n + 1〕": the number written on tile n.
QString PhotoNumberText(int photoRow);
// The tile's hint: "第" + (n + 1) + "张, 照片名称: " + name.
QString PhotoTileHint(int photoRow, const QString& name);

// ---- Frames and the drop.

// The kind words of a frame label's hint.
inline const QString kHorizontalFrame = QStringLiteral("heng");
inline const QString kVerticalFrame = QStringLiteral("shu");

// The kind of frame tile `index` of a template with `horizontal` horizontal places.
QString FrameKind(int index, int horizontal);
// The placeholder card of a frame kind: 89 x 54 for "heng", 54 x 89 for "shu".
QSize FrameCardSize(const QString& kind);
QString FrameCardCaption(const QString& kind);  // 横照片 / 竖照片
// The text every frame label shows until a photo is put there.
inline const QString kFrameLabelText = QStringLiteral("显示照片名称");

// Why a photo of `photo` may not go into a frame of `kind`; empty when it may.
QString DropRefusal(QSize photo, const QString& kind);

// Where the drag box goes when a photo tile is pressed at `mouse` (window coordinates):
// centred on the mouse, then kept inside the photo strip `strip` (a left edge at or left of
// the strip's moves to strip left + 20, a top at or above the strip's to strip top + 20, a
// right edge at or past the strip's to strip right - box width - 40, a bottom at or past
// the strip's to strip bottom - box height - 20).
QPoint DragBoxPosition(QPoint mouse, QRect strip, QSize box = kDragBoxSize);

// ---- Messages of the three windows.

inline const QString kNoTemplateSelected = QStringLiteral("没有选中模板文件！");
inline const QString kNoUsedTemplates = QStringLiteral("没有添加模板文件！");
inline const QString kNoLibraryTemplates = QStringLiteral("没有找到模板文件！");
inline const QString kNoTemplateShown =
    QStringLiteral("没有选中已经添加模板文件！选中模板后,模板所需照片框会出现");
inline const QString kPhotosLoaded = QStringLiteral("加载照片文件完成！");
inline const QString kNoPhotosToLoad = QStringLiteral("没有添加照片文件,不能完成照片文件与模板文件的匹配！");
inline const QString kDeleteCaption = QStringLiteral("删除模板文件");
inline const QString kDeleteOneQuestion = QStringLiteral("是否确定要删除当前选中已经使用的模板文件?");
inline const QString kDeleteAllQuestion = QStringLiteral("是否确定要删除全部已经使用的模板文件?");
inline const QString kDeletedOne = QStringLiteral("选中的模板文件已经删除！");
inline const QString kDeletedAll = QStringLiteral("已经使用的模板文件已经全部删除！");
inline const QString kCompleteCaption = QStringLiteral("补全照片文件");
inline const QString kCompleteQuestion =
    QStringLiteral("此模板中的照片文件没有补全,是否确定现在去补全照片文件?");

// "选中的模板文件,照片与此模板还有 " + count + " 处没有完成匹配！"
QString UnmatchedSlotsMessage(int count);
// Form20's label: "此张照片用在 " + count + " 个模板文件中,选择下面一项后,点确定按钮,开始预览效果"
QString PhotoTemplatesLabel(int count);
