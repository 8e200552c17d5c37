#include "tools/databuild/FrameRender.h"

#include <rlottie.h>

namespace databuild {

QImage RenderMovieFrame(const QByteArray& movie, const QString& folder, QSize size, int frame,
                        QString* error) {
    std::string resources = folder.toStdString();
    if (!resources.empty() && resources.back() != '/') resources += '/';
    auto animation = rlottie::Animation::loadFromData(movie.toStdString(), "", resources, false);
    if (!animation) {
        if (error) *error = "动画无法读取";
        return {};
    }
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::black);
    rlottie::Surface surface(reinterpret_cast<uint32_t*>(image.bits()), size_t(size.width()),
                             size_t(size.height()), size_t(image.bytesPerLine()));
    animation->renderSync(size_t(frame), surface, false);
    return image;
}

}  // namespace databuild

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPainter>

namespace databuild {

QVector<MovieAsset> MovieAssets(const QByteArray& movie) {
    QVector<MovieAsset> assets;
    const QJsonArray all = QJsonDocument::fromJson(movie).object()["assets"].toArray();
    for (const QJsonValue& v : all) {
        const QJsonObject a = v.toObject();
        if (a["e"].toInt() == 1 || !a.contains("p") || a.contains("layers")) continue;
        assets.append({a["p"].toString(), QSize(a["w"].toInt(), a["h"].toInt())});
    }
    return assets;
}

QImage CoverCrop(const QImage& image, QSize size) {
    if (image.isNull() || size.isEmpty()) return {};
    const QImage scaled =
        image.scaled(size, Qt::KeepAspectRatioByExpanding, Qt::SmoothTransformation);
    return scaled.copy((scaled.width() - size.width()) / 2, (scaled.height() - size.height()) / 2,
                       size.width(), size.height());
}

bool WriteMoviePictures(const QByteArray& movie, const QString& folder, double scale,
                        const std::function<QImage(const QString&)>& pictureFor) {
    QDir().mkpath(folder);
    for (const MovieAsset& a : MovieAssets(movie)) {
        const QSize size(std::max(1, int(a.box.width() * scale)),
                         std::max(1, int(a.box.height() * scale)));
        const QImage picture = CoverCrop(pictureFor(a.fileName), size);
        if (picture.isNull() || !picture.save(folder + "/" + a.fileName, "JPEG", 90)) return false;
    }
    return true;
}

}  // namespace databuild
