#include "tools/databuild/SampleSong.h"
namespace databuild {
bool WriteSampleSong(const QString&, QString&) { return true; }
}  // namespace databuild
