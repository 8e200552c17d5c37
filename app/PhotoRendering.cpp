#include "app/PhotoRendering.h"

#include "app/MainForm.h"
#include "app/RenderPhoto.h"
#include "photos/PhotoTable.h"
#include "platform/Exif.h"
#include "platform/Jpeg.h"

PhotoPicture RenderPhotoPicture(const QString& path, QSize pictureSize, QPoint position,
                                QSize panelSize) {
    if (pictureSize.isEmpty()) return {};
    const RenderedPhoto rendered = RenderPhoto(RenderPhotoRequest{path, pictureSize, position, panelSize, {}});
    return {rendered.image, rendered.isIcon, rendered.error};
}

void HideRendererNumber() {
    if (MainForm* renderer = Windows::get<MainForm>()) renderer->hideNumber();
}

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
