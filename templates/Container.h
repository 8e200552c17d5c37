#pragma once
// The layered storage of library files.
//
// A stored file is a payload wrapped in L successive layers. Each layer is
//
//     offset 0, 4 bytes   signed 32-bit little-endian length N of the layer's payload
//     offset 4, the rest  one zlib stream (2-byte header, deflate data, Adler-32)
//
// whose inflated first N bytes are the next layer inward (or, after L strips, the payload).
// Template parameter files and movies have 20 layers, the closing movie 16, the start-up
// animation 13 and the combination archives 3.
//
// Exactly N bytes are taken from the inflater, so bytes after a stream are ignored (the
// start-up archive is padded that way). An empty stream is left unchanged by a strip.
// A layer that is too short, announces a negative length, does not inflate or ends before
// N bytes is an error the caller can report; nothing here ends the process.

#include <QByteArray>
#include <QString>
#include <functional>

// The outcome of a strip or unwrap: ok, or a message naming what went wrong.
struct ContainerResult {
    bool ok = true;
    QString error;  // Chinese text for the message window when !ok
    explicit operator bool() const { return ok; }
    static ContainerResult failure(QString message) { return {false, std::move(message)}; }
};

// Replaces `stream` by the inflation of its first layer. An empty stream stays empty.
// On failure `stream` is left as it was.
ContainerResult StripLayer(QByteArray& stream);

// Names the intermediate file of pass n (1 ... L-1) of an unwrap.
using IntermediateName = std::function<QString(int pass)>;

// The six digits of the current time of day, "hhmmss", taken afresh at every call; part of
// the intermediate names the program gives.
QString TimeOfDayDigits();

// Unwraps the container at `source` through L strips: pass n = 1 ... L-1 loads the previous
// file, strips it and saves it as `intermediateName(n)`; pass L saves to `finalPath`.
// Intermediate files are left where they are. Stops at the first failing pass.
ContainerResult UnwrapContainer(const QString& source, int layers,
                                const IntermediateName& intermediateName,
                                const QString& finalPath);

// Strips L layers in memory.
ContainerResult StripLayers(QByteArray& stream, int layers);

// Wraps `payload` in `layers` layers (the inverse of L strips), at the best compression.
QByteArray WrapLayers(const QByteArray& payload, int layers);

// How many layers can be stripped off `stream` in a row before the data no longer reads
// as a layer. An empty stream has none.
int CountLayers(QByteArray stream);
