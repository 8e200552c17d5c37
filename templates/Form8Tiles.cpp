// Form8's tiles: the photo strip, the frames of the template shown, and dragging a photo
// from one to the other.

#include <QCoreApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QProgressBar>
#include <QScrollArea>

#include "platform/TextTable.h"
#include "platform/Timer.h"
#include "templates/Form8.h"
#include "templates/TemplateManagerServices.h"
#include "templates/TemplateTables.h"

namespace {
const QString kFramesExist = QStringLiteral("xiezai_zhaopian_kuang");
const QString kNone = QStringLiteral("wu");
const QString kPressed = QStringLiteral("anxia");
const QString kReleased = QStringLiteral("songkai");
const QColor kTeal(0, 128, 128);

QSize MainPhotoCell() {
    Window* main = Windows::find("Form2");
    const QWidget* cell = main ? main->findChild<QWidget*>("Image1") : nullptr;
    return cell && !cell->size().isEmpty() ? cell->size() : kDesignedPhotoCell;
}
}  // namespace

QSize Form8::tileSize() const { return TileSize(MainPhotoCell()); }

QLabel* Form8::photoTile(int photoRow) const { return photoTiles_.value(photoRow, nullptr); }
QLabel* Form8::frameTile(int slotNumber) const { return frameTiles_.value(slotNumber, nullptr); }
QLabel* Form8::frameLabel(int slotNumber) const { return frameLabels_.value(slotNumber, nullptr); }

QLabel* Form8::makeTile(QWidget* area, const QString& name, const QString& labelName, QLabel** label) {
    auto* tile = new QLabel(area);
    tile->setObjectName(name);
    tile->resize(tileSize());
    tile->setAlignment(Qt::AlignCenter);
    tile->setStyleSheet("background: #22323f;");
    *label = new QLabel(area);
    (*label)->setObjectName(labelName);
    (*label)->resize(tileSize().width(), kTileLabelHeight);
    (*label)->setAlignment(Qt::AlignCenter);
    (*label)->setAutoFillBackground(true);
    (*label)->setStyleSheet("background: #2d4a5e; color: white; font-size: 9pt;");
    return tile;
}

void Form8::layOutTiles(QWidget* content, const QVector<QLabel*>& tiles, const QVector<QLabel*>& labels) {
    const QSize tile = tileSize();
    const int areaWidth = content == photoContent_ ? kPhotoStripSize.width() : kFrameAreaSize.width();
    const int areaHeight = content == photoContent_ ? kPhotoStripSize.height() : kFrameAreaSize.height();
    for (int i = 0; i < tiles.size(); ++i) {
        const QPoint at = TilePosition(i, areaWidth, tile);
        tiles[i]->move(at);
        labels[i]->move(at.x(), at.y() + tile.height());
    }
    content->resize(areaWidth - 2, qMax(areaHeight - 2, TilesHeight(int(tiles.size()), areaWidth, tile)));
}

// ---- Photo tiles.

void Form8::finishLoading() {
    if (Timer1->enabled()) Timer1Timer();
}

void Form8::Timer1Timer() {
    Timer1->setEnabled(false);
    attachAlbumTables();
    setEnabled(false);
    makePhotoTiles();
    setEnabled(true);
    TemplateServices().showMessage(photoTiles_.isEmpty() ? kNoPhotosToLoad : kPhotosLoaded);
}

void Form8::makePhotoTiles() {
    destroyPhotoTiles();
    const ManagerAlbum album = TemplateServices().album();
    for (int n = 0; n < album.photos.size(); ++n) {
        QLabel* label = nullptr;
        QLabel* tile = makeTile(photoContent_, PhotoTileName(n), PhotoLabelName(n), &label);
        tile->hide();
        label->hide();
        tile->installEventFilter(this);
        photoTiles_.append(tile);
        photoLabels_.append(label);
    }
    const QSize cell = MainPhotoCell();
    for (int n = 0; n < album.photos.size(); ++n) {
        const ManagerPhoto& photo = album.photos[n];
        QSize picture = ThumbnailSize(photo.size, cell);
        if (picture.isEmpty()) picture = cell - QSize(6, 6);  // a photo without a size shows its icon
        const PanelPlacement placement{ThumbnailPanel(picture), ThumbnailPicture(picture)};
        const QImage image = TemplateServices().photoTile(photo.path, photo.size, placement, PhotoNumberText(n));
        photoTiles_[n]->setPixmap(QPixmap::fromImage(image));
        photoTiles_[n]->setToolTip(PhotoTileHint(n, photo.name));
        photoLabels_[n]->setText(photo.name);
        ProgressBar1->setValue(qMin(ProgressBar1->maximum(), ProgressBar1->value() + 1));
    }
    layOutTiles(photoContent_, photoTiles_, photoLabels_);
    for (int n = 0; n < photoTiles_.size(); ++n) {
        photoTiles_[n]->show();
        photoLabels_[n]->show();
    }
}

void Form8::destroyPhotoTiles() {
    qDeleteAll(photoTiles_);
    qDeleteAll(photoLabels_);
    photoTiles_.clear();
    photoLabels_.clear();
}

// ---- Frame tiles.

QImage Form8::frameCard(const QString& kind) const {
    QImage card(FrameCardSize(kind), QImage::Format_RGB32);
    card.fill(Qt::white);
    QPainter painter(&card);
    const QRect inner = card.rect().adjusted(3, 3, -3, -3);
    painter.fillRect(inner, kTeal);
    painter.setPen(Qt::white);
    QFont font = painter.font();
    font.setPixelSize(12);
    painter.setFont(font);
    painter.drawText(inner, Qt::AlignCenter, FrameCardCaption(kind));
    return card;
}

void Form8::makeFrameTiles(int usedRow) {
    const TextTable* used = usedTemplates();
    if (!used) return;
    const int horizontal = used->cell(usedRow, TemplateList::Col::HorizontalPhotos).toInt();
    const int vertical = used->cell(usedRow, TemplateList::Col::VerticalPhotos).toInt();
    for (int k = 0; k < horizontal + vertical; ++k) {
        const QString kind = FrameKind(k, horizontal);
        QLabel* label = nullptr;
        QLabel* tile = makeTile(frameContent_, FrameTileName(k), FrameLabelName(k), &label);
        tile->setPixmap(QPixmap::fromImage(frameCard(kind)));
        label->setToolTip(kind);
        label->setText(kFrameLabelText);
        frameTiles_.append(tile);
        frameLabels_.append(label);
    }
    layOutTiles(frameContent_, frameTiles_, frameLabels_);
    for (int k = 0; k < frameTiles_.size(); ++k) {
        frameTiles_[k]->show();
        frameLabels_[k]->show();
    }
    Edit_zhaopian_kuang = kFramesExist;

    const ManagerAlbum album = TemplateServices().album();
    for (const ManagerSlot& slot : SlotsOfTemplate(album, usedRow)) {
        if (!slot.matched) continue;
        QLabel* frame = frameTile(slot.slotNumber);
        QLabel* photo = photoTile(slot.photoRow);
        if (!frame || !photo) continue;
        frame->setPixmap(photo->pixmap());
        frameLabel(slot.slotNumber)->setText(album.photos.value(slot.photoRow).name);
    }
}

void Form8::destroyFrameTiles() {
    qDeleteAll(frameTiles_);
    qDeleteAll(frameLabels_);
    frameTiles_.clear();
    frameLabels_.clear();
    Edit_zhaopian_kuang = kNone;
}

// ---- Dragging a photo onto a frame.

bool Form8::eventFilter(QObject* watched, QEvent* event) {
    auto* label = qobject_cast<QLabel*>(watched);
    const bool dragSource = watched == ScrollBox_yidongkongjian || (label && photoTiles_.contains(label));
    if (dragSource && dragEvent(label, event)) return true;
    return Window::eventFilter(watched, event);
}

// Pressing a photo tile takes the photo up in the drag box; the box follows the mouse
// while the button is held (pressing the box itself takes it up again); releasing over a
// frame drops the photo there, anywhere else puts it back.
bool Form8::dragEvent(QLabel* tile, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseMove && type != QEvent::MouseButtonRelease)
        return false;
    auto* mouse = static_cast<QMouseEvent*>(event);
    const QPoint global = mouse->globalPosition().toPoint();
    const QPoint here = mapFromGlobal(global);
    if (type == QEvent::MouseButtonPress) {
        if (mouse->button() != Qt::LeftButton) return false;
        if (tile) {
            startDrag(PhotoTileNumber(tile->objectName()), here);
        } else {
            Edit_tuodong_kaiguan = kPressed;
            grab_ = here - ScrollBox_yidongkongjian->pos();
        }
        return true;
    }
    if (Edit_tuodong_kaiguan != kPressed) return false;
    if (type == QEvent::MouseMove) {
        ScrollBox_yidongkongjian->move(here - grab_);
        const int frame = frameUnder(global);
        Edit_mobankuang_id = frame >= 0 ? QString::number(frame) : QString();
        return true;
    }
    if (mouse->button() != Qt::LeftButton) return false;
    Edit_tuodong_kaiguan = kReleased;
    ScrollBox_yidongkongjian->hide();
    const int frame = frameUnder(global);
    if (frame < 0) return true;  // released away from every frame: nothing changes
    Edit_mobankuang_id = QString::number(frame);
    dropPhoto(Edit_zhaopian_id.toInt(), frame);
    return true;
}

void Form8::startDrag(int photoRow, QPoint mouse) {
    Edit_zhaopian_id = QString::number(photoRow);
    if (Edit_mobanhangshu.isEmpty()) {
        ScrollBox_yidongkongjian->hide();
        TemplateServices().showMessage(kNoTemplateShown);
        return;
    }
    const QLabel* tile = photoTile(photoRow);
    const QPixmap picture = tile ? tile->pixmap() : QPixmap();
    dragPicture_->setPixmap(picture.isNull() ? picture
                                             : picture.scaled(dragPicture_->size(), Qt::KeepAspectRatio,
                                                              Qt::SmoothTransformation));
    dragName_->setText(photoLabels_.value(photoRow) ? photoLabels_[photoRow]->text() : QString());
    ScrollBox_yidongkongjian->move(DragBoxPosition(mouse, ScrollBox_zhapian->geometry()));
    ScrollBox_yidongkongjian->show();
    ScrollBox_yidongkongjian->raise();
    Edit_tuodong_kaiguan = kPressed;
    grab_ = mouse - ScrollBox_yidongkongjian->pos();
    Edit_tuodong_down_x = QString::number(grab_.x());
    Edit_tuodong_down_y = QString::number(grab_.y());
}

int Form8::frameUnder(QPoint global) const {
    const QWidget* viewport = ScrollBox_mobankuang->viewport();
    if (!viewport->rect().contains(viewport->mapFromGlobal(global))) return -1;
    for (int k = 0; k < frameTiles_.size(); ++k) {
        const QLabel* tile = frameTiles_[k];
        if (tile->isVisible() && tile->rect().contains(tile->mapFromGlobal(global))) return k;
    }
    return -1;
}

void Form8::dropPhoto(int photoRow, int slotNumber) {
    if (Edit_mobanhangshu.isEmpty()) return TemplateServices().showMessage(kNoTemplateShown);
    QLabel* frame = frameTile(slotNumber);
    const ManagerAlbum album = TemplateServices().album();
    if (!frame || photoRow < 0 || photoRow >= album.photos.size()) return;
    const ManagerPhoto& photo = album.photos[photoRow];
    const QString refusal = DropRefusal(photo.size, frameLabel(slotNumber)->toolTip());
    if (!refusal.isEmpty()) return TemplateServices().showMessage(refusal);

    if (const QLabel* tile = photoTile(photoRow)) frame->setPixmap(tile->pixmap());
    frameLabel(slotNumber)->setText(photo.name);
    const int usedRow = Edit_mobanhangshu.toInt() - 1;
    for (const ManagerSlot& slot : SlotsOfTemplate(album, usedRow))
        if (slot.slotNumber == slotNumber) TemplateServices().placePhoto(slot.row, photoRow);
}

bool Form8::dragPhotoToFrame(int photoRow, int slotNumber) {
    QLabel* photo = photoTile(photoRow);
    QLabel* frame = frameTile(slotNumber);
    if (!photo || !frame) return false;
    ScrollBox_zhapian->ensureWidgetVisible(photo, 0, 0);
    ScrollBox_mobankuang->ensureWidgetVisible(frame, 0, 0);
    const QPoint from = photo->rect().center();
    const QPoint to = frame->mapTo(photo->window(), frame->rect().center());
    const QPoint fromGlobal = photo->mapToGlobal(from);
    const QPoint toGlobal = photo->window()->mapToGlobal(to);
    auto send = [photo](QEvent::Type type, QPoint global, Qt::MouseButton button, Qt::MouseButtons held) {
        QMouseEvent event(type, QPointF(photo->mapFromGlobal(global)), QPointF(global), button, held, Qt::NoModifier);
        QCoreApplication::sendEvent(photo, &event);
    };
    send(QEvent::MouseButtonPress, fromGlobal, Qt::LeftButton, Qt::LeftButton);
    send(QEvent::MouseMove, toGlobal, Qt::NoButton, Qt::LeftButton);
    send(QEvent::MouseButtonRelease, toGlobal, Qt::LeftButton, Qt::NoButton);
    return true;
}
