#include "platform/ConversionPresets.h"

ConversionPreset PresetFor(int format) {
    ConversionPreset p;
    switch (format) {
    case 0: p = {"vcd", "mpeg1video", "mp2", 44100, 224, 1150, 4000}; break;
    case 1: p = {"svcd", "mpeg2video", "mp2", 44100, 224, 2500, 6000}; break;
    case 2: p = {"dvd", "mpeg2video", "mp2", 48000, 224, 5000, 9000}; break;
    case 3: p = {"avi", "mpeg4", "libmp3lame", 44100, 192, 3000, 8000}; break;
    case 4: p = {"mp4", "libx264", "aac", 48000, 192, 0, 0, 23, 18}; break;
    case 5: p = {"mov", "libx264", "aac", 48000, 192, 0, 0, 23, 18}; break;
    case 6: p = {"asf", "wmv2", "wmav2", 44100, 192, 3000, 8000, 0, 0, 0}; break;
    default: p = {"mpeg", "mpeg2video", "mp2", 48000, 224, 5000, 9000}; break;
    }
    static const char* const kExtensions[] = {".mpg", ".mpg", ".mpg", ".avi", ".mp4", ".mov", ".wmv"};
    p.extension = QString::fromLatin1(format >= 0 && format <= 6 ? kExtensions[format] : ".mpg");
    return p;
}

bool ConversionPreset::programStream() const {
    return muxer == QLatin1String("vcd") || muxer == QLatin1String("svcd") || muxer == QLatin1String("dvd") ||
           muxer == QLatin1String("mpeg");
}

FrameRate FrameRateFor(int system) {
    return system == 1 ? FrameRate{30000, 1001} : FrameRate{25, 1};
}

int GopSizeFor(const ConversionPreset& preset, int system) {
    if (preset.constantQuality())
        return system == 1 ? 60 : 50;
    return system == 1 ? 15 : 12;
}

qint64 VideoBitRate(const ConversionPreset& preset, bool high, int width, int height) {
    const qint64 kbps = high ? preset.highKbps : preset.standardKbps;
    const qint64 area = qint64(width) * height;
    const qint64 reference = 1280LL * 720;
    if (area <= reference)
        return kbps * 1000;
    return kbps * 1000 * area / reference;
}
