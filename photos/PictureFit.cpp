#include "photos/PictureFit.h"

#include "photos/PhotoTable.h"

namespace {

int Scale(int value, int numerator, int denominator) {
    return int(qint64(value) * numerator / denominator);
}

}  // namespace

QSize FitPicture(int pictureWidth, int pictureHeight, QSize area) {
    if (pictureWidth <= 0 || pictureHeight <= 0 || area.isEmpty()) return {};
    if (IsHorizontal(pictureWidth, pictureHeight)) {
        const int height = Scale(pictureHeight, area.width(), pictureWidth);
        if (height <= area.height()) return {area.width(), height};
        return {Scale(pictureWidth, area.height(), pictureHeight), area.height()};
    }
    const int width = Scale(pictureWidth, area.height(), pictureHeight);
    if (width <= area.width()) return {width, area.height()};
    return {area.width(), Scale(pictureHeight, area.width(), pictureWidth)};
}

FramedPicture FitFramed(int pictureWidth, int pictureHeight, QSize box) {
    const QSize size = FitPicture(pictureWidth, pictureHeight, box - QSize(6, 6));
    if (size.isEmpty()) return {};
    return {QRect({3, 3}, size), size + QSize(6, 6)};
}
