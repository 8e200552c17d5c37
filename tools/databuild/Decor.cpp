#include "tools/databuild/Decor.h"

#include <QJsonArray>
#include <cmath>

namespace databuild {

using moviekit::Ease;
using moviekit::Key;
using moviekit::Layer;
using moviekit::Movie;
using moviekit::Property;
namespace shape = moviekit::shape;

double Random::next() {
    state_ = state_ * 1664525u + 1013904223u;
    return double(state_ >> 8) / double(1u << 24);
}

namespace {

QColor WithAlpha(QColor c, double alpha) {
    c.setAlphaF(float(alpha));
    return c;
}

Property Move(double f0, QPointF from, double f1, QPointF to, Ease ease = Ease::Linear) {
    return Property::animated({{f0, {from.x(), from.y()}, ease}, {f1, {to.x(), to.y()}}});
}

Property Pulse(double end, double period, double low, double high, double phase) {
    QVector<Key> keys;
    for (double f = -phase; f < end + period; f += period / 2) {
        const bool up = int(std::lround((f + phase) / (period / 2))) % 2 == 0;
        keys.append({f, {up ? high : low}, Ease::InOut});
    }
    return Property::animated(keys);
}

// Soft round lights drifting upward.
void Bokeh(Movie& m, const Decor& d, double ts, Random& r) {
    for (int i = 0; i < d.count; ++i) {
        const double size = r.between(60, 220);
        const QColor c = WithAlpha(d.color, r.between(0.25, 0.6) * d.color.alphaF());
        Layer& l =
            m.addShapeLayer({shape::Group({shape::Ellipse(size, size),
                                           shape::RadialGradient(c, WithAlpha(c, 0), size / 2)})},
                            0, m.frames());
        const QPointF from(r.between(0, 1920), r.between(200, 1180));
        l.transform.position =
            Move(0, from, m.frames(), from + QPointF(r.between(-120, 120), -r.between(120, 360)));
        l.transform.opacity =
            Pulse(m.frames(), r.between(60, 120) * ts, 35, 100, r.between(0, 60) * ts);
    }
}

// Two large warm glows crossing the stage slowly.
void Leak(Movie& m, const Decor& d, double, Random& r) {
    for (int i = 0; i < 2; ++i) {
        const double w = r.between(900, 1400);
        Layer& l = m.addShapeLayer(
            {shape::Group({shape::Ellipse(w, w * 0.7),
                           shape::RadialGradient(d.color, WithAlpha(d.color, 0), w / 2)})},
            0, m.frames());
        const double y = i == 0 ? r.between(80, 300) : r.between(700, 1000);
        const double x0 = i == 0 ? -200 : 2100;
        l.transform.position =
            Move(0, {x0, y}, m.frames(), {1920 - x0, y + r.between(-150, 150)}, Ease::InOut);
        l.transform.opacity = Pulse(m.frames(), m.frames() / 2.0, 40, 90, 0);
    }
}

// Small shapes falling across the stage while turning: petals, leaves, snow.
void Falling(Movie& m, const Decor& d, double ts, Random& r, const QString& kind) {
    for (int i = 0; i < d.count; ++i) {
        const double size = kind == "snow" ? r.between(8, 22) : r.between(26, 54);
        QJsonArray items;
        if (kind == "leaves")
            items = {shape::Rectangle(size, size * 0.55, size * 0.27),
                     shape::Fill(WithAlpha(i % 2 ? d.color : d.color.darker(130), 0.9))};
        else
            items = {shape::Ellipse(size, size * (kind == "snow" ? 1.0 : 0.6)),
                     shape::Fill(WithAlpha(d.color, r.between(0.6, 0.95)))};
        const double fall = r.between(110, 220) * ts;
        const double begin = r.between(-fall, m.frames() - fall * 0.3);
        Layer& l = m.addShapeLayer({shape::Group(items)}, std::max(0.0, begin), m.frames());
        const QPointF from(r.between(-100, 1800), -80);
        const QPointF to = from + QPointF(r.between(100, 400), 1240);
        l.transform.position = Move(begin, from, begin + fall, to);
        l.transform.rotation =
            Property::animated({{begin, {r.between(0, 90)}, Ease::Linear},
                                {begin + fall, {r.between(180, 540) * (i % 2 ? 1 : -1)}}});
    }
}

void Stars(Movie& m, const Decor& d, double ts, Random& r) {
    for (int i = 0; i < d.count; ++i) {
        const double size = r.between(4, 12);
        Layer& l = m.addShapeLayer(
            {shape::Group({shape::Ellipse(size, size), shape::Fill(d.color)})}, 0, m.frames());
        l.transform.position = Property{r.between(0, 1920), r.between(0, 700)};
        l.transform.opacity =
            Pulse(m.frames(), r.between(30, 80) * ts, 10, 100, r.between(0, 40) * ts);
    }
}

void Rain(Movie& m, const Decor& d, double ts, Random& r) {
    for (int i = 0; i < d.count; ++i) {
        const double fall = r.between(18, 30) * ts;
        const double begin = r.between(0, fall);
        const QPointF from(r.between(0, 2100), -60);
        Layer& l = m.addShapeLayer(
            {shape::Group({shape::Rectangle(3, r.between(40, 90)), shape::Fill(d.color)}, 0, 0,
                          12)},
            0, m.frames());
        QVector<Key> keys;
        for (double f = begin - fall; f < m.frames() + fall; f += fall) {
            keys.append({f, {from.x(), from.y()}, Ease::Hold});
            keys.append({f + 0.01, {from.x(), from.y()}, Ease::Linear});
            keys.append({f + fall - 0.02, {from.x() - 250, 1140}, Ease::Hold});
        }
        l.transform.position = Property::animated(keys);
    }
}

void Stripes(Movie& m, const Decor& d, double, Random& r) {
    for (int i = 0; i < d.count; ++i) {
        const double w = r.between(60, 220);
        Layer& l = m.addShapeLayer(
            {shape::Group({shape::Rectangle(w, 2600), shape::Fill(d.color)}, 0, 0, 28)}, 0,
            m.frames());
        const double x = r.between(-300, 2200);
        l.transform.position = Move(0, {x, 540}, m.frames(), {x + r.between(150, 400), 540});
    }
}

// Thin lines that draw themselves out around the middle of the stage.
void Lines(Movie& m, const Decor& d, double ts, Random& r) {
    for (int i = 0; i < d.count; ++i) {
        const bool across = i % 2 == 0;
        const double length = r.between(500, 1300);
        Layer& l = m.addShapeLayer(
            {shape::Group({shape::Rectangle(across ? length : 3, across ? 3 : length),
                           shape::Fill(d.color)})},
            0, m.frames());
        l.transform.position = Property{r.between(200, 1720), r.between(120, 960)};
        const double s = r.between(10, 40) * ts;
        l.transform.scale =
            Property::animated({{s, {across ? 0.0 : 100.0, across ? 100.0 : 0.0}, Ease::Out},
                                {s + 30 * ts, {100, 100}}});
    }
}

void Bubbles(Movie& m, const Decor& d, double ts, Random& r) {
    for (int i = 0; i < d.count; ++i) {
        const double size = r.between(24, 90);
        const double rise = r.between(120, 240) * ts;
        const double begin = r.between(-rise * 0.5, m.frames() - rise * 0.5);
        Layer& l =
            m.addShapeLayer({shape::Group({shape::Ellipse(size, size), shape::Stroke(d.color, 3),
                                           shape::Fill(WithAlpha(d.color, 0.12))})},
                            std::max(0.0, begin), m.frames());
        const QPointF from(r.between(0, 1920), 1150);
        l.transform.position =
            Move(begin, from, begin + rise, from + QPointF(r.between(-160, 160), -1300));
    }
}

void Vignette(Movie& m, const Decor& d) {
    Layer& l = m.addShapeLayer(
        {shape::Group({shape::Rectangle(1920, 1080),
                       shape::RadialGradient(WithAlpha(d.color, 0), d.color, 1150)})},
        0, m.frames());
    l.transform.position = Property{960, 540};
}

void StageFrame(Movie& m, const Decor& d, double ts) {
    Layer& l = m.addShapeLayer(
        {shape::Group({shape::Rectangle(1920 - 90, 1080 - 90, 6), shape::Stroke(d.color, 4)}),
         shape::Group({shape::Rectangle(1920 - 120, 1080 - 120, 4),
                       shape::Stroke(WithAlpha(d.color, d.color.alphaF() * 0.5), 2)})},
        0, m.frames());
    l.transform.position = Property{960, 540};
    l.transform.opacity = Property::animated({{20 * ts, {0}}, {45 * ts, {100}}});
}

}  // namespace

void AddDecor(Movie& movie, const Decor& decor, double timeScale) {
    Random r(decor.seed);
    const QString& k = decor.kind;
    if (k == "bokeh")
        Bokeh(movie, decor, timeScale, r);
    else if (k == "leak")
        Leak(movie, decor, timeScale, r);
    else if (k == "petals" || k == "leaves" || k == "snow")
        Falling(movie, decor, timeScale, r, k);
    else if (k == "stars")
        Stars(movie, decor, timeScale, r);
    else if (k == "rain")
        Rain(movie, decor, timeScale, r);
    else if (k == "stripes")
        Stripes(movie, decor, timeScale, r);
    else if (k == "lines")
        Lines(movie, decor, timeScale, r);
    else if (k == "bubbles")
        Bubbles(movie, decor, timeScale, r);
    else if (k == "vignette")
        Vignette(movie, decor);
    else if (k == "frame")
        StageFrame(movie, decor, timeScale);
}

}  // namespace databuild
