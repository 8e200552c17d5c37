#pragma once
// The sample song pair: a melody of our own, synthesised (a bell-like lead over soft
// chords and a bass line, 96 beats per minute, 70 seconds), encoded as MP3 with FFmpeg's
// MP3 encoder (libmp3lame), and its lyric file: GBK LRC with ti, ar, al and by tags and
// one Chinese line for every two bars, timed to the melody's phrases.

#include <QByteArray>
#include <QString>
#include <QVector>

namespace databuild {

inline constexpr const char* kSongName = "春日";
inline constexpr int kSongSampleRate = 44100;

// The song as interleaved stereo samples in [-1, 1].
QVector<float> SynthesiseSong();
double SongSeconds();

// The LRC text (Unicode; EncodeGbk gives the stored bytes).
QString SongLyrics();

// Encodes interleaved stereo samples as an MP3 file at `path`. Answers false with a
// Chinese message when the encoder is missing or the file cannot be written.
bool EncodeMp3(const QVector<float>& samples, int sampleRate, const QString& path, QString& error);

// Writes "春日.mp3" and "春日.lrc" into `folder`.
bool WriteSampleSong(const QString& folder, QString& error);

}  // namespace databuild
