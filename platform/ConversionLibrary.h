#pragma once
// The conversion library: turns a list of video sources (still pictures, or movie files)
// and a list of songs into one video file (MPEG, AVI, MP4, QuickTime or ASF), calling back into the program for every frame.
// It is written over FFmpeg (libavformat, libavcodec, libswscale, libswresample) and keeps
// the call sequence of a classic C conversion library: handles, lists, callbacks, one
// synchronous Convert.
//
// A conversion, in the order the calls are made:
//
//   MclHandle h = MclCreate();
//   MclAssignVideoSource(h, ...); MclAssignVideoFunc(h, ...); MclAssignAudioSource(h, ...);
//   MclAssignAudioFunc(h, ...); MclAssignProgress(h, ...); MclAssignError(h, ...);
//   MclList v = MclListCreate(), a = MclListCreate();
//   MclListAdd(v, framePath, kMclVideoEntry, 0, 0) ...; MclListAdd(a, song, kMclAudioEntry, 0, 0) ...
//   MclSetFormatPreset(h, kMclDvd, kMclPal); MclVideoSetKeepDuration(h, -1);
//   MclVideoSetFormat(h, 1280, 720, 32); [MclVideoSetBitRate(h, 20000, 1, 100000);]
//   MclAudioSetCodec(h, 2); MclVideoSetFileName(h, out); MclAudioSetFileName(h, out);
//   MclConvert(h);  if (MclGetError() != 0) ... MclGetErrorStr();
//   MclListFree(v); MclListFree(a); MclFree(h);
//
// Threads: every call and every callback happens in the calling (user-interface) thread.
// MclConvert runs there and returns when the file is complete, stopped or failed; inside
// it, colour conversion, encoding and multiplexing run on a second thread, so painting the
// next frame (in the frame callback) and encoding the last one use both cores. While it
// waits for that thread, MclConvert processes pending events, so windows stay responsive
// and a stop button can call MclAbort.
//
// Video sources: MclConvert asks the video source callback for entry 0, 1, 2 ...: the
// callback answers with MclSourceSetFile (the entry's path, usually from MclListGetName)
// or MclSourceFinished (no more entries). A still picture (a ".bmp", ".jpg", ".jpeg" or
// ".png" file) is one frame of 1/25 s; any other file is a movie, decoded with FFmpeg,
// each of its frames lasting as its time stamps say. After a source's picture has been
// read, the frame callback is called with the number of source frames read so far
// (1, 2, ...): the program paints the next picture there. So the first entry's picture
// must exist before MclConvert (the program writes it beforehand), and the picture painted
// in callback k is the picture of frame k + 1.
//
// Pictures in memory: MclVideoSetFramePicture(h, path, picture) tells the library that
// the file at `path` now holds `picture`; from then on a still source of that path is
// taken from memory instead of being read from disk, until another picture is given for
// it. The program need not write the file at all for frames handed over this way.
//
// Audio: the audio source callback is asked for entries 0, 1, ... in the same way before
// the first frame. The songs are decoded, resampled to the preset's rate in stereo and
// joined in order; the sound ends with the last video frame: a longer song is cut there,
// with a fade-out over the last half second; shorter sound is followed by silence. With no
// song the file still has one (silent) audio stream.
//
// Output: frame size from MclVideoSetFormat; preset (container, codecs, rates) from
// MclSetFormatPreset; see ConversionPresets.h. PAL is 25 frames per second; NTSC is
// 30000/1001, and with keep duration on (the default) source frames are repeated so that
// the file lasts as long as the sources; with it off every source frame becomes one output
// frame. The same path for video and audio gives one multiplexed file (the only layout
// made: the audio file name must be empty or equal to the video file name).
//
// Failure: nothing ends the process. A failure (no output name, an unwritable folder, a
// full disk, an unreadable source, an encoder error) calls the error callback with an
// answer of 0; an answer of 2 stops the conversion, any other answer skips an unreadable
// source and stops on an output failure. MclGetError then answers non-zero and
// MclGetErrorStr a Chinese text naming the file and the reason. An output file that failed
// is closed but not removed: the caller decides what to do with it.

#include <QImage>
#include <QString>
#include <QtGlobal>
#include <functional>

struct MclConversion;
struct MclSourceList;
struct MclSourceSlot;
using MclHandle = MclConversion*;
using MclList = MclSourceList*;
using MclSource = MclSourceSlot*;

// List entry kinds of MclListAdd.
constexpr int kMclVideoEntry = 8;
constexpr int kMclAudioEntry = 16;

// Formats and television systems of MclSetFormatPreset.
constexpr int kMclVcd = 0;
constexpr int kMclSvcd = 1;
constexpr int kMclDvd = 2;
constexpr int kMclAvi = 3;
constexpr int kMclMp4 = 4;  // beyond the classic four: H.264 and AAC (ConversionPresets.h)
constexpr int kMclMov = 5;
constexpr int kMclWmv = 6;
constexpr int kMclPal = 0;
constexpr int kMclNtsc = 1;

// Progress statuses of the progress callback (a, b, c as given):
constexpr int kMclStatusDone = 0;        // conversion over; elapsed time in MclGetElapsedTime
constexpr int kMclStatusPreparing = 1;   // before the first frame
constexpr int kMclStatusColours = 2;     // a = frames done (not sent by this library)
constexpr int kMclStatusFrame = 3;       // a = source frames read, b = audio samples read
constexpr int kMclStatusMultiplex = 4;   // c = percent of the multiplexing done

// Error answers of the error callback.
constexpr int kMclAnswerStop = 2;

using MclSourceCallback = std::function<void(MclSource source, int index)>;
using MclFrameCallback = std::function<void(MclHandle handle, quintptr user, int frame)>;
using MclProgressCallback = std::function<void(MclHandle handle, int status, qint64 a, qint64 b, qint64 c)>;
using MclErrorCallback = std::function<void(MclHandle handle, quintptr user, int* answer)>;

// A conversion with the default settings (DVD, PAL, 720 x 576, standard quality, keep
// duration on, no file names). Owned by the caller until MclFree.
MclHandle MclCreate();
// Releases the conversion. Must not be called while MclConvert runs (call MclAbort).
void MclFree(MclHandle handle);

void MclAssignVideoSource(MclHandle handle, MclSourceCallback callback);
void MclAssignVideoFunc(MclHandle handle, MclFrameCallback callback);
void MclAssignAudioSource(MclHandle handle, MclSourceCallback callback);
void MclAssignAudioFunc(MclHandle handle, MclFrameCallback callback);  // called per audio block
void MclAssignProgress(MclHandle handle, MclProgressCallback callback);
void MclAssignError(MclHandle handle, MclErrorCallback callback);

// An empty list of source files, owned by the caller until MclListFree.
MclList MclListCreate();
void MclListFree(MclList list);
// Appends `path` to the list; kind is kMclVideoEntry or kMclAudioEntry; the last two
// arguments are reserved (0). Nothing is read yet.
void MclListAdd(MclList list, const QString& path, int kind, int reserved1, int reserved2);
// The list's total of video frames: 1 per still picture, a movie's frame count (from its
// length and frame rate) per movie; a file that cannot be read counts 0.
qint64 MclListGetFrameCount(MclList list);
// The list's total of audio sample frames, counted at 44100 per second of each song's
// measured length; a song that cannot be read counts 0.
qint64 MclListGetSampleCount(MclList list);
// True and the entry's path in `name` while `index` is a valid entry; false past the end.
bool MclListGetName(MclList list, int index, QString& name);

// Answers of a source callback: the entry's file, or the end of the source.
void MclSourceSetFile(MclSource source, const QString& path);
void MclSourceFinished(MclSource source);

// Output settings; see ConversionPresets.h for what each preset and quality gives.
void MclSetFormatPreset(MclHandle handle, int format, int system);
void MclVideoSetKeepDuration(MclHandle handle, int flag);  // -1 keep (default), 0 not
void MclVideoSetFormat(MclHandle handle, int width, int height, int bitsPerPixel);
// The high-quality setting: variable bit rate with `maxKbps` as the ceiling. The other
// two arguments (mode, buffer) are accepted as the classic call passes them.
void MclVideoSetBitRate(MclHandle handle, int maxKbps, int mode, int buffer);
void MclAudioSetCodec(MclHandle handle, int codec);  // accepted; the preset chooses the sound codec
void MclVideoSetFileName(MclHandle handle, const QString& path);
void MclAudioSetFileName(MclHandle handle, const QString& path);

// The file at `path` now holds `picture` (see the header's comment).
void MclVideoSetFramePicture(MclHandle handle, const QString& path, const QImage& picture);

// Runs the whole conversion (see the header's comment). Answers true when the file was
// completed, false when it failed or was stopped.
bool MclConvert(MclHandle handle);
// Stops a running conversion at the next frame; the file written so far is closed. Safe
// from inside a callback, on a conversion that is not running, and on a null handle.
void MclAbort(MclHandle handle);

// The last conversion's error: 0 when none (also after a stop), and its Chinese text.
int MclGetError();
QString MclGetErrorStr();

// Seconds since MclConvert began (until it returned), and an estimate of the seconds
// left from the share of `frames` (source frames) done.
double MclGetElapsedTime(MclHandle handle);
double MclGetRemainingTime(MclHandle handle, qint64 frames, qint64 samples);
// Where the encoding thread's time went in the last conversion: seconds converting
// pictures to the output's colours and encoding video frames, and the frames written.
struct MclStepTimes {
    double colourSeconds = 0;
    double encodeSeconds = 0;
    qint64 frames = 0;
};
MclStepTimes MclGetStepTimes(MclHandle handle);

// A time in seconds as "hh:mm:ss".
QString MclMakeTimeStr(double seconds);
