#pragma once
#include <QString>
namespace databuild {
bool WriteInterfacePictures(const QString& root, QString& error);
}
