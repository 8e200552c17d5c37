#pragma once
// Small MP3 files for the music tests, encoded with FFmpeg's MP3 encoder (libmp3lame).

#include <QString>

struct TestSongOptions {
    double seconds = 2.0;
    int sampleRate = 44100;
    int channels = 2;
    // Variable bit rate (quality 4) instead of 128 kbit/s.
    bool vbr = false;
    // The length header (the Xing/Info frame) in the first frame; without it a reader that
    // does not count the frames can only estimate the length from the first frame's rate.
    bool lengthHeader = true;
};

// Writes a tone whose pitch and loudness change every few hundred milliseconds (so a VBR
// encoder varies its frame sizes) to `path`; answers `path`, or empty when encoding failed.
QString WriteTestSong(const QString& path, const TestSongOptions& options = {});

// The number of sample frames an MP3 file decodes to, counted by decoding it with
// libavcodec directly (not through the program's decoder); -1 when it cannot be read.
long long DecodedFrameCount(const QString& path, int* sampleRate = nullptr);
