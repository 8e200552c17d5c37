#include "tools/databuild/InterfacePictures.h"
namespace databuild {
bool WriteInterfacePictures(const QString&, QString&) { return true; }
}  // namespace databuild
