#include "platform/Exif.h"

#include <QFile>
#include <QTransform>

#include <memory>

#include <libexif/exif-data.h>

namespace {

struct ExifDataReleaser {
    void operator()(ExifData* data) const { exif_data_unref(data); }
};

int orientationOf(ExifData* data) {
    ExifEntry* entry = exif_content_get_entry(data->ifd[EXIF_IFD_0], EXIF_TAG_ORIENTATION);
    if (!entry || entry->format != EXIF_FORMAT_SHORT || entry->components < 1 || entry->size < 2)
        return 1;
    const int value = exif_get_short(entry->data, exif_data_get_byte_order(data));
    return value >= 1 && value <= 8 ? value : 1;
}

QImage rotated(const QImage& image, qreal degrees) {
    return image.transformed(QTransform().rotate(degrees));
}

}  // namespace

int ReadExifOrientation(const QString& path) {
    const std::unique_ptr<ExifData, ExifDataReleaser> data(
        exif_data_new_from_file(QFile::encodeName(path).constData()));
    if (!data) return 1;
    return orientationOf(data.get());
}

bool OrientationSwapsSides(int orientation) { return orientation >= 5 && orientation <= 8; }

QSize UprightSize(QSize storedSize, int orientation) {
    return OrientationSwapsSides(orientation) ? storedSize.transposed() : storedSize;
}

QImage ApplyExifOrientation(const QImage& image, int orientation) {
    switch (orientation) {
    case 2: return image.mirrored(true, false);
    case 3: return image.mirrored(true, true);
    case 4: return image.mirrored(false, true);
    case 5: return rotated(image, 90).mirrored(true, false);
    case 6: return rotated(image, 90);
    case 7: return rotated(image, 90).mirrored(false, true);
    case 8: return rotated(image, 270);
    default: return image;
    }
}

JpegDecodeResult DecodeJpegUpright(const QString& path, QSize minimumUprightSize) {
    const int orientation = ReadExifOrientation(path);
    const QSize minimumStored =
        OrientationSwapsSides(orientation) ? minimumUprightSize.transposed() : minimumUprightSize;
    JpegDecodeResult result = DecodeJpeg(path, minimumStored);
    if (result.ok()) result.image = ApplyExifOrientation(result.image, orientation);
    return result;
}
