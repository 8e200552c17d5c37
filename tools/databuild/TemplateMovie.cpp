#include "tools/databuild/TemplateMovie.h"

#include <QJsonArray>

#include "tools/databuild/Decor.h"

namespace databuild {

using moviekit::Ease;
using moviekit::Key;
using moviekit::Layer;
using moviekit::Movie;
using moviekit::Property;
namespace shape = moviekit::shape;

namespace {

constexpr double kHandOverLength = 24;  // frames the hand-over picture takes to leave

Property Point(double x, double y) { return Property{x, y}; }

Property Keys2(QVector<Key> keys) { return Property::animated(std::move(keys)); }

// The background: the background picture under a tint, or a gradient of the design.
void AddBackdrop(Movie& m, const TemplateSource& t, const QString& background) {
    const QJsonObject& b = t.backdrop;
    if (b["kind"].toString() == "picture") {
        Layer& l = m.addPictureLayer(background, 0, m.frames());
        l.transform.position = Point(960, 540);
        const QColor tint(b["tint"].toString("#30000000"));
        if (tint.alpha() > 0)
            m.addRectangleLayer(tint, 1920, 1080, 0, m.frames()).transform.position =
                Point(960, 540);
        return;
    }
    const QColor from(b["from"].toString("#22304a"));
    const QColor to(b["to"].toString("#0c1220"));
    Layer& l = m.addShapeLayer(
        {shape::Group({shape::Rectangle(2400, 2400),  // turned, it still covers the corners
                       shape::LinearGradient(from, to, 0, -540, 0, 540)},
                      0, 0, b["angle"].toDouble(0))},
        0, m.frames());
    l.transform.position = Point(960, 540);
}

struct Entrance {
    Property position, rotation, scale, opacity;
};

// The transform of a picture's carrier over its entrance and the drift after it.
Entrance EntranceOf(const Picture& p, double ts, double frames) {
    const double s = p.start * ts;
    const double e = (p.start + p.length) * ts;
    const double x = p.at.x(), y = p.at.y();
    const QPointF rest = p.at + p.drift;
    Entrance en;
    auto path = [&](QPointF from, QVector<Key> middle = {}) {
        QVector<Key> keys{{s, {from.x(), from.y()}, Ease::Out}};
        keys += middle;
        keys.append({e, {x, y}, Ease::Linear});
        keys.append({std::max(e + 1, frames), {rest.x(), rest.y()}});
        return Keys2(keys);
    };
    en.position = path(p.at);
    en.rotation = Property{p.turn};
    en.scale = Property{100, 100};
    en.opacity = Property::animated({{s, {0}, Ease::Out}, {s + (e - s) * 0.5, {100}}});
    const QString& k = p.enter;
    if (k == "zoom-in") {
        en.scale = Keys2({{s, {55, 55}, Ease::Out}, {e, {100, 100}}});
    } else if (k == "zoom-out") {
        en.scale = Keys2({{s, {135, 135}, Ease::Out}, {e, {100, 100}}});
    } else if (k == "slide-left" || k == "slide-right" || k == "slide-up" || k == "slide-down") {
        const QPointF offset = k == "slide-left"    ? QPointF(1500, 0)
                               : k == "slide-right" ? QPointF(-1500, 0)
                               : k == "slide-up"    ? QPointF(0, 1100)
                                                    : QPointF(0, -1100);
        en.position = path(p.at + offset);
        en.opacity = Property{100};
    } else if (k == "rotate-in") {
        en.rotation = Keys2({{s, {p.turn - 120}, Ease::Out}, {e, {p.turn}}});
        en.scale = Keys2({{s, {20, 20}, Ease::Out}, {e, {100, 100}}});
    } else if (k == "drop") {
        en.position = path({x, y - 1100}, {{s + (e - s) * 0.7, {x, y + 28}, Ease::InOut}});
        en.opacity = Property{100};
    } else if (k == "swing") {
        en.rotation = Keys2({{s, {p.turn + 28}, Ease::InOut},
                             {s + (e - s) * 0.6, {p.turn - 6}, Ease::InOut},
                             {e, {p.turn}}});
        en.position = path({x + 120, y - 500});
    } else if (k == "curtain") {
        const double mid = s + (e - s) * 0.5;
        en.opacity = Property::animated({{0, {0}, Ease::Hold}, {mid, {100}}});
    }
    return en;
}

// A panel in the template's accent colour that covers the picture's box from the left and
// uncovers it to the right, the picture appearing under it halfway.
void AddCurtain(Movie& m, int carrier, QSizeF box, const QColor& colour, double s, double e) {
    const double mid = s + (e - s) * 0.5;
    Layer& grow = m.addShapeLayer(
        {shape::Group({shape::Rectangle(box.width(), box.height(), 0, box.width() / 2, 0),
                       shape::Fill(colour)})},
        s, mid);
    grow.parent = carrier;
    grow.transform.position = Point(-box.width() / 2, 0);
    grow.transform.scale = Keys2({{s, {0, 100}, Ease::InOut}, {mid, {100, 100}}});
    Layer& shrink = m.addShapeLayer(
        {shape::Group({shape::Rectangle(box.width(), box.height(), 0, -box.width() / 2, 0),
                       shape::Fill(colour)})},
        mid, e);
    shrink.parent = carrier;
    shrink.transform.position = Point(box.width() / 2, 0);
    shrink.transform.scale = Keys2({{mid, {100, 100}, Ease::InOut}, {e, {0, 100}}});
}

QColor AccentOf(const TemplateSource& t) {
    for (const Decor& d : t.decor)
        if (d.kind == "frame" || d.kind == "lines") return QColor(d.color.rgb());
    for (const Picture& p : t.pictures)
        if (p.borderWidth > 0) return p.borderColor;
    return QColor("#f4efe6");
}

// A picture item: a null carrier with the entrance, and under it its shadow, its border,
// the picture and, for a dimmed copy, the darkening over it.
void AddPicture(Movie& m, const TemplateSource& t, const Picture& p, const QString& asset) {
    const double ts = t.timeScale;
    const Entrance en = EntranceOf(p, ts, m.frames());
    Layer& carrier = m.addNullLayer(0, m.frames());
    carrier.transform.position = en.position;
    carrier.transform.rotation = en.rotation;
    carrier.transform.scale = en.scale;
    const int carrierIndex = carrier.index;
    const QSizeF box = p.box();
    const double bw = p.borderWidth;
    auto child = [&](Layer& l, QPointF offset = {}) {
        l.parent = carrierIndex;
        l.transform.position = Point(offset.x(), offset.y());
        l.transform.opacity = en.opacity;
    };
    if (p.shadow)
        child(m.addRectangleLayer(QColor(0, 0, 0, 90), box.width() + 2 * bw + 10,
                                  box.height() + 2 * bw + 10, 0, m.frames(), 8),
              {16, 22});
    if (bw > 0)
        child(m.addRectangleLayer(p.borderColor, box.width() + 2 * bw, box.height() + 2 * bw, 0,
                                  m.frames(), bw / 3));
    child(m.addPictureLayer(asset, 0, m.frames()));
    if (p.dimmed) {
        child(
            m.addRectangleLayer(QColor(10, 12, 20, 140), box.width(), box.height(), 0, m.frames()));
        m.layer(carrierIndex).transform.scale =
            Keys2({{0, {100, 100}, Ease::Linear}, {double(m.frames()), {108, 108}}});
    }
    if (p.enter == "curtain")
        AddCurtain(m, carrierIndex, {box.width() + 2 * bw, box.height() + 2 * bw}, AccentOf(t),
                   p.start * ts, (p.start + p.length) * ts);
}

// The previous template's last frame, over everything, leaving the stage.
void AddHandOver(Movie& m, const TemplateSource& t, const QString& asset) {
    const double ts = t.timeScale;
    const double end = kHandOverLength * ts;
    const QString& k = t.handover;
    Layer& l = m.addPictureLayer(asset, 0, k == "curtain" ? end / 2 : end + 1);
    l.transform.position = Point(960, 540);
    auto moveTo = [&](double x, double y) {
        l.transform.position = Keys2({{0, {960, 540}, Ease::In}, {end, {x, y}}});
    };
    if (k == "slide-left")
        moveTo(-960, 540);
    else if (k == "slide-right")
        moveTo(2880, 540);
    else if (k == "slide-up")
        moveTo(960, -540);
    else if (k == "slide-down")
        moveTo(960, 1620);
    else if (k == "zoom-out") {
        l.transform.scale = Keys2({{0, {100, 100}, Ease::InOut}, {end, {30, 30}}});
        l.transform.opacity = Property::animated({{end * 0.4, {100}, Ease::In}, {end, {0}}});
    } else if (k == "turn-away") {
        l.transform.scale = Keys2({{0, {100, 100}, Ease::In}, {end, {10, 10}}});
        l.transform.rotation = Keys2({{0, {0}, Ease::In}, {end, {-35}}});
        moveTo(1700, 180);
    } else if (k == "shrink-corner") {
        l.transform.scale = Keys2({{0, {100, 100}, Ease::InOut}, {end, {22, 22}}});
        moveTo(1650, 900);
        l.transform.opacity = Property::animated({{end * 0.6, {100}, Ease::In}, {end, {0}}});
    } else if (k == "curtain") {
        const QColor c = AccentOf(t);
        Layer& grow = m.addShapeLayer(
            {shape::Group({shape::Rectangle(1920, 1080, 0, 960, 0), shape::Fill(c)})}, 0, end / 2);
        grow.transform.position = Point(0, 540);
        grow.transform.scale = Keys2({{0, {0, 100}, Ease::In}, {end / 2, {100, 100}}});
        Layer& shrink = m.addShapeLayer(
            {shape::Group({shape::Rectangle(1920, 1080, 0, -960, 0), shape::Fill(c)})}, end / 2,
            end);
        shrink.transform.position = Point(1920, 540);
        shrink.transform.scale = Keys2({{end / 2, {100, 100}, Ease::Out}, {end, {0, 100}}});
    } else {
        l.transform.opacity = Property::animated({{0, {100}, Ease::InOut}, {end, {0}}});
    }
}

}  // namespace

Movie TemplateMovie(const TemplateSource& t) {
    Movie m(t.frames);
    m.setName(t.id);
    m.setVariable(kTemplateMarkerName, kTemplateMarkerValue);
    const QString handOver = m.addPicture(kHandOverPicture, 1920, 1080);
    const QString background = m.addPicture(kBackgroundPicture, 1920, 1080);
    QVector<QString> assets;
    for (const Picture& p : t.pictures)
        assets.append(m.addPicture(p.name + ".jpg", p.box().width(), p.box().height()));
    AddBackdrop(m, t, background);
    for (const Decor& d : t.decor)
        if (!d.over) AddDecor(m, d, t.timeScale);
    for (int i = 0; i < t.pictures.size(); ++i) AddPicture(m, t, t.pictures[i], assets[i]);
    for (const Decor& d : t.decor)
        if (d.over) AddDecor(m, d, t.timeScale);
    AddHandOver(m, t, handOver);
    return m;
}

QByteArray TemplateMovieBytes(const TemplateSource& source) {
    return TemplateMovie(source).toBytes();
}

}  // namespace databuild
