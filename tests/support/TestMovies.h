#pragma once
// Tiny movies for the player tests, written with moviekit, and the pictures they show.
//
// Every test movie has a 1920 x 1080 stage at 25 frames per second, a solid background
// (kMovieBackground) and a white 100 x 100 square that moves along the top strip of the
// stage (y 0 ... 100) from left to right over the frames, so two frames differ there and
// nowhere else. Picture slots are drawn between the two.

#include <QColor>
#include <QHash>
#include <QImage>
#include <QPointF>
#include <QSize>
#include <QString>
#include <QVector>

#include "tests/support/TempDir.h"
#include "tools/moviekit/Movie.h"

inline const QColor kMovieBackground(20, 40, 120);

// An external picture asset with its declared box, shown by a layer centred at `centre`.
struct TestSlot {
    QString fileName;
    QSize box;
    QPointF centre{960, 540};
};

moviekit::Movie TestMovie(int frames, const QVector<TestSlot>& pictures = {},
                          const QHash<QString, QString>& variables = {});

// Writes `movie` to `relative` inside `dir`, creating folders; answers the full path.
QString WriteMovie(const TempDir& dir, const QString& relative, const moviekit::Movie& movie);

QImage SolidPicture(QSize size, const QColor& color);
// Columns of 1 pixel, black and white in turn: flat mid-grey when filtered properly.
QImage StripesPicture(QSize size);
// Writes `image` in `format` ("JPG", "PNG") to `relative` inside `dir`; answers the path.
QString WritePicture(const TempDir& dir, const QString& relative, const QImage& image,
                     const char* format = "JPG");
