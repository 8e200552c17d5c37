#pragma once
// Thumbnails: the upright picture of a photo at a wanted size, or the file's icon.
//
// This is what the photo renderer delivers for every small or scaled picture of a photo.
// The photo is decoded through libjpeg-turbo at the smallest DCT scale that still covers
// the wanted size, turned upright by its EXIF orientation and scaled with a good filter to
// exactly the wanted size (the picture is stretched to it; callers choose a size of the
// photo's proportions). A file that cannot be decoded yields its icon instead, centred on
// a transparent picture of the wanted size, so that a caller waiting for a picture always
// gets one.
//
// Repeated pictures of the same photo are cheap: the maker keeps the last few decodes, and
// a kept decode that is at least as large as the wanted size (and whose file has not
// changed since) serves without decoding again.

#include <QDateTime>
#include <QImage>
#include <QList>
#include <QSize>
#include <QString>

struct Thumbnail {
    QImage image;   // exactly the wanted size; ARGB32 premultiplied
    bool isIcon = false;
    QString error;  // why the photo could not be decoded, when isIcon
};

class ThumbnailMaker {
public:
    // Keeps at most `keptPixels` decoded pixels (all kept decodes together).
    explicit ThumbnailMaker(qint64 keptPixels = 64 * 1024 * 1024);

    // The photo at `path`, upright, at `size`. An empty size answers a null picture.
    Thumbnail make(const QString& path, QSize size);

    // How many times a photo was decoded from its file; for tests and benchmarks.
    int decodeCount() const { return decodes_; }
    void forgetAll() { kept_.clear(); }

private:
    struct Kept {
        QString path;
        QDateTime modified;
        qint64 fileSize;
        QImage upright;
    };
    const QImage* findKept(const QString& path, QSize size);
    void keep(Kept entry);

    qint64 keptPixels_;
    QList<Kept> kept_;  // most recently used first
    int decodes_ = 0;
};

// The file's icon centred on a transparent picture of `size`; a drawn picture-file symbol
// when the system has no icon for it.
QImage FileIconPicture(const QString& path, QSize size);
