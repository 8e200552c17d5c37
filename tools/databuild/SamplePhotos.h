#pragma once
// The sample photos of the demo album: scenes drawn like photographs (skies, hills, water,
// flowers, city lights), landscape, portrait and square, written as JPEG files. Two are
// stored turned, with an EXIF orientation (6 and 8), so their upright size differs from
// their stored size.

#include <QImage>
#include <QString>
#include <QVector>

namespace databuild {

struct SamplePhoto {
    QString fileName;  // "01-晨曦湖面.jpg"
    QImage upright;    // the picture as it is meant to be seen
    int orientation;   // EXIF orientation it is stored with: 1, 6 or 8
};

// Every sample photo, drawn at its full size. Deterministic.
QVector<SamplePhoto> DrawSamplePhotos();
// One scene by number (0 ... count-1) at a chosen size, for tests that want a quick photo.
QImage DrawScene(int scene, QSize size);
int SceneCount();

// The picture a camera stores for `upright` with `orientation` (1: as is; 6: turned a
// quarter to the left, to be turned right to view; 8: the other way).
QImage StoredForOrientation(const QImage& upright, int orientation);

// `jpeg` with an EXIF block holding only the orientation, put right after its start marker.
QByteArray WithExifOrientation(const QByteArray& jpeg, int orientation);

// Writes the sample photos into `folder`.
bool WriteSamplePhotos(const QString& folder, QString& error);

}  // namespace databuild
