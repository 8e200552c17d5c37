#include "templates/TemplateManager.h"

namespace {
constexpr int kTileMargin = 10;     // left and top of the first tile
constexpr int kTileGapAcross = 15;  // between two tiles of a row
constexpr int kTileGapDown = 20;    // between two rows
constexpr int kCellInset = 6;       // the thumbnail is the cell less this, each way
constexpr int kPanelBorder = 3;     // the thumbnail's place on its panel

const QString kPhotoTilePrefix = QStringLiteral("Imagem_");
const QString kFrameTilePrefix = QStringLiteral("Imagem_k");

// The number after `prefix` in `name`, or -1 when the rest is not a plain decimal number.
int NumberAfter(const QString& name, const QString& prefix) {
    if (!name.startsWith(prefix)) return -1;
    const QString digits = name.mid(prefix.size());
    if (digits.isEmpty()) return -1;
    for (QChar c : digits)
        if (c < '0' || c > '9') return -1;
    bool ok = false;
    const int number = digits.toInt(&ok);
    return ok ? number : -1;
}
}  // namespace

// ---- The album.

QVector<ManagerSlot> SlotsOfTemplate(const ManagerAlbum& album, int usedRow) {
    QVector<ManagerSlot> found;
    for (const ManagerSlot& slot : album.slotList)
        if (slot.usedRow == usedRow) found.append(slot);
    return found;
}

int UnmatchedSlotCount(const ManagerAlbum& album, int usedRow) {
    int count = 0;
    for (const ManagerSlot& slot : album.slotList)
        if (slot.usedRow == usedRow && !slot.matched) ++count;
    return count;
}

QVector<ManagerSlot> AssignmentsOfPhoto(const ManagerAlbum& album, int photoRow) {
    QVector<ManagerSlot> found;
    if (photoRow < 0) return found;
    for (const ManagerSlot& slot : album.slotList)
        if (slot.photoRow == photoRow) found.append(slot);
    return found;
}

// ---- Tiles.

QSize TileSize(QSize photoCell) { return photoCell + QSize(10, 10); }

int TilesPerRow(int areaWidth, QSize tile) {
    if (tile.width() <= 0) return 1;
    return qMax(1, areaWidth / tile.width());
}

QPoint TilePosition(int index, int areaWidth, QSize tile) {
    const int perRow = TilesPerRow(areaWidth, tile);
    const int column = index % perRow;
    const int row = index / perRow;
    return {kTileMargin + column * (tile.width() + kTileGapAcross),
            kTileMargin + row * (tile.height() + kTileGapDown)};
}

int TilesHeight(int count, int areaWidth, QSize tile) {
    if (count <= 0) return 0;
    return TilePosition(count - 1, areaWidth, tile).y() + tile.height() + kTileLabelHeight + kTileMargin;
}

QString PhotoTileName(int photoRow) { return kPhotoTilePrefix + QString::number(photoRow); }
QString PhotoLabelName(int photoRow) { return "Label_" + QString::number(photoRow); }
QString FrameTileName(int slotNumber) { return kFrameTilePrefix + QString::number(slotNumber); }
QString FrameLabelName(int slotNumber) { return "Label_k" + QString::number(slotNumber); }
int PhotoTileNumber(const QString& name) { return NumberAfter(name, kPhotoTilePrefix); }
int FrameTileNumber(const QString& name) { return NumberAfter(name, kFrameTilePrefix); }

// ---- Thumbnails.

QSize ThumbnailSize(QSize photo, QSize photoCell) {
    const int pw = photo.width(), ph = photo.height();
    if (pw <= 0 || ph <= 0) return {};
    const int boxWidth = photoCell.width() - kCellInset;
    const int boxHeight = photoCell.height() - kCellInset;
    if (ph <= pw) {
        const int height = ph * boxWidth / pw;
        if (height <= boxHeight) return {boxWidth, height};
        return {pw * boxHeight / ph, boxHeight};
    }
    const int width = pw * boxHeight / ph;
    if (width <= boxWidth) return {width, boxHeight};
    return {boxWidth, ph * boxWidth / pw};
}

QRect ThumbnailPicture(QSize picture) { return {QPoint(kPanelBorder, kPanelBorder), picture}; }
QSize ThumbnailPanel(QSize picture) { return picture + QSize(2 * kPanelBorder, 2 * kPanelBorder); }

QString PhotoNumberText(int photoRow) { return "〔" + QString::number(photoRow + 1) + "〕"; }

QString PhotoTileHint(int photoRow, const QString& name) {
    return "第" + QString::number(photoRow + 1) + "张, 照片名称: " + name;
}

// ---- Frames and the drop.

QString FrameKind(int index, int horizontal) {
    return index < horizontal ? kHorizontalFrame : kVerticalFrame;
}

QSize FrameCardSize(const QString& kind) {
    return kind == kVerticalFrame ? QSize(54, 89) : QSize(89, 54);
}

QString FrameCardCaption(const QString& kind) {
    return kind == kVerticalFrame ? QStringLiteral("竖照片") : QStringLiteral("横照片");
}

QString DropRefusal(QSize photo, const QString& kind) {
    const bool horizontal = photo.height() <= photo.width();
    if (horizontal == (kind == kHorizontalFrame)) return {};
    return "此处需要一张" + QString(kind == kHorizontalFrame ? "横" : "竖") + "照片！";
}

QPoint DragBoxPosition(QPoint mouse, QRect strip, QSize box) {
    int left = mouse.x() - box.width() / 2;
    int top = mouse.y() - box.height() / 2;
    const int stripRight = strip.left() + strip.width();
    const int stripBottom = strip.top() + strip.height();
    if (left <= strip.left()) left = strip.left() + 20;
    if (top <= strip.top()) top = strip.top() + 20;
    if (left + box.width() >= stripRight) left = stripRight - box.width() - 40;
    if (top + box.height() >= stripBottom) top = stripBottom - box.height() - 20;
    return {left, top};
}

// ---- Messages.

QString UnmatchedSlotsMessage(int count) {
    return "选中的模板文件,照片与此模板还有 " + QString::number(count) + " 处没有完成匹配！";
}

QString PhotoTemplatesLabel(int count) {
    return "此张照片用在 " + QString::number(count) + " 个模板文件中,选择下面一项后,点确定按钮,开始预览效果";
}
