#include "platform/Thumbnails.h"

#include <QFileIconProvider>
#include <QFileInfo>
#include <QPainter>

#include "platform/Exif.h"

namespace {

qint64 Pixels(const QImage& image) { return qint64(image.width()) * image.height(); }

QImage ScaledTo(const QImage& upright, QSize size) {
    QImage scaled = upright.size() == size
                        ? upright
                        : upright.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return scaled.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

// A plain picture-file symbol: a sheet with a folded corner and a small landscape.
void DrawPictureSymbol(QPainter& painter, QRect box) {
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF sheet = QRectF(box).adjusted(box.width() * 0.2, box.height() * 0.1,
                                              -box.width() * 0.2, -box.height() * 0.1);
    painter.setPen(QPen(QColor(120, 130, 140), 1));
    painter.setBrush(QColor(245, 247, 250));
    painter.drawRect(sheet);
    const QRectF scene = sheet.adjusted(sheet.width() * 0.15, sheet.height() * 0.35,
                                        -sheet.width() * 0.15, -sheet.height() * 0.15);
    painter.setBrush(QColor(170, 200, 230));
    painter.drawRect(scene);
    QPolygonF hill;
    hill << scene.bottomLeft() << QPointF(scene.left() + scene.width() * 0.4, scene.top() + scene.height() * 0.4)
         << QPointF(scene.left() + scene.width() * 0.7, scene.bottom() - scene.height() * 0.2)
         << scene.bottomRight();
    painter.setBrush(QColor(110, 160, 110));
    painter.drawPolygon(hill);
}

}  // namespace

ThumbnailMaker::ThumbnailMaker(qint64 keptPixels) : keptPixels_(keptPixels) {}

Thumbnail ThumbnailMaker::make(const QString& path, QSize size) {
    if (size.isEmpty()) return {};
    if (const QImage* kept = findKept(path, size)) return {ScaledTo(*kept, size), false, {}};

    ++decodes_;
    JpegDecodeResult decoded = DecodeJpegUpright(path, size);
    if (!decoded.ok()) return {FileIconPicture(path, size), true, decoded.error};
    const QFileInfo info(path);
    Thumbnail result{ScaledTo(decoded.image, size), false, {}};
    keep({path, info.lastModified(), info.size(), std::move(decoded.image)});
    return result;
}

const QImage* ThumbnailMaker::findKept(const QString& path, QSize size) {
    for (int i = 0; i < kept_.size(); ++i) {
        const Kept& k = kept_[i];
        if (k.path != path) continue;
        const QFileInfo info(path);
        if (info.lastModified() != k.modified || info.size() != k.fileSize) {
            kept_.removeAt(i);  // the file changed: its decode no longer holds
            return nullptr;
        }
        if (k.upright.width() < size.width() || k.upright.height() < size.height()) return nullptr;
        kept_.move(i, 0);
        return &kept_.front().upright;
    }
    return nullptr;
}

void ThumbnailMaker::keep(Kept entry) {
    for (int i = 0; i < kept_.size(); ++i) {
        if (kept_[i].path == entry.path) {
            kept_.removeAt(i);
            break;
        }
    }
    if (Pixels(entry.upright) > keptPixels_) return;
    kept_.prepend(std::move(entry));
    qint64 total = 0;
    for (int i = 0; i < kept_.size(); ++i) {
        total += Pixels(kept_[i].upright);
        if (total > keptPixels_) {
            kept_.erase(kept_.begin() + i, kept_.end());
            break;
        }
    }
}

QImage FileIconPicture(const QString& path, QSize size) {
    QImage picture(size, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    const int side = qMax(1, qMin(qMin(size.width(), size.height()), 64));
    const QRect box((size.width() - side) / 2, (size.height() - side) / 2, side, side);
    QPainter painter(&picture);
    const QPixmap icon = QFileIconProvider().icon(QFileInfo(path)).pixmap(box.size());
    if (!icon.isNull())
        painter.drawPixmap(box, icon);
    else
        DrawPictureSymbol(painter, box);
    return picture;
}
