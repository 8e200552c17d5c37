#include "tools/databuild/TemplateSource.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>

namespace databuild {
namespace {

QColor ColourOf(const QJsonValue& value, const QColor& fallback) {
    const QColor c(value.toString());
    return c.isValid() ? c : fallback;
}

QPointF PointOf(const QJsonValue& value, QPointF fallback) {
    const QJsonArray a = value.toArray();
    if (a.size() != 2) return fallback;
    return {a[0].toDouble(), a[1].toDouble()};
}

Decor DecorOf(const QJsonObject& o) {
    Decor d;
    d.kind = o["kind"].toString();
    d.color = ColourOf(o["color"], QColor(255, 255, 255, 160));
    d.count = o["count"].toInt(d.count);
    d.seed = o["seed"].toInt(d.seed);
    d.over = o["over"].toBool(false);
    return d;
}

Picture PictureOf(const QJsonObject& o) {
    Picture p;
    p.name = o["name"].toString();
    p.orientation = o["orientation"].toString();
    const QPointF size = PointOf(o["size"], {0, 0});
    p.size = QSize(int(size.x()), int(size.y()));
    p.at = PointOf(o["at"], p.at);
    p.turn = o["turn"].toDouble(0);
    p.enter = o["enter"].toString(p.enter);
    p.start = o["start"].toDouble(p.start);
    p.length = o["length"].toDouble(p.length);
    const QJsonObject border = o["border"].toObject();
    p.borderWidth = border["width"].toInt(0);
    p.borderColor = ColourOf(border["color"], Qt::white);
    p.shadow = o["shadow"].toBool(false);
    p.drift = PointOf(o["drift"], {});
    p.dimmed = o["look"].toString() == "dimmed";
    return p;
}

// The checks that keep the parameter file and the movie sound.
QString CheckPictures(const TemplateSource& t) {
    if (t.pictures.isEmpty()) return "没有图片项";
    QStringList names;
    for (const Picture& p : t.pictures) {
        if (p.name.isEmpty() || p.name.contains('|') || names.contains(p.name))
            return "图片名称为空、重复或含有“|”：" + p.name;
        names.append(p.name);
        if (p.orientation != "heng" && p.orientation != "shu" && p.orientation != "shuheng")
            return "图片 " + p.name + " 的方向不是 heng、shu 或 shuheng";
        if (p.size.width() < 0 || p.size.height() < 0 ||
            (p.size.width() == 0) != (p.size.height() == 0))
            return "图片 " + p.name + " 的尺寸不对";
    }
    for (const Picture& p : t.pictures) {
        if (p.isPhotoSlot()) continue;
        bool fed = false;
        for (const Picture& slot : t.pictures)
            if (slot.isPhotoSlot() && p.name.contains(slot.name)) fed = true;
        if (!fed) return "图片 " + p.name + " 不含任何照片位置的名称";
    }
    if (t.photoSlotCount() == 0) return "没有照片位置";
    return {};
}

}  // namespace

int TemplateSource::photoSlotCount() const {
    int n = 0;
    for (const Picture& p : pictures) n += p.isPhotoSlot() ? 1 : 0;
    return n;
}

bool ParseTemplateSource(const QByteArray& json, const QString& id, TemplateSource& out,
                         QString& error) {
    QJsonParseError parseError;
    const QJsonDocument doc = QJsonDocument::fromJson(json, &parseError);
    if (!doc.isObject()) {
        error = "模板描述 " + id + " 不是有效的 JSON：" + parseError.errorString();
        return false;
    }
    const QJsonObject o = doc.object();
    TemplateSource t;
    t.id = id;
    t.name = o["name"].toString();
    t.category = o["category"].toString();
    t.frames = o["frames"].toInt(0);
    t.handover = o["handover"].toString(t.handover);
    t.backdrop = o["backdrop"].toObject();
    for (const QJsonValue& d : o["decor"].toArray()) t.decor.append(DecorOf(d.toObject()));
    for (const QJsonValue& p : o["pictures"].toArray()) t.pictures.append(PictureOf(p.toObject()));
    QString problem;
    if (t.name.isEmpty())
        problem = "没有名称";
    else if (t.frames < 1)
        problem = "帧数不对";
    else
        problem = CheckPictures(t);
    if (!problem.isEmpty()) {
        error = "模板描述 " + id + "：" + problem;
        return false;
    }
    out = t;
    return true;
}

bool LoadTemplateSource(const QString& path, TemplateSource& out, QString& error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = "无法读取模板描述：" + path;
        return false;
    }
    return ParseTemplateSource(file.readAll(), QFileInfo(path).completeBaseName(), out, error);
}

TemplateSource WithFrames(TemplateSource source, int frames) {
    source.timeScale *= double(frames) / source.frames;
    source.frames = frames;
    return source;
}

}  // namespace databuild
