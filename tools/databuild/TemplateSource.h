#pragma once
// The one description of a template from which both its parameter file and its movie are
// made (data/templates/*.json), so names, sizes and frame counts cannot disagree.
//
// A description file is a JSON object:
//   "name"      display name (Chinese, unique in the library)
//   "category"  category text
//   "frames"    frame count, 25 frames per second
//   "handover"  how the previous template's last frame leaves: fade, slide-left,
//               slide-right, slide-up, slide-down, zoom-out, turn-away, curtain, split
//   "backdrop"  {"kind": "picture", "tint": "#aarrggbb"} (the background picture under a
//               tint) or {"kind": "gradient", "from": colour, "to": colour, "angle": deg}
//   "decor"     [{"kind": bokeh|leak|petals|leaves|stars|rain|snow|stripes|lines|bubbles|
//               vignette|frame, "color": colour, "count": n, "seed": n, "over": bool}]
//   "pictures"  the picture items in drawing order (back to front), each
//               {"name", "orientation": heng|shu|shuheng, "size": [w, h] (0 x 0: the full
//               frame), "at": [x, y] centre on the 1920 x 1080 stage, "turn": degrees,
//               "enter": fade|zoom-in|zoom-out|slide-left|slide-right|slide-up|slide-down|
//               rotate-in|drop|curtain|swing, "start": frame, "length": frames,
//               "border": {"width", "color"}, "shadow": bool, "drift": [dx, dy],
//               "look": "dimmed" for a large copy of a photo behind it}
//   A picture whose name has exactly one "_" is a photo slot; a name with more takes the
//   photo of the last slot whose name it contains (e.g. "xp_1_bj" shows slot "xp_1").

#include <QColor>
#include <QJsonObject>
#include <QPointF>
#include <QSize>
#include <QString>
#include <QVector>

namespace databuild {

struct Decor {
    QString kind;
    QColor color;
    int count = 8;
    int seed = 1;
    bool over = false;  // drawn over the pictures instead of under them
};

struct Picture {
    QString name;         // picture name, also the file name without ".jpg"
    QString orientation;  // heng, shu or shuheng
    QSize size;           // slot size; 0 x 0 for the full frame
    QPointF at{960, 540};
    double turn = 0;
    QString enter = "fade";
    double start = 10;
    double length = 25;
    int borderWidth = 0;
    QColor borderColor = Qt::white;
    bool shadow = false;
    QPointF drift;
    bool dimmed = false;

    bool isPhotoSlot() const { return name.count('_') == 1; }
    // The declared box of the picture: its size, or the full frame for a size of 0 x 0.
    QSize box() const { return size.width() == 0 ? QSize(1920, 1080) : size; }
};

struct TemplateSource {
    QString id;  // file name of its containers, without extension ("mb_01")
    QString name;
    QString category;
    int frames = 250;
    double timeScale = 1.0;  // multiplies every timing of the movie (short test movies)
    QString handover = "fade";
    QJsonObject backdrop;
    QVector<Decor> decor;
    QVector<Picture> pictures;

    int photoSlotCount() const;
};

// Reads a description. On failure answers false and sets `error` (Chinese text).
bool ParseTemplateSource(const QByteArray& json, const QString& id, TemplateSource& out,
                         QString& error);
bool LoadTemplateSource(const QString& path, TemplateSource& out, QString& error);

// The same template with every time scaled so that it runs `frames` frames (for the short
// movies of test libraries).
TemplateSource WithFrames(TemplateSource source, int frames);

}  // namespace databuild
