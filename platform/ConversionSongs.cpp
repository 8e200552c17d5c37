#include "platform/ConversionSongs.h"

#include "platform/AudioDecoder.h"

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
