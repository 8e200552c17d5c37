#include "platform/ConversionPresets.h"

ConversionPreset PresetFor(int format) {
    switch (format) {
    case 0: return {"vcd", "mpeg1video", "mp2", 44100, 224, 1150, 4000};
    case 1: return {"svcd", "mpeg2video", "mp2", 44100, 224, 2500, 6000};
    case 2: return {"dvd", "mpeg2video", "mp2", 48000, 224, 5000, 9000};
    case 3: return {"avi", "mpeg4", "mp2", 44100, 224, 3000, 8000};
    default: return {"mpeg", "mpeg2video", "mp2", 48000, 224, 5000, 9000};
    }
}

FrameRate FrameRateFor(int system) {
    return system == 1 ? FrameRate{30000, 1001} : FrameRate{25, 1};
}

int GopSizeFor(int system) { return system == 1 ? 15 : 12; }

qint64 VideoBitRate(const ConversionPreset& preset, bool high, int width, int height) {
    const qint64 kbps = high ? preset.highKbps : preset.standardKbps;
    const qint64 area = qint64(width) * height;
    const qint64 reference = 1280LL * 720;
    if (area <= reference)
        return kbps * 1000;
    return kbps * 1000 * area / reference;
}
