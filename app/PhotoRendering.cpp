#include "app/PhotoRendering.h"

#include <QPainter>

#include "photos/PhotoTable.h"
#include "platform/Exif.h"
#include "platform/Jpeg.h"
#include "platform/Thumbnails.h"

namespace {
ThumbnailMaker& Maker() {
    static ThumbnailMaker maker;
    return maker;
}
}  // namespace

PhotoPicture RenderPhotoPicture(const QString& path, QSize pictureSize, QPoint position,
                                QSize panelSize) {
    if (panelSize.isEmpty()) panelSize = QSize(position.x(), position.y()) + pictureSize;
    PhotoPicture result;
    if (panelSize.isEmpty()) return result;
    result.image = QImage(panelSize, QImage::Format_ARGB32_Premultiplied);
    result.image.fill(Qt::white);
    const Thumbnail thumbnail = Maker().make(path, pictureSize);
    result.isIcon = thumbnail.isIcon;
    result.error = thumbnail.error;
    QPainter painter(&result.image);
    painter.drawImage(position, thumbnail.image);
    return result;
}

void HideRendererNumber() {}

UprightCheck CheckUprightPhoto(const QString& path) {
    UprightCheck check;
    const JpegSizeResult size = ReadJpegSize(path);
    if (!size.ok()) {
        check.error = size.error;
        return check;
    }
    check.stored = size.size;
    // The renderer draws exactly the box it is asked for, so it is asked for the box of the
    // photo's upright proportions; the picture it delivers then shows how the photo stands.
    const QSize upright = UprightSize(check.stored, ReadExifOrientation(path));
    const QSize box = AddRenderBox(upright);
    const PhotoPicture picture = RenderPhotoPicture(path, box);
    if (picture.isIcon || picture.image.isNull()) {
        check.error = picture.error.isEmpty() ? "无法读取照片文件: " + path : picture.error;
        return check;
    }
    check.delivered = picture.image.size();
    return check;
}
