// lumora-videoinfo FILE [FRAME ...]
// Prints the container, every stream (codec, size and rate, or sample rate and channels)
// and each stream's decoded length. Each FRAME number (0-based) is saved beside the file
// as FILE-frameN.png.

#include <QCoreApplication>
#include <QFileInfo>
#include <QStringList>
#include <cstdio>

#include "platform/VideoInfo.h"

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.isEmpty()) {
        std::fprintf(stderr, "usage: lumora-videoinfo FILE [FRAME ...]\n");
        return 2;
    }
    const QString path = args[0];
    const VideoFileInfo info = ReadVideoInfo(path);
    if (!info.ok()) {
        std::fprintf(stderr, "%s\n", qPrintable(info.error));
        return 1;
    }
    std::printf("file: %s\ncontainer: %s\n", qPrintable(path), qPrintable(info.container));
    for (const VideoStreamInfo& s : info.streams) {
        if (s.video)
            std::printf("video: %s %dx%d %.3f fps, %lld frames, %.3f s\n", qPrintable(s.codec), s.width,
                        s.height, s.rateDen ? double(s.rateNum) / s.rateDen : 0.0, (long long)s.frames,
                        s.seconds);
        else
            std::printf("audio: %s %d Hz, %d channels, %.3f s\n", qPrintable(s.codec), s.sampleRate,
                        s.channels, s.seconds);
    }
    QList<qint64> frames;
    for (int i = 1; i < args.size(); ++i)
        frames.append(args[i].toLongLong());
    const QList<QImage> pictures = ReadVideoFrames(path, frames);
    for (int i = 0; i < frames.size(); ++i) {
        const QString out = QStringLiteral("%1-frame%2.png").arg(path).arg(frames[i]);
        if (pictures[i].isNull() || !pictures[i].save(out)) {
            std::fprintf(stderr, "frame %lld: not saved\n", (long long)frames[i]);
            return 1;
        }
        std::printf("saved: %s\n", qPrintable(out));
    }
    return 0;
}
