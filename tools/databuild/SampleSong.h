#pragma once
#include <QString>
namespace databuild {
bool WriteSampleSong(const QString& folder, QString& error);
}
