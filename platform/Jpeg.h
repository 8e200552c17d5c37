#pragma once
// JPEG files through libjpeg-turbo: the stored size of a photo, decoding it at the size it
// is needed, and writing the picture files that movies load.
//
// No call ends the process or prints anything: every failure of the library comes back as
// a Chinese message that names the file and that the caller can show as it stands.
//
// Damaged data: a file whose data ends before the picture is complete (a truncated copy)
// is an error, not a picture with a grey band where the data ran out. Smaller faults that
// libjpeg recovers from by itself (stray bytes between markers, a damaged entropy segment)
// are tolerated, as picture viewers tolerate them; the picture is decoded as libjpeg
// restores it. ReadJpegSize reads the header only, so it answers the size of a truncated
// file whose header is whole.

#include <QImage>
#include <QSize>
#include <QString>

// The answer of ReadJpegSize: the size, or an error text (then `size` is empty).
struct JpegSizeResult {
    QSize size;
    QString error;  // empty on success
    bool ok() const { return error.isEmpty(); }
};

// The answer of DecodeJpeg: the picture, or an error text (then `image` is null).
struct JpegDecodeResult {
    QImage image;   // Format_RGB32
    QString error;  // empty on success
    bool ok() const { return error.isEmpty(); }
};

// The answer of WriteJpeg.
struct JpegWriteResult {
    QString error;  // empty on success
    bool ok() const { return error.isEmpty(); }
};

// The width and height stored in the JPEG file at `path`, read from its header without
// decoding the picture. The size is as stored: an EXIF orientation is not applied (see
// Exif.h). Fails when the file cannot be opened, is empty, is not a JPEG, or its header is
// damaged or cut off.
JpegSizeResult ReadJpegSize(const QString& path);

// Decodes the JPEG file at `path` into an RGB32 picture as stored (no EXIF orientation).
//
// With a non-empty `minimumSize`, the decoder uses libjpeg's DCT scaling and decodes at the
// smallest scale M/8 (M = 1 ... 8) whose output is still at least `minimumSize` in both
// directions; an output of scale M/8 is ceil(stored × M / 8) pixels. So a 4000 × 3000
// photo wanted at 300 × 225 or less decodes at 1/8, 500 × 375. When even the full size is
// smaller than `minimumSize`, or `minimumSize` is empty, the picture comes at full size.
// The result is never scaled further: the caller scales it to the exact size it shows.
//
// Reads baseline and progressive files, grayscale, YCbCr, RGB, and CMYK or YCCK files
// (Adobe's inverted CMYK when the file has Adobe's marker, plain CMYK otherwise).
// Fails when the file cannot be opened, is empty, is not a JPEG, is cut off before the
// picture is complete, is damaged beyond what libjpeg recovers from, or is too large to
// decode (more than 256 million pixels at the chosen scale, or more than 1 GiB of decoder
// memory).
JpegDecodeResult DecodeJpeg(const QString& path, QSize minimumSize = QSize());

// Writes `image` as a baseline YCbCr JPEG of the given quality (0 ... 100; libjpeg's
// default is 75) to `path`, replacing a file that is there. Transparency is dropped. The
// file is written whole or not at all: on failure an existing file at `path` is left as it
// was. Fails for a null image and when the file cannot be written.
JpegWriteResult WriteJpeg(const QImage& image, const QString& path, int quality = 75);
