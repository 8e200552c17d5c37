#pragma once
// LottieMovie: a movie of the program (a Lottie / Bodymovin JSON animation) as the player
// reads it, with no widget and no renderer in it.
//
// It answers what the player needs before anything is drawn: the frame count, the stage
// size and frame rate, the movie variables (the top-level object "variables", which the
// renderer ignores) and the picture assets with the boxes they are declared for. It also
// writes the movie in the form the renderer is handed: every picture asset replaced by a
// bitmap the player prepared, and the image layers that show it adjusted so that the
// picture still covers the same place on the stage.
//
// A LottieMovie is a value; it owns a copy of the parsed JSON.

#include <QByteArray>
#include <QHash>
#include <QJsonObject>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QVector>
#include <optional>

// An image asset of a movie: a picture shown in a box of a declared size.
struct MoviePicture {
    QString id;          // asset id, as image layers name it in "refId"
    QString fileName;    // external picture: the file name the movie names; empty when embedded
    bool embedded = false;
    QByteArray data;     // embedded picture: its encoded bytes; empty when it cannot be decoded
    QSize box;           // declared size ("w" x "h") the picture must fit into
};

// A bitmap the player prepared for one picture asset: a file in the renderer's resource
// folder and the bitmap's pixel size.
struct AssetBitmap {
    QString fileName;
    QSize size;
};

class LottieMovie {
public:
    // Parses movie bytes. Answers nothing when the bytes are not a movie: not JSON, not an
    // object, or without a positive stage size, frame rate, frame range and a layer list.
    static std::optional<LottieMovie> parse(const QByteArray& bytes);

    // Frames from the in point up to the out point ("op" - "ip", truncated); at least 1.
    int totalFrames() const { return frames_; }
    QSize stageSize() const { return stage_; }
    double frameRate() const { return frameRate_; }

    // The movie variable `name` as text; empty when the movie has no such variable or its
    // value is not a string or number.
    QString variable(const QString& name) const;
    // The names of the movie variables, sorted.
    QStringList variableNames() const;

    // Every image asset, in the order the movie lists them.
    const QVector<MoviePicture>& pictures() const { return pictures_; }

    // The movie as the renderer is handed it. Each asset named in `bitmaps` (by id) shows
    // the given bitmap file (relative to the renderer's resource folder) at its pixel size;
    // each image layer showing such an asset, at top level or inside a precomposition, has
    // its anchor multiplied and its scale divided by bitmap size / declared box, per axis,
    // in static and keyframed values, so the layer covers the same stage area and draws
    // the bitmap 1 : 1 when its scale is 100 %. Layers parented to an image layer are not
    // adjusted; the program's movies have none. Assets not named are left as they are.
    QByteArray forRenderer(const QHash<QString, AssetBitmap>& bitmaps) const;

private:
    QJsonObject root_;
    int frames_ = 0;
    QSize stage_;
    double frameRate_ = 0;
    QVector<MoviePicture> pictures_;
};
