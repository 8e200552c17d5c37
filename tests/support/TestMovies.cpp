#include "tests/support/TestMovies.h"

#include <QBuffer>

moviekit::Movie TestMovie(int frames, const QVector<TestSlot>& pictures,
                          const QHash<QString, QString>& variables) {
    moviekit::Movie movie(frames);
    movie.setName("test");
    for (auto it = variables.begin(); it != variables.end(); ++it)
        movie.setVariable(it.key(), it.value());
    movie.addSolidLayer(kMovieBackground, 1920, 1080, 0, frames);
    for (const TestSlot& slot : pictures) {
        const QString id = movie.addPicture(slot.fileName, slot.box.width(), slot.box.height());
        moviekit::Layer& layer = movie.addPictureLayer(id, 0, frames);
        layer.transform.position = moviekit::Property{slot.centre.x(), slot.centre.y()};
    }
    moviekit::Layer& square = movie.addRectangleLayer(Qt::white, 100, 100, 0, frames);
    const double last = std::max(1, frames - 1);
    square.transform.position = moviekit::Property::animated(
        {{0, {50, 50}, moviekit::Ease::Linear}, {last, {1870, 50}, moviekit::Ease::Linear}});
    return movie;
}

QString WriteMovie(const TempDir& dir, const QString& relative, const moviekit::Movie& movie) {
    return dir.write(relative, movie.toBytes());
}

QImage SolidPicture(QSize size, const QColor& color) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(color);
    return image;
}

QImage StripesPicture(QSize size) {
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < size.width(); ++x) line[x] = x % 2 ? qRgb(255, 255, 255) : qRgb(0, 0, 0);
    }
    return image;
}

QString WritePicture(const TempDir& dir, const QString& relative, const QImage& image,
                     const char* format) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format, 95);
    return dir.write(relative, bytes);
}
