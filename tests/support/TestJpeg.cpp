#include "tests/support/TestJpeg.h"

#include <QFile>

#include <algorithm>
#include <array>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include <jpeglib.h>

namespace {

const QRgb kMark = qRgb(230, 20, 20);
const QRgb kRest = qRgb(20, 20, 230);

// Where the stored first row and first column lie in the upright picture, per orientation
// (the EXIF tag's definition).
enum class Side { Top, Bottom, Left, Right };
struct Placement {
    Side firstRow;
    Side firstColumn;
};
constexpr std::array<Placement, 9> kPlacements = {{
    {Side::Top, Side::Left},  // 0: unused, as 1
    {Side::Top, Side::Left},     {Side::Top, Side::Right},  {Side::Bottom, Side::Right},
    {Side::Bottom, Side::Left},  {Side::Left, Side::Top},   {Side::Right, Side::Top},
    {Side::Right, Side::Bottom}, {Side::Left, Side::Bottom},
}};

// The upright pixel that stored pixel (sx, sy) shows.
QPoint uprightPixel(int sx, int sy, QSize upright, Placement p) {
    const int w = upright.width(), h = upright.height();
    switch (p.firstRow) {
    case Side::Top: return {p.firstColumn == Side::Left ? sx : w - 1 - sx, sy};
    case Side::Bottom: return {p.firstColumn == Side::Left ? sx : w - 1 - sx, h - 1 - sy};
    case Side::Left: return {sy, p.firstColumn == Side::Top ? sx : h - 1 - sx};
    case Side::Right: return {w - 1 - sy, p.firstColumn == Side::Top ? sx : h - 1 - sx};
    }
    return {};
}

QByteArray exifBlock(int orientation, bool bigEndian) {
    auto u16 = [bigEndian](int v) {
        const char b[2] = {char(bigEndian ? v >> 8 : v & 0xff), char(bigEndian ? v & 0xff : v >> 8)};
        return QByteArray(b, 2);
    };
    auto u32 = [&u16, bigEndian](int v) {
        return bigEndian ? u16(v >> 16) + u16(v & 0xffff) : u16(v & 0xffff) + u16(v >> 16);
    };
    QByteArray block("Exif\0\0", 6);
    block += bigEndian ? QByteArray("MM") : QByteArray("II");
    block += u16(42) + u32(8);                    // TIFF header, IFD0 at offset 8
    block += u16(1);                              // one entry
    block += u16(0x0112) + u16(3) + u32(1);       // Orientation, SHORT, one value
    block += u16(orientation) + u16(0);           // the value, padded to four bytes
    block += u32(0);                              // no next IFD
    return block;
}

struct TestErrorManager {
    jpeg_error_mgr pub;
    std::jmp_buf jump;
};

[[noreturn]] void jumpBack(j_common_ptr cinfo) {
    std::longjmp(reinterpret_cast<TestErrorManager*>(cinfo->err)->jump, 1);
}

// The samples of one stored line in the input layout of `colour`.
void fillLine(const QImage& stored, int y, TestJpegColour colour, std::vector<JSAMPLE>& line) {
    const auto* in = reinterpret_cast<const QRgb*>(stored.constScanLine(y));
    for (int x = 0; x < stored.width(); ++x) {
        const int r = qRed(in[x]), g = qGreen(in[x]), b = qBlue(in[x]);
        switch (colour) {
        case TestJpegColour::YCbCr:
            line[3 * x] = JSAMPLE(r), line[3 * x + 1] = JSAMPLE(g), line[3 * x + 2] = JSAMPLE(b);
            break;
        case TestJpegColour::Grayscale: line[x] = JSAMPLE(qGray(in[x])); break;
        case TestJpegColour::AdobeCmyk: {
            // Adobe's inverted samples: 255 - ink, with K taking the common part.
            const int k = 255 - std::max({r, g, b});
            const int denom = 255 - k;
            auto ink = [&](int c) { return denom == 0 ? 0 : (255 - c - k) * 255 / denom; };
            line[4 * x] = JSAMPLE(255 - ink(r)), line[4 * x + 1] = JSAMPLE(255 - ink(g));
            line[4 * x + 2] = JSAMPLE(255 - ink(b)), line[4 * x + 3] = JSAMPLE(255 - k);
            break;
        }
        }
    }
}

struct Compressor {
    TestErrorManager err;
    jpeg_compress_struct cinfo{};
    unsigned char* buffer = nullptr;
    unsigned long size = 0;

    Compressor() {
        jpeg_std_error(&err.pub);
        err.pub.error_exit = jumpBack;
        cinfo.err = &err.pub;
        jpeg_create_compress(&cinfo);
    }
    ~Compressor() {
        jpeg_destroy_compress(&cinfo);
        std::free(buffer);
    }

    bool run(const QImage& stored, const TestJpegOptions& o, std::vector<JSAMPLE>& line) {
        if (setjmp(err.jump)) return false;
        jpeg_mem_dest(&cinfo, &buffer, &size);
        cinfo.image_width = JDIMENSION(stored.width());
        cinfo.image_height = JDIMENSION(stored.height());
        switch (o.colour) {
        case TestJpegColour::YCbCr: cinfo.input_components = 3, cinfo.in_color_space = JCS_RGB; break;
        case TestJpegColour::Grayscale: cinfo.input_components = 1, cinfo.in_color_space = JCS_GRAYSCALE; break;
        case TestJpegColour::AdobeCmyk: cinfo.input_components = 4, cinfo.in_color_space = JCS_CMYK; break;
        }
        jpeg_set_defaults(&cinfo);  // CMYK input is stored as YCCK with Adobe's marker
        jpeg_set_quality(&cinfo, o.quality, TRUE);
        if (o.progressive) jpeg_simple_progression(&cinfo);
        if (o.orientation != 0) cinfo.write_JFIF_header = FALSE;
        jpeg_start_compress(&cinfo, TRUE);
        if (o.orientation != 0) {
            const QByteArray exif = exifBlock(o.orientation, o.bigEndianExif);
            jpeg_write_marker(&cinfo, JPEG_APP0 + 1, reinterpret_cast<const JOCTET*>(exif.constData()),
                              unsigned(exif.size()));
        }
        while (cinfo.next_scanline < cinfo.image_height) {
            fillLine(stored, int(cinfo.next_scanline), o.colour, line);
            JSAMPROW row = line.data();
            jpeg_write_scanlines(&cinfo, &row, 1);
        }
        jpeg_finish_compress(&cinfo);
        return true;
    }
};

QRgb averageAround(const QImage& image, QPoint centre) {
    int r = 0, g = 0, b = 0, n = 0;
    for (int dy = -2; dy <= 2; ++dy) {
        for (int dx = -2; dx <= 2; ++dx) {
            const QPoint p = centre + QPoint(dx, dy);
            if (!image.rect().contains(p)) continue;
            const QRgb c = image.pixel(p);
            r += qRed(c), g += qGreen(c), b += qBlue(c), ++n;
        }
    }
    return n == 0 ? 0 : qRgb(r / n, g / n, b / n);
}

int distance(QRgb a, QRgb b) {
    return std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) + std::abs(qBlue(a) - qBlue(b));
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (file.open(QIODevice::WriteOnly)) file.write(bytes);
}

}  // namespace

QImage MarkedUprightPicture(QSize size) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(kRest);
    const int halfW = size.width() / 2, halfH = size.height() / 2;
    for (int y = 0; y < halfH; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        std::fill(line, line + halfW, kMark);
    }
    return image;
}

QImage StoredPicture(const QImage& upright, int orientation) {
    const Placement p = kPlacements[orientation >= 1 && orientation <= 8 ? orientation : 1];
    const bool swaps = p.firstRow == Side::Left || p.firstRow == Side::Right;
    const QSize size = swaps ? upright.size().transposed() : upright.size();
    const QImage source = upright.convertToFormat(QImage::Format_RGB32);
    QImage stored(size, QImage::Format_RGB32);
    for (int sy = 0; sy < size.height(); ++sy) {
        auto* out = reinterpret_cast<QRgb*>(stored.scanLine(sy));
        for (int sx = 0; sx < size.width(); ++sx) {
            const QPoint u = uprightPixel(sx, sy, upright.size(), p);
            out[sx] = reinterpret_cast<const QRgb*>(source.constScanLine(u.y()))[u.x()];
        }
    }
    return stored;
}

QByteArray TestJpegBytes(QSize uprightSize, const TestJpegOptions& options) {
    const QImage stored = StoredPicture(MarkedUprightPicture(uprightSize), options.orientation);
    std::vector<JSAMPLE> line(size_t(stored.width()) * 4);
    Compressor compressor;
    if (!compressor.run(stored, options, line)) return {};
    return QByteArray(reinterpret_cast<const char*>(compressor.buffer), qsizetype(compressor.size));
}

QString WriteTestJpeg(const QString& path, QSize uprightSize, const TestJpegOptions& options) {
    writeFile(path, TestJpegBytes(uprightSize, options));
    return path;
}

QString WriteTruncatedJpeg(const QString& path, QSize size) {
    const QByteArray whole = TestJpegBytes(size);
    const qsizetype scanStart = whole.indexOf(QByteArray("\xFF\xDA", 2));
    const qsizetype cut = scanStart + (whole.size() - scanStart) / 2;
    writeFile(path, whole.left(cut));
    return path;
}

QString WriteNotAJpeg(const QString& path) {
    writeFile(path, "This is a text file, not a picture.\n");
    return path;
}

Corner MarkedCorner(const QImage& image) {
    const int w = image.width(), h = image.height();
    if (w < 2 || h < 2) return Corner::None;
    const std::array<QRgb, 4> c = {
        averageAround(image, {w / 4, h / 4}), averageAround(image, {w * 3 / 4, h / 4}),
        averageAround(image, {w / 4, h * 3 / 4}), averageAround(image, {w * 3 / 4, h * 3 / 4})};
    const std::array<Corner, 4> corners = {Corner::TopLeft, Corner::TopRight, Corner::BottomLeft,
                                           Corner::BottomRight};
    constexpr int kSame = 40, kDifferent = 60;
    for (int odd = 0; odd < 4; ++odd) {
        bool othersAgree = true, oddDiffers = true;
        for (int i = 0; i < 4; ++i) {
            if (i == odd) continue;
            oddDiffers = oddDiffers && distance(c[odd], c[i]) > kDifferent;
            for (int j = 0; j < 4; ++j)
                if (j != odd && distance(c[i], c[j]) > kSame) othersAgree = false;
        }
        if (othersAgree && oddDiffers) return corners[odd];
    }
    return Corner::None;
}

const char* CornerName(Corner corner) {
    switch (corner) {
    case Corner::None: return "none";
    case Corner::TopLeft: return "top left";
    case Corner::TopRight: return "top right";
    case Corner::BottomLeft: return "bottom left";
    case Corner::BottomRight: return "bottom right";
    }
    return "?";
}
