#pragma once
// moviekit: writes the program's movies, Lottie (Bodymovin JSON) animations.
//
// The conventions every movie of the program follows, and the player relies on:
//   - stage 1920 x 1080 for templates (other sizes for other movies), 25 frames per second;
//   - pictures the program provides (photo slots, the background "wj_y_l_b_j.jpg", the
//     hand-over picture "picture_0.jpg") are external image assets named by file name, with
//     the size of the box the picture must fill ("w", "h"); the player reads them from the
//     movie's folder and fits them into that box;
//   - pictures that belong to the movie itself (titles; rlottie draws no text layers) are
//     embedded image assets;
//   - movie variables (the marker) are the top-level object "variables" of string values,
//     which rlottie ignores and the player reads;
//   - no layer is parented to an image layer, because the player adjusts the anchor and
//     scale of image layers to draw pictures at 1 : 1; an image layer may itself follow a
//     null layer (its parent), so a photo and its frame move as one;
//   - image layers carry no masks and no track mattes: the player rescales an image layer's
//     own space, which would move a mask drawn in it, and rlottie 0.1 draws nothing for an
//     image layer under a track matte. Wipes are drawn as panels that cover and uncover.
//
// Layers are added back to front: each new layer is drawn over the earlier ones. A layer is
// known by its index (1-based, in the order added), which is also its Lottie "ind".

#include <QColor>
#include <QImage>
#include <QJsonArray>
#include <QJsonObject>
#include <QSize>
#include <QStringList>
#include <QString>
#include <QVector>
#include <initializer_list>

namespace moviekit {

// How a value moves from one key to the next.
enum class Ease { Linear, InOut, Out, In, Hold };

struct Key {
    double frame;
    QVector<double> value;
    Ease ease = Ease::InOut;  // the movement from this key to the next
};

// A property of a layer: a constant value or keys over time.
class Property {
public:
    Property() = default;
    Property(std::initializer_list<double> value) : value_(value) {}
    explicit Property(QVector<double> value) : value_(std::move(value)) {}
    static Property animated(QVector<Key> keys);

    bool isSet() const { return !value_.isEmpty() || !keys_.isEmpty(); }
    QJsonObject toJson() const;

private:
    QVector<double> value_;
    QVector<Key> keys_;
};

struct Transform {
    Property anchor{0, 0};        // in the layer's own pixels
    Property position{960, 540};  // on the stage
    Property scale{100, 100};     // percent
    Property rotation{0};         // degrees
    Property opacity{100};        // percent
    QJsonObject toJson() const;
};

struct Layer {
    int index = 0;  // set by Movie when added
    QString name;
    int type = 2;  // 1 solid, 2 image, 3 null, 4 shape
    int parent = 0;  // index of the parent layer, 0 for none
    QString refId;
    double inFrame = 0;
    double outFrame = 0;
    Transform transform;
    // Solid layers
    QColor color;
    int width = 0;
    int height = 0;
    // Shape layers: raw shape items (see the shape helpers below)
    QJsonArray shapes;
    // Solid and shape layers: masks ("masksProperties" items)
    QJsonArray masks;
};

// Shape items for shape layers. Sizes and positions are in the layer's own pixels.
namespace shape {
QJsonObject Rectangle(double width, double height, double cornerRadius = 0,
                      double x = 0, double y = 0);
QJsonObject Ellipse(double width, double height, double x = 0, double y = 0);
QJsonObject Fill(const QColor& color);  // the colour's alpha is the fill's opacity
QJsonObject Stroke(const QColor& color, double width);
// A radial gradient from `inner` at the centre (x, y) to `outer` at `radius`.
QJsonObject RadialGradient(const QColor& inner, const QColor& outer, double radius,
                           double x = 0, double y = 0);
// A linear gradient from `from` at (x1, y1) to `to` at (x2, y2).
QJsonObject LinearGradient(const QColor& from, const QColor& to, double x1, double y1,
                           double x2, double y2);
// A group of items (paths first, then fills and strokes) with its own transform.
QJsonObject Group(const QJsonArray& items, double x = 0, double y = 0, double rotation = 0);
}  // namespace shape

// A mask that keeps the rectangle (x, y, width, height), in the layer's own pixels, of a
// solid or shape layer.
QJsonObject RectangleMask(double x, double y, double width, double height);

class Movie {
public:
    Movie(int frames, int width = 1920, int height = 1080, int framesPerSecond = 25);

    int frames() const { return frames_; }
    int width() const { return width_; }
    int height() const { return height_; }

    void setName(const QString& name) { name_ = name; }
    void setVariable(const QString& name, const QString& value) { variables_[name] = value; }

    // An external picture the player reads from the movie's folder, fitted into w x h.
    // Answers the asset id.
    QString addPicture(const QString& fileName, int width, int height);
    // A picture carried inside the movie (PNG). Answers the asset id.
    QString addEmbeddedPicture(const QString& id, const QImage& image);

    // A layer showing picture `assetId` from `inFrame` up to (not including) `outFrame`;
    // its anchor starts at the picture box's centre.
    Layer& addPictureLayer(const QString& assetId, double inFrame, double outFrame);
    Layer& addSolidLayer(const QColor& color, int width, int height, double inFrame,
                         double outFrame);
    // A filled rectangle w x h centred on the layer's origin.
    Layer& addRectangleLayer(const QColor& color, double width, double height, double inFrame,
                             double outFrame, double cornerRadius = 0);
    // A shape layer of the given shape items; its origin is at the layer's position.
    Layer& addShapeLayer(const QJsonArray& shapes, double inFrame, double outFrame);
    // An invisible layer that carries a transform for the layers parented to it.
    Layer& addNullLayer(double inFrame, double outFrame);

    // The layer with `index`; valid until the next layer is added.
    Layer& layer(int index) { return layers_[index - 1]; }
    int layerCount() const { return int(layers_.size()); }
    // The declared box of an external picture, by file name; an empty size when not named.
    QSize pictureBox(const QString& fileName) const;
    QStringList pictureNames() const;

    QJsonObject toJson() const;
    QByteArray toBytes() const;

private:
    struct Asset {
        QString id;
        int width;
        int height;
        QString path;
        bool embedded;
    };
    Layer& add(Layer layer);

    int frames_;
    int width_;
    int height_;
    int fps_;
    QString name_ = "movie";
    QJsonObject variables_;
    QVector<Asset> assets_;
    QVector<Layer> layers_;  // back to front
};

}  // namespace moviekit
