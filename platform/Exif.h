#pragma once
// The EXIF orientation of photos (libexif), and turning a decoded picture upright.
//
// Cameras store a picture as the sensor saw it and record in the EXIF tag Orientation how
// it must be turned to be seen upright:
//   1 as stored            2 mirrored left to right   3 turned 180°     4 flipped top to bottom
//   5 transposed (mirrored about the top-left to bottom-right diagonal)
//   6 turned 90° clockwise 7 transversed (mirrored about the other diagonal)
//   8 turned 90° counter-clockwise
// Orientations 5 to 8 swap width and height.

#include <QImage>
#include <QSize>
#include <QString>

#include "platform/Jpeg.h"

// The Orientation tag of the photo's EXIF block, 1 ... 8. Answers 1 when the file cannot
// be read, has no EXIF block, no Orientation tag, or a value outside 1 ... 8. Never fails.
int ReadExifOrientation(const QString& path);

// Whether `orientation` swaps width and height (5 ... 8).
bool OrientationSwapsSides(int orientation);

// The upright size of a picture stored at `storedSize` with `orientation`.
QSize UprightSize(QSize storedSize, int orientation);

// `image` (as stored) turned so that it appears upright; orientation 1 and values outside
// 1 ... 8 answer the image unchanged.
QImage ApplyExifOrientation(const QImage& image, int orientation);

// Decodes the photo at `path` and turns it upright. `minimumUprightSize` is the size the
// caller needs in upright terms; the DCT scale is chosen on the stored picture for the
// correspondingly swapped size (see DecodeJpeg). Fails as DecodeJpeg does.
JpegDecodeResult DecodeJpegUpright(const QString& path, QSize minimumUprightSize = QSize());
