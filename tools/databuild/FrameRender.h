#pragma once
// Drawing single frames of a movie with rlottie, for checking the library's movies (the
// tests, the design preview). Pictures are read from `folder` by their asset file names.
// rlottie draws a picture at its own pixel size in the movie's frame, so for a direct
// rendering they must have their declared box size (the player instead hands them over
// smaller and compensates the image layers).

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

namespace databuild {

// Frame `frame` of `movie` drawn at `size`. A null image, with `error` set, when rlottie
// cannot read the movie.
QImage RenderMovieFrame(const QByteArray& movie, const QString& folder, QSize size, int frame,
                        QString* error = nullptr);

}  // namespace databuild

#include <QStringList>
#include <functional>

namespace databuild {

struct MovieAsset {
    QString fileName;  // as the movie names it ("xp_1.jpg")
    QSize box;         // declared size
};

// The external pictures a movie names, read from its JSON.
QVector<MovieAsset> MovieAssets(const QByteArray& movie);

// Writes every external picture of `movie` into `folder`, at its declared box × `scale`
// (1 for drawing with RenderMovieFrame):
// `pictureFor(fileName)` cropped to fill the box, centred. Answers false when a file
// cannot be written.
bool WriteMoviePictures(const QByteArray& movie, const QString& folder, double scale,
                        const std::function<QImage(const QString&)>& pictureFor);

// `image` scaled and centred to cover `size` completely, cut to it.
QImage CoverCrop(const QImage& image, QSize size);

}  // namespace databuild
