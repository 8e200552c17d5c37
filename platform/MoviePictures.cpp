#include "platform/MoviePictures.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QPainter>
#include <QtEndian>
#include <algorithm>
#include <cstring>
#include <zlib.h>

namespace {

// Closes a gap of at most 1 % of `side`: a near-match fills the side.
int CloseHairline(int fitted, int side) {
    return qint64(side - fitted) * 100 <= side ? side : fitted;
}

void AppendChunk(QByteArray& out, const char type[4], const char* data, qsizetype size) {
    char word[4];
    qToBigEndian<quint32>(quint32(size), word);
    out.append(word, 4);
    const qsizetype start = out.size();
    out.append(type, 4);
    out.append(data, size);
    uLong crc = crc32(0, nullptr, 0);
    const auto* bytes = reinterpret_cast<const Bytef*>(out.constData() + start);
    for (qsizetype done = 0; done < size + 4;) {  // crc32 takes at most 4 GiB at once
        const uInt step = uInt(std::min<qsizetype>(size + 4 - done, 1 << 30));
        crc = crc32(crc, bytes + done, step);
        done += step;
    }
    qToBigEndian<quint32>(quint32(crc), word);
    out.append(word, 4);
}

// Rows of filter byte 0 followed by RGBA pixels: the PNG image data before compression.
QByteArray FilteredRows(const QImage& image) {
    const QImage rgba = image.convertToFormat(QImage::Format_RGBA8888);
    const qsizetype rowBytes = 4 * qsizetype(rgba.width());
    QByteArray raw(qsizetype(rgba.height()) * (rowBytes + 1), Qt::Uninitialized);
    char* out = raw.data();
    for (int y = 0; y < rgba.height(); ++y) {
        *out++ = 0;
        std::memcpy(out, rgba.constScanLine(y), size_t(rowBytes));
        out += rowBytes;
    }
    return raw;
}

// A zlib stream of stored (uncompressed) blocks.
QByteArray StoredZlib(const QByteArray& raw) {
    constexpr qsizetype kBlock = 65535;
    const qsizetype blocks = std::max<qsizetype>(1, (raw.size() + kBlock - 1) / kBlock);
    QByteArray z;
    z.reserve(2 + raw.size() + 5 * blocks + 4);
    z.append("\x78\x01", 2);
    qsizetype done = 0;
    do {
        const qsizetype n = std::min(kBlock, raw.size() - done);
        const bool last = done + n == raw.size();
        const char header[5] = {char(last ? 1 : 0), char(n & 0xff), char(n >> 8),
                                char(~n & 0xff), char((~n >> 8) & 0xff)};
        z.append(header, 5);
        z.append(raw.constData() + done, n);
        done += n;
    } while (done < raw.size());
    uLong adler = adler32(0, nullptr, 0);
    for (qsizetype at = 0; at < raw.size(); at += kBlock)
        adler = adler32(adler, reinterpret_cast<const Bytef*>(raw.constData() + at),
                        uInt(std::min(kBlock, raw.size() - at)));
    char word[4];
    qToBigEndian<quint32>(quint32(adler), word);
    z.append(word, 4);
    return z;
}

// `image` at `size`: halved by exact 2 x 2 averages while it is at least twice as large,
// then scaled smoothly. A single smooth step over a large ratio leaves beats on fine
// detail (1-pixel stripes at 1920 -> 800 turn into bands); halving first removes them.
QImage ScaleSmoothly(QImage image, QSize size) {
    while (!image.isNull() && image.width() >= 2 * size.width() &&
           image.height() >= 2 * size.height())
        image = image.scaled(image.width() / 2, image.height() / 2, Qt::IgnoreAspectRatio,
                             Qt::SmoothTransformation);
    if (image.isNull() || image.size() == size) return image;
    return image.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

}  // namespace

QSize BoxInPlayer(QSize box, QSize stage, QSize player) {
    if (box.isEmpty() || stage.isEmpty() || player.isEmpty()) return {1, 1};
    // The stage is fitted whole: the side with the smaller ratio sets the scale.
    const bool widthLimited = qint64(player.width()) * stage.height() <=
                              qint64(player.height()) * stage.width();
    const qint64 num = widthLimited ? player.width() : player.height();
    const qint64 den = widthLimited ? stage.width() : stage.height();
    const int w = int(box.width() * num / den);
    const int h = int(box.height() * num / den);
    return {std::max(w, 1), std::max(h, 1)};
}

QRect FitInside(QSize picture, QSize box) {
    if (picture.isEmpty() || box.isEmpty()) return {};
    int w = box.width(), h = box.height();
    if (qint64(picture.width()) * box.height() >= qint64(picture.height()) * box.width())
        h = CloseHairline(std::max(1, int(qint64(picture.height()) * box.width() / picture.width())), h);
    else
        w = CloseHairline(std::max(1, int(qint64(picture.width()) * box.height() / picture.height())), w);
    return {box.width() / 2 - w / 2, box.height() / 2 - h / 2, w, h};
}

QImage PreparePicture(const QByteArray& encoded, QSize bitmap) {
    if (encoded.isEmpty() || bitmap.isEmpty()) return {};
    QBuffer buffer;
    buffer.setData(encoded);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    const QRect place = FitInside(reader.size(), bitmap);
    if (place.isEmpty()) return {};
    // Qt's JPEG reader lets libjpeg scale by 1/2, 1/4 or 1/8 while decoding and finishes
    // the rest (less than half) smoothly; other formats are decoded whole.
    if (reader.format() == "jpeg") reader.setScaledSize(place.size());
    const QImage picture = ScaleSmoothly(reader.read(), place.size());
    if (picture.isNull()) return {};
    if (place.size() == bitmap) return picture.convertToFormat(QImage::Format_ARGB32);
    QImage canvas(bitmap, QImage::Format_ARGB32);
    canvas.fill(Qt::transparent);
    QPainter painter(&canvas);
    painter.drawImage(place.topLeft(), picture);
    return canvas;
}

QByteArray EncodeUncompressedPng(const QImage& image) {
    if (image.isNull()) return {};
    const QByteArray z = StoredZlib(FilteredRows(image));
    QByteArray out;
    out.reserve(z.size() + 64);
    out.append("\x89PNG\r\n\x1a\n", 8);
    char header[13] = {};
    qToBigEndian<quint32>(quint32(image.width()), header);
    qToBigEndian<quint32>(quint32(image.height()), header + 4);
    header[8] = 8;  // bits per channel
    header[9] = 6;  // RGBA
    AppendChunk(out, "IHDR", header, 13);
    AppendChunk(out, "IDAT", z.constData(), z.size());
    AppendChunk(out, "IEND", nullptr, 0);
    return out;
}

QString PicturePath(const QString& folder, const QString& fileName, PictureSource source) {
    if (fileName.isEmpty() || fileName == "." || fileName == ".." ||
        fileName.contains('/') || fileName.contains('\\'))
        return {};
    if (source == PictureSource::OneFolder ||
        fileName.compare(kHandOverPicture, Qt::CaseInsensitive) != 0)
        return QDir(folder).filePath(fileName);
    QDir dir(QFileInfo(folder).absoluteFilePath());
    do {
        if (QFileInfo(dir.filePath("pic")).isDir()) return dir.filePath("pic/" + fileName);
    } while (dir.cdUp());
    return {};
}
