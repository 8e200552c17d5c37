#include "platform/LottieMovie.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonParseError>
#include <algorithm>
#include <cmath>

#include "platform/LottieJson.h"

namespace {

// Stage sizes and frame counts beyond these are not movies of the program.
constexpr double kMaxStageSide = 16384;
constexpr double kMaxFrames = 1e7;

bool IsImageAsset(const QJsonObject& asset) {
    return asset.contains("p") && !asset.contains("layers");
}

// The encoded bytes of a "data:...;base64,..." text; empty when it is not one.
QByteArray DecodeDataUri(const QString& uri) {
    if (!uri.startsWith("data:")) return {};
    const qsizetype comma = uri.indexOf(',');
    if (comma < 0 || !uri.left(comma).endsWith(";base64")) return {};
    auto decoded = QByteArray::fromBase64Encoding(uri.mid(comma + 1).toLatin1(),
                                                  QByteArray::AbortOnBase64DecodingErrors);
    return decoded ? *decoded : QByteArray();
}

MoviePicture ReadPicture(const QJsonObject& asset) {
    MoviePicture picture;
    picture.id = asset.value("id").toString();
    picture.box = QSize(asset.value("w").toInt(), asset.value("h").toInt());
    picture.embedded = asset.value("e").toInt() == 1;
    const QString path = asset.value("p").toString();
    if (picture.embedded)
        picture.data = DecodeDataUri(path);
    else
        picture.fileName = path;
    return picture;
}

// Multiplies the first two components of a value (a number or an array) by fx and fy.
QJsonValue ScaleValue(const QJsonValue& value, double fx, double fy) {
    if (value.isDouble()) return value.toDouble() * fx;
    if (!value.isArray()) return value;
    QJsonArray array = value.toArray();
    if (array.size() > 0 && array[0].isDouble()) array[0] = array[0].toDouble() * fx;
    if (array.size() > 1 && array[1].isDouble()) array[1] = array[1].toDouble() * fy;
    return array;
}

// A transform property with every value and key multiplied per axis. Spatial tangents
// ("to", "ti") are lengths on the same axes and scale with the values.
QJsonObject ScaleProperty(QJsonObject property, double fx, double fy) {
    const QJsonValue k = property.value("k");
    const bool keyed = k.isArray() && !k.toArray().isEmpty() && k.toArray().at(0).isObject();
    if (!keyed) {
        property["k"] = ScaleValue(k, fx, fy);
        return property;
    }
    QJsonArray keys = k.toArray();
    for (qsizetype i = 0; i < keys.size(); ++i) {
        QJsonObject key = keys[i].toObject();
        for (const char* name : {"s", "e", "to", "ti"})
            if (key.contains(name)) key[name] = ScaleValue(key.value(name), fx, fy);
        keys[i] = key;
    }
    property["k"] = keys;
    return property;
}

using Factors = QHash<QString, QSizeF>;  // asset id -> bitmap size / declared box

QJsonArray AdjustLayers(QJsonArray layers, const Factors& factors) {
    for (qsizetype i = 0; i < layers.size(); ++i) {
        QJsonObject layer = layers[i].toObject();
        if (layer.value("ty").toInt() != 2) continue;
        const auto found = factors.constFind(layer.value("refId").toString());
        if (found == factors.constEnd()) continue;
        const double fx = found->width(), fy = found->height();
        QJsonObject ks = layer.value("ks").toObject();
        if (ks.contains("a")) ks["a"] = ScaleProperty(ks.value("a").toObject(), fx, fy);
        const QJsonObject scale =
            ks.contains("s") ? ks.value("s").toObject()
                             : QJsonObject{{"a", 0}, {"k", QJsonArray{100, 100, 100}}};
        ks["s"] = ScaleProperty(scale, 1 / fx, 1 / fy);
        layer["ks"] = ks;
        layers[i] = layer;
    }
    return layers;
}

}  // namespace

std::optional<LottieMovie> LottieMovie::parse(const QByteArray& bytes) {
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject()) return std::nullopt;
    const QJsonObject root = document.object();
    const double w = root.value("w").toDouble(), h = root.value("h").toDouble();
    const double ip = root.value("ip").toDouble(), op = root.value("op").toDouble(-1);
    const double fr = root.value("fr").toDouble();
    if (!(w >= 1 && w <= kMaxStageSide && h >= 1 && h <= kMaxStageSide)) return std::nullopt;
    if (!(fr > 0) || !(op - ip >= 1 && op - ip <= kMaxFrames)) return std::nullopt;
    if (!root.value("layers").isArray()) return std::nullopt;

    LottieMovie movie;
    movie.root_ = root;
    movie.stage_ = QSize(int(w), int(h));
    movie.frameRate_ = fr;
    movie.frames_ = int(op - ip);
    for (const QJsonValue& value : root.value("assets").toArray()) {
        const QJsonObject asset = value.toObject();
        if (IsImageAsset(asset)) movie.pictures_.append(ReadPicture(asset));
    }
    return movie;
}

QString LottieMovie::variable(const QString& name) const {
    const QJsonValue value = root_.value("variables").toObject().value(name);
    if (value.isString()) return value.toString();
    if (value.isDouble()) return QString::number(value.toDouble());
    return {};
}

QStringList LottieMovie::variableNames() const {
    QStringList names = root_.value("variables").toObject().keys();
    std::sort(names.begin(), names.end());
    return names;
}

QByteArray LottieMovie::forRenderer(const QHash<QString, AssetBitmap>& bitmaps) const {
    Factors factors;
    QJsonArray assets = root_.value("assets").toArray();
    for (qsizetype i = 0; i < assets.size(); ++i) {
        QJsonObject asset = assets[i].toObject();
        const auto found = bitmaps.constFind(asset.value("id").toString());
        if (!IsImageAsset(asset) || found == bitmaps.constEnd()) continue;
        const double boxW = asset.value("w").toDouble(), boxH = asset.value("h").toDouble();
        if (boxW > 0 && boxH > 0)
            factors.insert(found.key(), QSizeF(found->size.width() / boxW,
                                               found->size.height() / boxH));
        asset["w"] = found->size.width();
        asset["h"] = found->size.height();
        asset["u"] = "";
        asset["p"] = found->fileName;
        asset["e"] = 0;
        assets[i] = asset;
    }
    for (qsizetype i = 0; i < assets.size(); ++i) {
        QJsonObject asset = assets[i].toObject();
        if (!asset.value("layers").isArray()) continue;
        asset["layers"] = AdjustLayers(asset.value("layers").toArray(), factors);
        assets[i] = asset;
    }
    QJsonObject root = root_;
    root["assets"] = assets;
    root["layers"] = AdjustLayers(root_.value("layers").toArray(), factors);
    root.remove("variables");
    return SerializeLottie(root);
}
