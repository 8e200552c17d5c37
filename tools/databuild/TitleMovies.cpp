#include "tools/databuild/TitleMovies.h"

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include "templates/Container.h"
#include "tools/databuild/Decor.h"
#include "tools/databuild/TemplateMovie.h"

namespace databuild {

using moviekit::Ease;
using moviekit::Layer;
using moviekit::Movie;
using moviekit::Property;
namespace shape = moviekit::shape;

namespace {

// A line of text as a transparent picture: soft shadow, then the text in `colour`.
QImage TextPicture(const QString& text, int pixelSize, const QColor& colour, bool bold,
                   int letterSpacing = 0) {
    QFont font("WenQuanYi Micro Hei");
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    font.setLetterSpacing(QFont::AbsoluteSpacing, letterSpacing);
    const QFontMetrics metrics(font);
    const int margin = pixelSize / 4;
    QImage image(metrics.horizontalAdvance(text) + 2 * margin, metrics.height() + 2 * margin,
                 QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setFont(font);
    p.setPen(QColor(0, 0, 0, 70));
    p.drawText(QPoint(margin + 2, margin + metrics.ascent() + 3), text);
    p.setPen(colour);
    p.drawText(QPoint(margin, margin + metrics.ascent()), text);
    return image;
}

Property Fade(double from, double to) {
    return Property::animated({{from, {0}, Ease::InOut}, {to, {100}}});
}

void Rise(Layer& l, double x, double y, double from, double to) {
    l.transform.position = Property::animated({{from, {x, y + 40}, Ease::Out}, {to, {x, y}}});
    l.transform.opacity = Fade(from, to);
}

}  // namespace

Movie ClosingMovie(int frames) {
    const double k = frames / 150.0;
    Movie m(frames);
    m.setName("closing");
    m.setVariable(kTemplateMarkerName, kTemplateMarkerValue);
    const QString handOver = m.addPicture(kHandOverPicture, 1920, 1080);
    const QString title =
        m.addEmbeddedPicture("title", TextPicture("谢谢观赏", 150, QColor("#f6efe2"), true, 24));
    const QString subtitle = m.addEmbeddedPicture(
        "subtitle", TextPicture("愿美好的时光，常在身边", 52, QColor("#d9c7a6"), false, 8));
    Layer& last = m.addPictureLayer(handOver, 0, frames);
    last.transform.position = Property{960, 540};
    last.transform.scale = Property::animated({{0, {100, 100}, Ease::InOut}, {60 * k, {86, 86}}});
    last.transform.rotation = Property::animated({{0, {0}, Ease::InOut}, {60 * k, {-3}}});
    Layer& dark = m.addRectangleLayer(QColor(12, 14, 22), 1920, 1080, 0, frames);
    dark.transform.position = Property{960, 540};
    dark.transform.opacity = Property::animated({{10 * k, {0}, Ease::InOut}, {55 * k, {88}}});
    AddDecor(m, {"bokeh", QColor(255, 214, 150, 150), 14, 7, false}, k);
    Layer& line = m.addRectangleLayer(QColor("#d9c7a6"), 900, 3, 50 * k, frames);
    line.transform.position = Property{960, 600};
    line.transform.scale =
        Property::animated({{50 * k, {0, 100}, Ease::Out}, {85 * k, {100, 100}}});
    Rise(m.addPictureLayer(title, 40 * k, frames), 960, 470, 40 * k, 75 * k);
    Rise(m.addPictureLayer(subtitle, 65 * k, frames), 960, 680, 65 * k, 100 * k);
    return m;
}

Movie StartupMovie(int frames, const QString& markerValue) {
    const double k = frames / 125.0;
    Movie m(frames, 800, 450);
    m.setName("startup");
    m.setVariable(kStartupMarkerName, markerValue);
    const QString title =
        m.addEmbeddedPicture("title", TextPicture("Lumora", 96, QColor("#f4ecdc"), true, 6));
    const QString subtitle = m.addEmbeddedPicture(
        "subtitle", TextPicture("把照片和音乐，做成会动的相册", 26, QColor("#cbb894"), false, 3));
    Layer& sky = m.addShapeLayer(
        {shape::Group(
            {shape::Rectangle(800, 450),
             shape::LinearGradient(QColor("#26324a"), QColor("#0e1320"), 0, -225, 0, 225)})},
        0, frames);
    sky.transform.position = Property{400, 225};
    for (int i = 0; i < 9; ++i) {
        Random r(i + 3);
        const double size = r.between(40, 130);
        const QColor c(255, 200 - i * 8, 140 + i * 10, 110);
        Layer& l = m.addShapeLayer(
            {shape::Group(
                {shape::Ellipse(size, size),
                 shape::RadialGradient(c, QColor(c.red(), c.green(), c.blue(), 0), size / 2)})},
            0, frames);
        const double x = r.between(0, 800), y = r.between(60, 440);
        l.transform.position = Property::animated(
            {{0, {x, y}, Ease::InOut}, {double(frames), {x + r.between(-60, 60), y - 90}}});
    }
    Layer& ring = m.addShapeLayer(
        {shape::Group({shape::Ellipse(300, 300), shape::Stroke(QColor(230, 205, 160, 120), 2)})}, 0,
        frames);
    ring.transform.position = Property{400, 200};
    ring.transform.scale = Property::animated({{0, {60, 60}, Ease::InOut},
                                               {frames / 2.0, {105, 105}, Ease::InOut},
                                               {double(frames), {60, 60}}});
    Layer& sweep = m.addShapeLayer(
        {shape::Group(
            {shape::Rectangle(120, 700),
             shape::RadialGradient(QColor(255, 240, 210, 70), QColor(255, 240, 210, 0), 90)},
            0, 0, 20)},
        0, frames);
    sweep.transform.position =
        Property::animated({{20 * k, {-150, 225}, Ease::InOut}, {80 * k, {950, 225}}});
    Rise(m.addPictureLayer(title, 5 * k, frames), 400, 195, 5 * k, 40 * k);
    Rise(m.addPictureLayer(subtitle, 30 * k, frames), 400, 290, 30 * k, 60 * k);
    return m;
}

QByteArray StartupArchive(const QByteArray& movie, QString& error) {
    QByteArray archive = WrapLayers(movie, kStartupLayers);
    if (archive.size() > kStartupArchiveSize) {
        error = QString("启动动画压缩后有 %1 字节，超过 %2 字节")
                    .arg(archive.size())
                    .arg(kStartupArchiveSize);
        return {};
    }
    archive.append(QByteArray(kStartupArchiveSize - archive.size(), '\0'));
    return archive;
}

}  // namespace databuild
