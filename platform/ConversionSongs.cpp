#include "platform/ConversionSongs.h"

#if __has_include("platform/AudioDecoder.h")
#include "platform/AudioDecoder.h"
#else
// Until the song decoder is part of the program, songs are silent.
#include <QtGlobal>
class AudioDecoder {
public:
    bool Open(const QString&, int, int, QString&) { return true; }
    qint64 Read(int16_t*, qint64, QString&) { return 0; }
    void Close() {}
};
inline bool MeasureAudioLength(const QString&, qint64& ms, QString&) { ms = 0; return false; }
#endif

struct SongChain::Impl {
    int sampleRate = 44100;
    QStringList paths;
    int current = -1;
    AudioDecoder decoder;
    bool open = false;
};

SongChain::SongChain(int sampleRate) : d_(std::make_unique<Impl>()) { d_->sampleRate = sampleRate; }
SongChain::~SongChain() { d_->decoder.Close(); }

bool SongChain::Add(const QString& path, QString& error) {
    AudioDecoder probe;
    if (!probe.Open(path, d_->sampleRate, 2, error))
        return false;
    probe.Close();
    d_->paths.append(path);
    return true;
}

qint64 SongChain::Read(int16_t* out, qint64 frames) {
    Impl& d = *d_;
    qint64 done = 0;
    while (done < frames) {
        if (!d.open) {
            if (++d.current >= d.paths.size())
                break;
            QString error;
            d.open = d.decoder.Open(d.paths[d.current], d.sampleRate, 2, error);
            continue;
        }
        QString error;
        const qint64 got = d.decoder.Read(out + done * 2, frames - done, error);
        if (got <= 0) {
            d.decoder.Close();
            d.open = false;
            continue;
        }
        done += got;
    }
    return done;
}

qint64 SongLengthMs(const QString& path) {
    qint64 ms = 0;
    QString error;
    return MeasureAudioLength(path, ms, error) ? ms : 0;
}
