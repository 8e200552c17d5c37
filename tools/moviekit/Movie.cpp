#include "tools/moviekit/Movie.h"

#include <QBuffer>
#include "platform/LottieJson.h"

namespace moviekit {
namespace {

QJsonArray ToArray(const QVector<double>& values) {
    QJsonArray array;
    for (double v : values) array.append(v);
    return array;
}

// The Bézier handles of an easing, as Lottie writes them ("o" leaves a key, "i" enters
// the next).
void AddEasing(QJsonObject& key, Ease ease, int dimensions) {
    double ox = 0.167, oy = 0.167, ix = 0.833, iy = 0.833;
    switch (ease) {
        case Ease::Linear: ox = oy = 0.0; ix = iy = 1.0; break;
        case Ease::InOut: ox = 0.42; oy = 0.0; ix = 0.58; iy = 1.0; break;
        case Ease::Out: ox = 0.0; oy = 0.0; ix = 0.2; iy = 1.0; break;
        case Ease::In: ox = 0.6; oy = 0.0; ix = 1.0; iy = 1.0; break;
        case Ease::Hold: key["h"] = 1; return;
    }
    QJsonArray oxs, oys, ixs, iys;
    for (int d = 0; d < dimensions; ++d) {
        oxs.append(ox); oys.append(oy); ixs.append(ix); iys.append(iy);
    }
    key["o"] = QJsonObject{{"x", oxs}, {"y", oys}};
    key["i"] = QJsonObject{{"x", ixs}, {"y", iys}};
}

QJsonArray Rgba(const QColor& color) {
    return {color.redF(), color.greenF(), color.blueF(), 1.0};
}

QJsonObject Static(const QJsonValue& value) { return {{"a", 0}, {"k", value}}; }

QJsonObject GroupTransform(double x, double y, double rotation) {
    return {{"ty", "tr"}, {"p", Property{x, y}.toJson()}, {"a", Property{0, 0}.toJson()},
            {"s", Property{100, 100}.toJson()}, {"r", Property{rotation}.toJson()},
            {"o", Property{100}.toJson()}};
}

// Gradient stops as Lottie keeps them: colour stops (offset, r, g, b) then opacity stops
// (offset, alpha).
QJsonObject GradientStops(const QColor& from, const QColor& to) {
    const QJsonArray stops{0, from.redF(), from.greenF(), from.blueF(),
                           1, to.redF(), to.greenF(), to.blueF(),
                           0, from.alphaF(), 1, to.alphaF()};
    return {{"p", 2}, {"k", Static(stops)}};
}

}  // namespace

namespace shape {

QJsonObject Rectangle(double width, double height, double cornerRadius, double x, double y) {
    return {{"ty", "rc"}, {"d", 1}, {"nm", "rect"}, {"s", Property{width, height}.toJson()},
            {"p", Property{x, y}.toJson()}, {"r", Property{cornerRadius}.toJson()}};
}

QJsonObject Ellipse(double width, double height, double x, double y) {
    return {{"ty", "el"}, {"d", 1}, {"nm", "ellipse"}, {"s", Property{width, height}.toJson()},
            {"p", Property{x, y}.toJson()}};
}

QJsonObject Fill(const QColor& color) {
    return {{"ty", "fl"}, {"nm", "fill"}, {"c", Static(Rgba(color))},
            {"o", Property{color.alphaF() * 100}.toJson()}, {"r", 1}};
}

QJsonObject Stroke(const QColor& color, double width) {
    return {{"ty", "st"}, {"nm", "stroke"}, {"c", Static(Rgba(color))},
            {"o", Property{color.alphaF() * 100}.toJson()}, {"w", Property{width}.toJson()},
            {"lc", 2}, {"lj", 2}};
}

QJsonObject RadialGradient(const QColor& inner, const QColor& outer, double radius, double x,
                           double y) {
    return {{"ty", "gf"}, {"nm", "gradient"}, {"t", 2}, {"s", Property{x, y}.toJson()},
            {"e", Property{x + radius, y}.toJson()}, {"h", Property{0}.toJson()},
            {"a", Property{0}.toJson()}, {"g", GradientStops(inner, outer)},
            {"o", Property{100}.toJson()}, {"r", 1}};
}

QJsonObject LinearGradient(const QColor& from, const QColor& to, double x1, double y1,
                           double x2, double y2) {
    return {{"ty", "gf"}, {"nm", "gradient"}, {"t", 1}, {"s", Property{x1, y1}.toJson()},
            {"e", Property{x2, y2}.toJson()}, {"g", GradientStops(from, to)},
            {"o", Property{100}.toJson()}, {"r", 1}};
}

QJsonObject Group(const QJsonArray& items, double x, double y, double rotation) {
    QJsonArray all = items;
    all.append(GroupTransform(x, y, rotation));
    return {{"ty", "gr"}, {"nm", "group"}, {"it", all}};
}

}  // namespace shape

QJsonObject RectangleMask(double x, double y, double width, double height) {
    const QJsonArray zero{QJsonArray{0, 0}, QJsonArray{0, 0}, QJsonArray{0, 0},
                          QJsonArray{0, 0}};
    const QJsonArray corners{QJsonArray{x, y}, QJsonArray{x + width, y},
                             QJsonArray{x + width, y + height}, QJsonArray{x, y + height}};
    const QJsonObject path{{"i", zero}, {"o", zero}, {"v", corners}, {"c", true}};
    return {{"inv", false}, {"mode", "a"}, {"pt", Static(path)},
            {"o", Property{100}.toJson()}, {"x", Property{0}.toJson()}};
}

Property Property::animated(QVector<Key> keys) {
    Property p;
    p.keys_ = std::move(keys);
    return p;
}

QJsonObject Property::toJson() const {
    if (keys_.isEmpty()) {
        if (value_.size() == 1) return {{"a", 0}, {"k", value_[0]}};
        return {{"a", 0}, {"k", ToArray(value_)}};
    }
    QJsonArray keys;
    for (int i = 0; i < keys_.size(); ++i) {
        const Key& k = keys_[i];
        QJsonObject key{{"t", k.frame}, {"s", ToArray(k.value)}};
        if (i + 1 < keys_.size()) {
            key["e"] = ToArray(keys_[i + 1].value);  // older players read the end value here
            AddEasing(key, k.ease, int(k.value.size()));
        }
        keys.append(key);
    }
    return {{"a", 1}, {"k", keys}};
}

QJsonObject Transform::toJson() const {
    return {{"a", anchor.toJson()}, {"p", position.toJson()}, {"s", scale.toJson()},
            {"r", rotation.toJson()}, {"o", opacity.toJson()}};
}

Movie::Movie(int frames, int width, int height, int framesPerSecond)
    : frames_(frames), width_(width), height_(height), fps_(framesPerSecond) {}

QString Movie::addPicture(const QString& fileName, int width, int height) {
    const QString id = "img_" + QString::number(assets_.size());
    assets_.append({id, width, height, fileName, false});
    return id;
}

QString Movie::addEmbeddedPicture(const QString& id, const QImage& image) {
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    assets_.append({id, image.width(), image.height(),
                    "data:image/png;base64," + QString::fromLatin1(png.toBase64()), true});
    return id;
}

Layer& Movie::add(Layer layer) {
    layer.index = int(layers_.size()) + 1;
    layers_.append(std::move(layer));
    return layers_.back();
}

Layer& Movie::addPictureLayer(const QString& assetId, double inFrame, double outFrame) {
    Layer layer;
    layer.name = assetId;
    layer.type = 2;
    layer.refId = assetId;
    layer.inFrame = inFrame;
    layer.outFrame = outFrame;
    for (const Asset& a : assets_)
        if (a.id == assetId) layer.transform.anchor = Property{a.width / 2.0, a.height / 2.0};
    return add(std::move(layer));
}

Layer& Movie::addSolidLayer(const QColor& color, int width, int height, double inFrame,
                            double outFrame) {
    Layer layer;
    layer.name = "solid";
    layer.type = 1;
    layer.color = color;
    layer.width = width;
    layer.height = height;
    layer.inFrame = inFrame;
    layer.outFrame = outFrame;
    layer.transform.anchor = Property{width / 2.0, height / 2.0};
    return add(std::move(layer));
}

Layer& Movie::addRectangleLayer(const QColor& color, double width, double height,
                                double inFrame, double outFrame, double cornerRadius) {
    Layer& layer = addShapeLayer(
        {shape::Group({shape::Rectangle(width, height, cornerRadius), shape::Fill(color)})},
        inFrame, outFrame);
    layer.name = "rect";
    return layer;
}

Layer& Movie::addShapeLayer(const QJsonArray& shapes, double inFrame, double outFrame) {
    Layer layer;
    layer.name = "shape";
    layer.type = 4;
    layer.inFrame = inFrame;
    layer.outFrame = outFrame;
    layer.shapes = shapes;
    return add(std::move(layer));
}

Layer& Movie::addNullLayer(double inFrame, double outFrame) {
    Layer layer;
    layer.name = "null";
    layer.type = 3;
    layer.inFrame = inFrame;
    layer.outFrame = outFrame;
    return add(std::move(layer));
}

QSize Movie::pictureBox(const QString& fileName) const {
    for (const Asset& a : assets_)
        if (!a.embedded && a.path == fileName) return {a.width, a.height};
    return {};
}

QStringList Movie::pictureNames() const {
    QStringList names;
    for (const Asset& a : assets_)
        if (!a.embedded) names.append(a.path);
    return names;
}

QJsonObject Movie::toJson() const {
    QJsonArray assets;
    for (const Asset& a : assets_)
        assets.append(QJsonObject{{"id", a.id}, {"w", a.width}, {"h", a.height}, {"u", ""},
                                  {"p", a.path}, {"e", a.embedded ? 1 : 0}});
    QJsonArray layers;
    const int count = int(layers_.size());
    for (int i = count - 1; i >= 0; --i) {  // Lottie lists layers front to back
        const Layer& l = layers_[i];
        QJsonObject layer{{"ddd", 0}, {"ind", l.index}, {"ty", l.type}, {"nm", l.name},
                          {"sr", 1}, {"ks", l.transform.toJson()}, {"ao", 0},
                          {"ip", l.inFrame}, {"op", l.outFrame}, {"st", 0}, {"bm", 0}};
        if (l.type == 2) layer["refId"] = l.refId;
        if (l.type == 1) {
            layer["sc"] = l.color.name(QColor::HexRgb);
            layer["sw"] = l.width;
            layer["sh"] = l.height;
        }
        if (l.type == 4) layer["shapes"] = l.shapes;
        if (l.parent > 0) layer["parent"] = l.parent;
        if (!l.masks.isEmpty()) {
            layer["hasMask"] = true;
            layer["masksProperties"] = l.masks;
        }
        layers.append(layer);
    }
    return {{"v", "5.7.0"}, {"fr", fps_}, {"ip", 0}, {"op", frames_}, {"w", width_},
            {"h", height_}, {"nm", name_}, {"ddd", 0}, {"assets", assets},
            {"layers", layers}, {"variables", variables_}};
}

QByteArray Movie::toBytes() const { return SerializeLottie(toJson()); }

}  // namespace moviekit
