#pragma once
// A quick look at the whole library while designing it: four frames of every template
// (just after the start, a quarter, the middle and the last), drawn with rlottie, with
// photos from a folder in the slots.

#include <QString>

namespace databuild {

bool WritePreviewSheet(const QString& dataDir, const QString& photosDir, const QString& out,
                       QString& error);

}  // namespace databuild
