#pragma once
// A quick look at the whole library while designing it: four frames of every template
// (just after the start, a quarter, the middle and the last), drawn with rlottie, with
// photos from a folder in the slots.

#include <QString>

namespace databuild {

bool WritePreviewSheet(const QString& dataDir, const QString& photosDir, const QString& out,
                       QString& error);

// The contact sheet of the built library in ROOT: the middle frame of every template, drawn
// by the movie tool `movieTool` (lumora-movie) with photos from `photosDir` in its slots,
// labelled with the template's name and category, four to a row.
bool WriteContactSheet(const QString& root, const QString& photosDir, const QString& movieTool,
                       const QString& out, QString& error);

}  // namespace databuild
