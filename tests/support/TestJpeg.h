#pragma once
// JPEG photos for tests: any size, stored the way a camera stores them with any EXIF
// orientation, with a picture that shows which way up it is.
//
// The upright picture of a test photo has its top-left quadrant red and the other three
// quadrants blue. The file stores that picture turned as EXIF orientation `orientation`
// says a stored picture must be turned back, derived pixel by pixel from the tag's own
// definition (where the stored first row and first column lie in the upright picture), so
// it does not share code with the program's turning. A test decodes the file and asks
// MarkedCorner whether the red quadrant came out at the top left.

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

#include <ostream>

enum class TestJpegColour {
    YCbCr,      // colour, as cameras write it
    Grayscale,  // one component
    AdobeCmyk,  // four components, Adobe's inverted CMYK with Adobe's marker (YCCK)
};

struct TestJpegOptions {
    int orientation = 0;  // 1 ... 8 writes an EXIF block with this Orientation; 0 writes none
    TestJpegColour colour = TestJpegColour::YCbCr;
    bool progressive = false;
    bool bigEndianExif = false;  // the EXIF block in Motorola byte order ("MM")
    int quality = 90;
};

// The upright test picture: top-left quadrant red, the rest blue.
QImage MarkedUprightPicture(QSize size);

// The picture a camera stores for the upright picture `upright` with `orientation`
// (1 ... 8); for 5 ... 8 its width is the upright height.
QImage StoredPicture(const QImage& upright, int orientation);

// The bytes of a JPEG storing the marked picture of upright size `uprightSize`.
QByteArray TestJpegBytes(QSize uprightSize, const TestJpegOptions& options = {});

// Writes TestJpegBytes to `path` (creating no folders); answers `path`.
QString WriteTestJpeg(const QString& path, QSize uprightSize, const TestJpegOptions& options = {});

// Writes a JPEG of `size` whose data is cut off halfway through the picture data: the
// header is whole, so its size can be read, but the picture cannot be decoded whole.
QString WriteTruncatedJpeg(const QString& path, QSize size = QSize(400, 300));

// Writes a text file under a .jpg name (or any name given).
QString WriteNotAJpeg(const QString& path);

enum class Corner { None, TopLeft, TopRight, BottomLeft, BottomRight };

// The quadrant of `image` whose colour differs from the other three (which agree among
// themselves), judged at the quadrants' centres; None when there is no such quadrant.
Corner MarkedCorner(const QImage& image);

// For test messages.
const char* CornerName(Corner corner);
inline void PrintTo(Corner corner, std::ostream* out) { *out << CornerName(corner); }
