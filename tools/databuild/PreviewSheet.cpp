#include "tools/databuild/PreviewSheet.h"

#include <QDir>
#include <QImageReader>
#include <QPainter>
#include <QTemporaryDir>

#include "tools/databuild/FrameRender.h"
#include "tools/databuild/Library.h"
#include "tools/databuild/TemplateMovie.h"

namespace databuild {
namespace {

QVector<QImage> LoadPhotos(const QString& folder) {
    QVector<QImage> photos;
    for (const QString& name : QDir(folder).entryList({"*.jpg"}, QDir::Files, QDir::Name)) {
        QImageReader reader(folder + "/" + name);
        reader.setAutoTransform(true);
        photos.append(reader.read());
    }
    return photos;
}

// The position among the photo slots of the slot that feeds picture `fileName` (the last
// slot whose name the picture's name contains).
int SlotNumber(const TemplateSource& t, const QString& fileName) {
    const QString name = fileName.chopped(4);
    int number = 0, found = 0;
    for (const Picture& p : t.pictures) {
        if (!p.isPhotoSlot()) continue;
        if (name.contains(p.name)) found = number;
        ++number;
    }
    return found;
}

}  // namespace

bool WritePreviewSheet(const QString& dataDir, const QString& photosDir, const QString& out,
                       QString& error) {
    QVector<TemplateSource> templates;
    if (!LoadTemplateSources(dataDir, templates, error)) return false;
    const QVector<QImage> photos = LoadPhotos(photosDir);
    if (photos.isEmpty()) {
        error = "没有照片：" + photosDir;
        return false;
    }
    const QSize cell(384, 216);
    QImage sheet(cell.width() * 4, cell.height() * int(templates.size()), QImage::Format_RGB32);
    sheet.fill(Qt::black);
    QPainter painter(&sheet);
    QTemporaryDir dir;
    for (int t = 0; t < templates.size(); ++t) {
        const QByteArray movie = TemplateMovieBytes(templates[t]);
        const auto pick = [&](const QString& fileName) {
            if (fileName == kHandOverPicture) return photos[(t + 5) % photos.size()];
            if (fileName == kBackgroundPicture) return photos[(t + 3) % photos.size()];
            return photos[(t + SlotNumber(templates[t], fileName)) % photos.size()];
        };
        const QString folder = dir.path() + "/" + QString::number(t);
        WriteMoviePictures(movie, folder, 1.0, pick);
        const int frames = templates[t].frames;
        const int shown[] = {12, frames / 4, frames / 2, frames - 1};
        for (int i = 0; i < 4; ++i)
            painter.drawImage(i * cell.width(), t * cell.height(),
                              RenderMovieFrame(movie, folder, cell, shown[i]));
        painter.setPen(Qt::white);
        painter.drawText(6, t * cell.height() + 16, templates[t].id + " " + templates[t].name);
    }
    painter.end();
    if (!sheet.save(out)) {
        error = "无法写入：" + out;
        return false;
    }
    return true;
}

}  // namespace databuild
