#pragma once
// Files the benchmarks make: a photo-like picture and copies of the shipped data.

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QString>
#include <random>

// A photo-like 4000 x 3000 picture: smooth gradients with fine noise, so a JPEG of it
// costs what a camera photo of that size costs to decode.
inline QImage PhotoLikePicture() {
    QImage image(4000, 3000, QImage::Format_RGB32);
    std::mt19937 noise(7);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int n = int(noise() % 24);
            line[x] = qRgb((x / 16 + n) % 256, (y / 12 + n) % 256, (x + y) / 28 % 256);
        }
    }
    return image;
}

// Copies every file below `from` to the same place below `to`.
inline void CopyFolder(const QString& from, const QString& to) {
    QDirIterator it(from, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString source = it.next();
        const QString target = to + "/" + QDir(from).relativeFilePath(source);
        QDir().mkpath(QFileInfo(target).path());
        QFile::copy(source, target);
    }
}
