#pragma once
// MusicPlayer: the program's one music player (the main window's MediaPlayer1). Every
// window that plays, measures or stops music uses these operations and only these.
//
// A file is decoded with FFmpeg (AudioDecoder.h) and played through Qt Multimedia's audio
// output. The playing position is a wall clock started by Play and halted by Stop, the same
// with or without a sound device: on a machine without one (a server, the test machine)
// the position still advances in real time while playing and the mode turns Stopped when
// the position reaches the end of the file, so every caller behaves the same. The sound,
// when there is a device, runs alongside that clock; a device that fails while playing
// only silences it.
//
// The file name is the caller's flag that a file is loaded (empty = nothing loaded). It is
// kept apart from Load on purpose: callers set it before loading and clear it after
// stopping, in the switching sequence that SwitchMusic runs.
//
// All calls belong to the window thread. Nothing here ends the process on a bad file.

#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <memory>

class AudioDecoder;
class QAudioSink;
class DecodedAudioStream;

enum class MusicMode {
    NotReady,  // nothing loaded, or the last Load failed
    Stopped,   // loaded and not playing; also once a played file has reached its end
    Playing,
};

class MusicPlayer : public QObject {
    Q_OBJECT
public:
    explicit MusicPlayer(QObject* parent = nullptr);
    ~MusicPlayer() override;

    // Opens the file at `path`, closing the one that was open first. Afterwards the file is
    // stopped at its start and Length is its true length (measured, see
    // MeasureAudioLength). Fails, with `error` a Chinese text naming the file, when the file
    // does not decode as audio (a text file named .mp3, an empty or missing file); then
    // nothing is loaded and Mode is NotReady. The file name is not touched.
    bool Load(const QString& path, QString& error);

    // Starts playing from the current position and returns at once. Nothing when nothing is
    // loaded, when already playing, or when the position is at the end.
    void Play();
    // Halts playing; the file stays loaded and the position stays where it was.
    void Stop();

    // The loaded file's length in milliseconds; 0 when nothing is loaded.
    qint64 Length() const { return lengthMs_; }
    // The playing position in milliseconds, 0 ... Length.
    qint64 Position() const;
    // Playing, Stopped (including a played file that has reached its end) or NotReady.
    MusicMode Mode() const;

    QString FileName() const { return fileName_; }
    void SetFileName(const QString& name) { fileName_ = name; }

    // Whether sound reaches a device while playing (false on a machine without one).
    bool soundActive() const { return sink_ != nullptr; }

private:
    bool reachedEnd() const;
    void startSound();
    void stopSound();

    QString fileName_;
    QString loadedPath_;
    qint64 lengthMs_ = 0;
    bool loaded_ = false;
    bool playing_ = false;
    qint64 positionMs_ = 0;   // the position while stopped, and where the clock started
    QElapsedTimer clock_;     // runs while playing
    std::unique_ptr<AudioDecoder> decoder_;
    DecodedAudioStream* stream_ = nullptr;  // owned by this object while sound plays
    QAudioSink* sink_ = nullptr;
};

// The switching sequence every caller runs to change the file: Stop when a file name is
// set, clear the file name, set it to `path`, Load, then Play (`play`) or Stop (only to
// measure: Length is then the file's length). Answers Load's answer and error.
bool SwitchMusic(MusicPlayer& player, const QString& path, bool play, QString& error);
