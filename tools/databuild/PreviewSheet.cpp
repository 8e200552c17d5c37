#include "tools/databuild/PreviewSheet.h"

#include <QDir>
#include <QDirIterator>
#include <QImageReader>
#include <QPainter>
#include <QProcess>
#include <QTemporaryDir>

#include "platform/GbkText.h"
#include "templates/Container.h"
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

namespace {

// One template of a built library: its name, category, picture names and movie.
struct BuiltTemplate {
    QString name, category;
    QStringList pictures;      // xpjpgmc items
    QStringList orientations;  // szhz items
    QByteArray movie;
};

QString IniValue(const QString& ini, const QString& key) {
    for (const QString& line : ini.split("\r\n"))
        if (line.startsWith(key + "=")) return line.mid(key.size() + 1);
    return {};
}

QVector<BuiltTemplate> ReadBuiltLibrary(const QString& root) {
    QStringList paths;
    QDirIterator it(ParameterFolder(root), {"*.rar"}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) paths.append(it.next());
    paths.sort();
    QVector<BuiltTemplate> all;
    for (const QString& path : paths) {
        QFile parameters(path), movie(MovieFolder(root) + path.mid(ParameterFolder(root).size()));
        if (!parameters.open(QIODevice::ReadOnly) || !movie.open(QIODevice::ReadOnly)) continue;
        QByteArray ini = parameters.readAll(), json = movie.readAll();
        if (!StripLayers(ini, kTemplateLayers) || !StripLayers(json, kTemplateLayers)) continue;
        const QString text = DecodeGbk(ini);
        all.append({IniValue(text, "l_x_l_u_m_r_w_j_s_y_m_c"), IniValue(text, "mbfl"),
                    IniValue(text, "xpjpgmc").split('|', Qt::SkipEmptyParts),
                    IniValue(text, "szhz").split('|', Qt::SkipEmptyParts), json});
    }
    return all;
}

}  // namespace

bool WriteContactSheet(const QString& root, const QString& photosDir, const QString& movieTool,
                       const QString& out, QString& error) {
    const QVector<BuiltTemplate> templates = ReadBuiltLibrary(root);
    const QVector<QImage> photos = LoadPhotos(photosDir);
    if (templates.isEmpty() || photos.isEmpty()) {
        error = "没有模板或照片";
        return false;
    }
    QVector<QImage> landscape, portrait;
    for (const QImage& photo : photos)
        (photo.width() >= photo.height() ? landscape : portrait).append(photo);
    if (landscape.isEmpty() || portrait.isEmpty()) {
        error = "照片中没有横照或竖照";
        return false;
    }
    const QSize cell(400, 225);
    const int label = 34, columns = 4, gap = 12;
    const int rows = int((templates.size() + columns - 1) / columns);
    QImage sheet(columns * (cell.width() + gap) + gap, rows * (cell.height() + label + gap) + gap,
                 QImage::Format_RGB32);
    sheet.fill(QColor("#1b222c"));
    QPainter painter(&sheet);
    QFont font("WenQuanYi Micro Hei");
    font.setPixelSize(17);
    painter.setFont(font);
    QTemporaryDir dir;
    for (int t = 0; t < templates.size(); ++t) {
        const BuiltTemplate& b = templates[t];
        const QString folder = dir.path() + "/" + QString::number(t);
        QDir().mkpath(folder);
        QFile movie(folder + "/movie.rar");
        movie.open(QIODevice::WriteOnly);
        movie.write(b.movie);
        movie.close();
        // Landscape photos in horizontal slots, portrait ones in vertical slots.
        QHash<QString, QImage> slotPhotos;
        for (int k = 0; k < b.pictures.size(); ++k) {
            if (b.pictures[k].count('_') != 1) continue;
            const QVector<QImage>& kind = b.orientations.value(k) == "shu" ? portrait : landscape;
            slotPhotos[b.pictures[k]] = kind[(3 * t + k) % kind.size()];
        }
        const auto pick = [&](const QString& fileName) {
            if (fileName == kHandOverPicture) return photos[(t + 7) % photos.size()];
            if (fileName == kBackgroundPicture) return photos[(t + 5) % photos.size()];
            QImage found;
            for (auto it = slotPhotos.begin(); it != slotPhotos.end(); ++it)
                if (fileName.chopped(4).contains(it.key())) found = it.value();
            return found;
        };
        WriteMoviePictures(b.movie, folder + "/pictures", 0.5, pick);
        QProcess tool;
        tool.start(movieTool, {"render", folder + "/movie.rar", "--pictures", folder + "/pictures",
                               "--size", QString("%1x%2").arg(cell.width()).arg(cell.height()),
                               "--frames", "mid", "--out", folder + "/frame-"});
        if (!tool.waitForFinished(60000) || tool.exitCode() != 0) {
            error = "电影工具失败：" + QString::fromUtf8(tool.readAllStandardError());
            return false;
        }
        const QString written = QString::fromUtf8(tool.readAllStandardOutput()).trimmed();
        const int x = gap + (t % columns) * (cell.width() + gap);
        const int y = gap + (t / columns) * (cell.height() + label + gap);
        painter.drawImage(x, y, QImage(written.split('\n').last().trimmed()));
        painter.setPen(QColor("#eef1f5"));
        painter.drawText(QRect(x, y + cell.height(), cell.width(), label),
                         Qt::AlignLeft | Qt::AlignVCenter, b.name);
        painter.setPen(QColor("#d6b77a"));
        painter.drawText(QRect(x, y + cell.height(), cell.width(), label),
                         Qt::AlignRight | Qt::AlignVCenter, b.category);
    }
    painter.end();
    if (!sheet.save(out)) {
        error = "无法写入：" + out;
        return false;
    }
    return true;
}

}  // namespace databuild
