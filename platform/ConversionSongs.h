#pragma once
// SongChain: the songs of a conversion decoded one after another into one stream of
// interleaved stereo 16-bit sound at the output's rate. Used by the conversion library;
// not a public interface.

#include <QString>
#include <QStringList>
#include <memory>

#include "platform/ConversionWorker.h"

class SongChain : public PcmSource {
public:
    explicit SongChain(int sampleRate);
    ~SongChain() override;
    // Appends a song; checks that it opens as sound. False with a Chinese text naming the
    // file (the song is then left out).
    bool Add(const QString& path, QString& error);
    // The songs in order, then the end (0). A song that fails while being read ends early.
    qint64 Read(int16_t* out, qint64 frames) override;

private:
    struct Impl;
    std::unique_ptr<Impl> d_;
};

// A song's length in milliseconds; 0 when it cannot be read.
qint64 SongLengthMs(const QString& path);
