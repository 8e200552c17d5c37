#include "tools/databuild/SamplePhotos.h"

#include <QDir>
#include <QFile>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QTransform>
#include <cmath>
#include <functional>

#include "platform/Jpeg.h"
#include "tools/databuild/Decor.h"

namespace databuild {
namespace {

using Scene = std::function<void(QPainter&, QSizeF, Random&)>;

void Sky(QPainter& p, QSizeF s, double horizon, std::initializer_list<QColor> colours) {
    QLinearGradient g(0, 0, 0, s.height() * horizon);
    const QVector<QColor> c(colours);
    for (int i = 0; i < c.size(); ++i) g.setColorAt(double(i) / (c.size() - 1), c[i]);
    p.fillRect(QRectF(0, 0, s.width(), s.height()), g);
}

void Glow(QPainter& p, QPointF at, double radius, QColor colour) {
    QRadialGradient g(at, radius);
    g.setColorAt(0, colour);
    colour.setAlpha(0);
    g.setColorAt(1, colour);
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(at, radius, radius);
}

// A ridge line across the picture at `level` (fraction of the height), filled below.
void Ridge(QPainter& p, QSizeF s, Random& r, double level, double roughness, QBrush brush) {
    const int n = 64;
    QVector<double> h(n + 1, 0);
    for (int step = n; step > 1; step /= 2)
        for (int i = 0; i < n; i += step) {
            const double mid = (h[i] + h[i + step]) / 2;
            h[i + step / 2] = mid + r.between(-1, 1) * roughness * step / n;
        }
    QPainterPath path;
    path.moveTo(0, s.height());
    for (int i = 0; i <= n; ++i) path.lineTo(s.width() * i / n, s.height() * (level + h[i]));
    path.lineTo(s.width(), s.height());
    path.closeSubpath();
    p.setPen(Qt::NoPen);
    p.fillPath(path, brush);
}

QBrush Vertical(QSizeF s, double from, double to, QColor top, QColor bottom) {
    QLinearGradient g(0, s.height() * from, 0, s.height() * to);
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    return g;
}

// Water from `level` down: the sky mirrored, darkened, with light streaks.
void Water(QPainter& p, QSizeF s, Random& r, double level, QColor tone) {
    const QRectF area(0, s.height() * level, s.width(), s.height() * (1 - level));
    const QImage above = p.device() ? static_cast<QImage*>(p.device())
                                          ->copy(QRect(0, int(area.top() - area.height()),
                                                       int(s.width()), int(area.height())))
                                    : QImage();
    p.drawImage(area, above.mirrored(false, true));
    tone.setAlpha(120);
    p.fillRect(area, tone);
    for (int i = 0; i < 260; ++i) {
        const double y = r.between(area.top(), area.bottom());
        const double w = r.between(20, 160) * (y - area.top()) / area.height() + 10;
        p.fillRect(QRectF(r.between(-50, s.width()), y, w, r.between(1, 3)),
                   QColor(255, 255, 255, int(r.between(10, 50))));
    }
}

void Flower(QPainter& p, QPointF at, double size, QColor colour, Random& r) {
    p.save();
    p.translate(at);
    p.rotate(r.between(0, 360));
    const int petals = 5 + int(r.between(0, 3));
    for (int i = 0; i < petals; ++i) {
        p.rotate(360.0 / petals);
        QRadialGradient g(QPointF(0, -size * 0.5), size * 0.6);
        g.setColorAt(0, colour.lighter(130));
        g.setColorAt(1, colour.darker(115));
        p.setBrush(g);
        p.setPen(Qt::NoPen);
        p.drawEllipse(QRectF(-size * 0.28, -size, size * 0.56, size));
    }
    p.setBrush(QColor(250, 210, 80));
    p.drawEllipse(QPointF(0, 0), size * 0.18, size * 0.18);
    p.restore();
}

void Pine(QPainter& p, QPointF base, double height, QColor colour) {
    QPainterPath path;
    for (int tier = 0; tier < 4; ++tier) {
        const double top = base.y() - height * (0.35 + tier * 0.2);
        const double w = height * (0.32 - tier * 0.06);
        path.moveTo(base.x(), top - height * 0.25);
        path.lineTo(base.x() - w, top + height * 0.2);
        path.lineTo(base.x() + w, top + height * 0.2);
        path.closeSubpath();
    }
    path.addRect(
        QRectF(base.x() - height * 0.03, base.y() - height * 0.2, height * 0.06, height * 0.2));
    p.fillPath(path, colour);
}

void PaintBokeh(QPainter& p, QSizeF s, Random& r, int count,
                std::initializer_list<QColor> colours) {
    const QVector<QColor> c(colours);
    for (int i = 0; i < count; ++i) {
        QColor colour = c[i % c.size()];
        colour.setAlpha(int(r.between(40, 120)));
        Glow(p, {r.between(0, s.width()), r.between(0, s.height())},
             r.between(0.02, 0.07) * s.width(), colour);
    }
}

void Grain(QImage& image, Random& r) {
    for (int y = 0; y < image.height(); ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int n = int(r.between(-6, 6));
            const QRgb c = line[x];
            line[x] = qRgb(std::clamp(qRed(c) + n, 0, 255), std::clamp(qGreen(c) + n, 0, 255),
                           std::clamp(qBlue(c) + n, 0, 255));
        }
    }
}

void PaintVignette(QPainter& p, QSizeF s) {
    QRadialGradient g(QPointF(s.width() / 2, s.height() / 2),
                      std::hypot(s.width(), s.height()) / 2);
    g.setColorAt(0.55, QColor(0, 0, 0, 0));
    g.setColorAt(1, QColor(0, 0, 0, 110));
    p.fillRect(QRectF(QPointF(), s), g);
}

// The scenes. Each draws into a picture of any size; proportions come from the caller.
const QVector<Scene>& Scenes() {
    static const QVector<Scene> scenes{
        // 0 sunrise over a lake
        [](QPainter& p, QSizeF s, Random& r) {
            Sky(p, s, 0.6, {QColor("#3b4f7a"), QColor("#c98a7a"), QColor("#f5c27a")});
            Glow(p, {s.width() * 0.62, s.height() * 0.55}, s.width() * 0.25,
                 QColor(255, 220, 150, 220));
            Glow(p, {s.width() * 0.62, s.height() * 0.55}, s.width() * 0.04, QColor(255, 250, 230));
            Ridge(p, s, r, 0.5, 0.18, QColor("#6a5a78"));
            Ridge(p, s, r, 0.56, 0.1, QColor("#3f3a55"));
            Water(p, s, r, 0.6, QColor("#2a3550"));
        },
        // 1 snow mountains and pines
        [](QPainter& p, QSizeF s, Random& r) {
            Sky(p, s, 0.7, {QColor("#2f6db5"), QColor("#8fc0e8"), QColor("#e6f2fb")});
            Ridge(p, s, r, 0.32, 0.5,
                  Vertical(s, 0.15, 0.55, QColor("#ffffff"), QColor("#8796ad")));
            Ridge(p, s, r, 0.5, 0.25, Vertical(s, 0.35, 0.7, QColor("#dfe8f2"), QColor("#5d6e86")));
            Ridge(p, s, r, 0.72, 0.08, QColor("#2c4a3a"));
            for (int i = 0; i < 40; ++i)
                Pine(p, {r.between(0, s.width()), s.height() * r.between(0.8, 1.05)},
                     s.height() * r.between(0.15, 0.3), QColor(22, int(r.between(50, 75)), 40));
        },
        // 2 flower field under a soft sky
        [](QPainter& p, QSizeF s, Random& r) {
            Sky(p, s, 0.5, {QColor("#7fb3e0"), QColor("#dcecf7")});
            Glow(p, {s.width() * 0.2, s.height() * 0.15}, s.width() * 0.3,
                 QColor(255, 255, 240, 150));
            Ridge(p, s, r, 0.45, 0.08, QColor("#7fae6a"));
            Ridge(p, s, r, 0.55, 0.06, Vertical(s, 0.5, 1, QColor("#5f9a48"), QColor("#2f5a26")));
            const QColor colours[] = {QColor("#e8506a"), QColor("#f4a3c0"), QColor("#f7d54a"),
                                      QColor("#ffffff"), QColor("#b46ad8")};
            for (int i = 0; i < 420; ++i) {
                const double y = r.between(0.56, 1.02);
                Flower(p, {r.between(0, s.width()), s.height() * y},
                       s.height() * 0.06 * (y - 0.5) * (y - 0.5) * 6 + 2, colours[i % 5], r);
            }
        },
        // 3 city lights at night
        [](QPainter& p, QSizeF s, Random& r) {
            Sky(p, s, 0.75, {QColor("#0b1026"), QColor("#27305a"), QColor("#8a5a7a")});
            for (int layer = 0; layer < 2; ++layer) {
                double x = -20;
                while (x < s.width()) {
                    const double w = s.width() * r.between(0.04, 0.09);
                    const double h = s.height() * r.between(0.2, 0.55) * (layer ? 0.8 : 1.0);
                    const QRectF b(x, s.height() * 0.8 - h, w, h + s.height() * 0.2);
                    p.fillRect(b, layer ? QColor("#101425") : QColor("#1c2138"));
                    for (double wy = b.top() + 8; wy < s.height() * 0.78; wy += 14)
                        for (double wx = b.left() + 6; wx < b.right() - 8; wx += 12)
                            if (r.next() < 0.35)
                                p.fillRect(QRectF(wx, wy, 6, 8),
                                           QColor(255, int(r.between(190, 235)), 140,
                                                  int(r.between(120, 230))));
                    x += w + r.between(2, 14);
                }
            }
            PaintBokeh(p, s, r, 40, {QColor("#ffcf70"), QColor("#ff7a5a"), QColor("#8fd0ff")});
            p.fillRect(QRectF(0, s.height() * 0.8, s.width(), s.height() * 0.2), QColor("#0a0d18"));
            for (int i = 0; i < 80; ++i)
                Glow(p, {r.between(0, s.width()), s.height() * r.between(0.82, 0.97)},
                     s.height() * 0.012,
                     i % 2 ? QColor(255, 80, 60, 200) : QColor(255, 240, 200, 220));
        },
        // 4 beach and waves
        [](QPainter& p, QSizeF s, Random& r) {
            Sky(p, s, 0.5, {QColor("#4a9bd8"), QColor("#bfe3f7")});
            Glow(p, {s.width() * 0.8, s.height() * 0.12}, s.width() * 0.12,
                 QColor(255, 255, 235, 200));
            p.fillRect(QRectF(0, s.height() * 0.48, s.width(), s.height() * 0.25),
                       Vertical(s, 0.48, 0.73, QColor("#1f6f9a"), QColor("#3fb3c4")));
            Ridge(p, s, r, 0.7, 0.05, Vertical(s, 0.65, 1, QColor("#f2e1bd"), QColor("#d9bf8c")));
            for (int i = 0; i < 6; ++i) {
                QPainterPath foam;
                const double y = s.height() * (0.6 + i * 0.02);
                foam.moveTo(0, y);
                for (int k = 0; k <= 20; ++k)
                    foam.lineTo(s.width() * k / 20, y + std::sin(k * 1.3 + i) * s.height() * 0.006);
                p.setPen(QPen(QColor(255, 255, 255, 140), s.height() * 0.004));
                p.setBrush(Qt::NoBrush);
                p.drawPath(foam);
            }
        },
        // 5 starry night over trees
        [](QPainter& p, QSizeF s, Random& r) {
            Sky(p, s, 1.0, {QColor("#050814"), QColor("#141c3d"), QColor("#2c2a52")});
            p.save();
            p.translate(s.width() / 2, s.height() / 2);
            p.rotate(-30);
            QLinearGradient band(0, -s.height() * 0.15, 0, s.height() * 0.15);
            band.setColorAt(0, QColor(180, 170, 255, 0));
            band.setColorAt(0.5, QColor(200, 190, 255, 70));
            band.setColorAt(1, QColor(180, 170, 255, 0));
            p.fillRect(QRectF(-s.width(), -s.height() * 0.15, 2 * s.width(), s.height() * 0.3),
                       band);
            p.restore();
            for (int i = 0; i < 900; ++i)
                p.fillRect(QRectF(r.between(0, s.width()), r.between(0, s.height() * 0.85),
                                  r.between(1, 3), r.between(1, 3)),
                           QColor(255, 255, 255, int(r.between(60, 255))));
            Ridge(p, s, r, 0.85, 0.05, QColor("#04060c"));
            for (int i = 0; i < 30; ++i)
                Pine(p, {r.between(0, s.width()), s.height() * 1.0},
                     s.height() * r.between(0.15, 0.35), QColor("#04060c"));
        },
        // 6 a flower close up
        [](QPainter& p, QSizeF s, Random& r) {
            Sky(p, s, 1.0, {QColor("#3d5a2a"), QColor("#7c9a4a"), QColor("#2a3f1e")});
            PaintBokeh(p, s, r, 30, {QColor("#f0f7c0"), QColor("#c8e890"), QColor("#ffffff")});
            Random petal(4);
            Flower(p, {s.width() * 0.5, s.height() * 0.45}, s.width() * 0.42, QColor("#e85a7a"),
                   petal);
            Flower(p, {s.width() * 0.5, s.height() * 0.45}, s.width() * 0.26, QColor("#f08aa0"),
                   petal);
            p.setPen(QPen(QColor("#2f5a20"), s.width() * 0.025));
            p.drawLine(QPointF(s.width() * 0.5, s.height() * 0.5),
                       QPointF(s.width() * 0.45, s.height()));
        },
        // 7 forest path with light
        [](QPainter& p, QSizeF s, Random& r) {
            Sky(p, s, 1.0, {QColor("#e9f1d0"), QColor("#8fae6a"), QColor("#3a5228")});
            for (int i = 0; i < 22; ++i) {
                const double x = r.between(-0.1, 1.1) * s.width();
                const double w = s.width() * r.between(0.02, 0.07);
                p.fillRect(QRectF(x, 0, w, s.height()),
                           QColor(50, 40, 30, int(r.between(120, 230))));
            }
            QPainterPath path;
            path.moveTo(s.width() * 0.47, s.height() * 0.55);
            path.lineTo(s.width() * 0.53, s.height() * 0.55);
            path.lineTo(s.width() * 0.85, s.height());
            path.lineTo(s.width() * 0.15, s.height());
            p.fillPath(path, Vertical(s, 0.55, 1, QColor("#d8c69a"), QColor("#8a6a44")));
            for (int i = 0; i < 7; ++i) {
                p.save();
                p.translate(s.width() * 0.55, -s.height() * 0.05);
                p.rotate(18 + i * 6);
                p.fillRect(QRectF(-s.width() * 0.02, 0, s.width() * 0.05, s.height() * 1.4),
                           QColor(255, 250, 220, 28));
                p.restore();
            }
        },
        // 8 lighthouse by the sea at dusk
        [](QPainter& p, QSizeF s, Random& r) {
            Sky(p, s, 0.65, {QColor("#2b2d5a"), QColor("#b0607a"), QColor("#f0a070")});
            Ridge(p, s, r, 0.63, 0.03, QColor("#1a1a2a"));
            Water(p, s, r, 0.66, QColor("#1a2040"));
            const QRectF tower(s.width() * 0.56, s.height() * 0.3, s.width() * 0.08,
                               s.height() * 0.32);
            p.fillRect(tower, QColor("#e8e2d8"));
            for (int i = 0; i < 3; ++i)
                p.fillRect(QRectF(tower.left(), tower.top() + tower.height() * (0.15 + i * 0.3),
                                  tower.width(), tower.height() * 0.12),
                           QColor("#b83a3a"));
            Glow(p, {tower.center().x(), tower.top() - s.height() * 0.02}, s.width() * 0.2,
                 QColor(255, 240, 180, 200));
        },
        // 9 cherry blossom branch
        [](QPainter& p, QSizeF s, Random& r) {
            Sky(p, s, 1.0, {QColor("#a8d4f0"), QColor("#e8f4fb")});
            p.setPen(QPen(QColor("#4a3328"), s.width() * 0.03, Qt::SolidLine, Qt::RoundCap));
            QPainterPath branch;
            branch.moveTo(-10, s.height() * 0.2);
            branch.cubicTo(s.width() * 0.4, s.height() * 0.3, s.width() * 0.5, s.height() * 0.6,
                           s.width() * 1.05, s.height() * 0.7);
            p.setBrush(Qt::NoBrush);
            p.drawPath(branch);
            for (int i = 0; i < 160; ++i) {
                const QPointF at =
                    branch.pointAtPercent(r.next()) +
                    QPointF(r.between(-0.12, 0.12) * s.width(), r.between(-0.1, 0.1) * s.height());
                Flower(p, at, s.width() * r.between(0.025, 0.05),
                       i % 3 ? QColor("#f7c6d4") : QColor("#fbe3ea"), r);
            }
        },
        // 10 autumn woods
        [](QPainter& p, QSizeF s, Random& r) {
            Sky(p, s, 0.6, {QColor("#f3d9a0"), QColor("#e3a55a")});
            for (int i = 0; i < 500; ++i) {
                const QColor c = QColor::fromHsv(int(r.between(10, 45)), int(r.between(160, 255)),
                                                 int(r.between(150, 240)), 200);
                Glow(p, {r.between(0, s.width()), r.between(0, s.height() * 0.7)},
                     s.width() * r.between(0.02, 0.05), c);
            }
            for (int i = 0; i < 14; ++i)
                p.fillRect(QRectF(r.between(0, s.width()), s.height() * r.between(0.3, 0.5),
                                  s.width() * 0.015, s.height()),
                           QColor(60, 40, 30, 220));
            Ridge(p, s, r, 0.8, 0.04, Vertical(s, 0.75, 1, QColor("#c0702a"), QColor("#6a3a18")));
        },
        // 11 evening city skyline over a river
        [](QPainter& p, QSizeF s, Random& r) {
            Sky(p, s, 0.6, {QColor("#1d2b5a"), QColor("#e27a5a"), QColor("#ffd08a")});
            double x = 0;
            while (x < s.width()) {
                const double w = s.width() * r.between(0.03, 0.07);
                const double h = s.height() * r.between(0.08, 0.3);
                p.fillRect(QRectF(x, s.height() * 0.6 - h, w, h), QColor("#1a1a30"));
                x += w;
            }
            Water(p, s, r, 0.6, QColor("#202848"));
        },
        // 12 bamboo grove
        [](QPainter& p, QSizeF s, Random& r) {
            Sky(p, s, 1.0, {QColor("#dfeccc"), QColor("#88b070"), QColor("#2f4a2a")});
            for (int i = 0; i < 26; ++i) {
                const double x = r.between(0, s.width());
                const double w = s.width() * r.between(0.015, 0.045);
                const QColor c(int(r.between(60, 110)), int(r.between(120, 170)),
                               int(r.between(50, 80)));
                p.fillRect(QRectF(x, 0, w, s.height()), c);
                for (double y = r.between(0, 80); y < s.height(); y += s.height() * 0.12)
                    p.fillRect(QRectF(x - 1, y, w + 2, 4), c.darker(140));
            }
            PaintBokeh(p, s, r, 20, {QColor("#fffbe0")});
        },
        // 13 grassland under big clouds
        [](QPainter& p, QSizeF s, Random& r) {
            Sky(p, s, 0.6, {QColor("#3a7fc8"), QColor("#a8d0f0")});
            for (int i = 0; i < 40; ++i)
                Glow(p, {r.between(0, s.width()), s.height() * r.between(0.1, 0.4)},
                     s.width() * r.between(0.05, 0.12), QColor(255, 255, 255, 180));
            Ridge(p, s, r, 0.6, 0.06, Vertical(s, 0.55, 1, QColor("#9cc85a"), QColor("#4a7a28")));
        },
    };
    return scenes;
}

struct PhotoPlan {
    const char* name;
    int scene;
    int width, height;  // upright
    int orientation;
};

const PhotoPlan kPlans[] = {
    {"01-晨曦湖面", 0, 1800, 1200, 1}, {"02-雪山松林", 1, 1920, 1080, 1},
    {"03-花田", 2, 1600, 1200, 1},     {"04-城市灯火", 3, 1920, 1280, 1},
    {"05-海边", 4, 1600, 900, 1},      {"06-星空", 5, 1400, 1400, 1},
    {"07-花开", 6, 1080, 1440, 1},     {"08-林间小路", 7, 1200, 1800, 1},
    {"09-灯塔", 8, 1080, 1620, 1},     {"10-樱花", 9, 1200, 1600, 1},
    {"11-秋林", 10, 1800, 1200, 1},    {"12-江畔黄昏", 11, 1600, 1000, 1},
    {"13-竹林", 12, 1200, 1600, 6},    {"14-草原", 13, 1800, 1200, 8},
};

// The EXIF block (APP1 payload) that holds only the orientation, big-endian TIFF.
QByteArray ExifOrientation(int orientation) {
    QByteArray b("Exif\0\0", 6);
    b.append("MM\0\x2a", 4);
    b.append("\0\0\0\x08", 4);                // first directory at offset 8
    b.append("\0\x01", 2);                    // one entry
    b.append("\x01\x12\0\x03\0\0\0\x01", 8);  // Orientation, SHORT, count 1
    b.append(char(0));
    b.append(char(orientation));
    b.append("\0\0", 2);
    b.append("\0\0\0\0", 4);  // no next directory
    return b;
}

}  // namespace

int SceneCount() { return int(Scenes().size()); }

QImage DrawScene(int scene, QSize size) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::black);
    Random r(scene * 97 + 5);
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        Scenes()[scene % SceneCount()](p, QSizeF(size), r);
        PaintVignette(p, QSizeF(size));
    }
    Grain(image, r);
    return image;
}

QVector<SamplePhoto> DrawSamplePhotos() {
    QVector<SamplePhoto> photos;
    for (const PhotoPlan& plan : kPlans)
        photos.append({QString::fromUtf8(plan.name) + ".jpg",
                       DrawScene(plan.scene, {plan.width, plan.height}), plan.orientation});
    return photos;
}

QImage StoredForOrientation(const QImage& upright, int orientation) {
    if (orientation == 6) return upright.transformed(QTransform().rotate(-90));
    if (orientation == 8) return upright.transformed(QTransform().rotate(90));
    return upright;
}

QByteArray WithExifOrientation(const QByteArray& jpeg, int orientation) {
    if (jpeg.size() < 2) return jpeg;
    const QByteArray exif = ExifOrientation(orientation);
    QByteArray segment("\xff\xe1", 2);
    segment.append(char((exif.size() + 2) >> 8));
    segment.append(char((exif.size() + 2) & 0xff));
    segment.append(exif);
    return jpeg.left(2) + segment + jpeg.mid(2);
}

bool WriteSamplePhotos(const QString& folder, QString& error) {
    QDir().mkpath(folder);
    for (const SamplePhoto& photo : DrawSamplePhotos()) {
        const QString path = folder + "/" + photo.fileName;
        const JpegWriteResult written =
            WriteJpeg(StoredForOrientation(photo.upright, photo.orientation), path, 90);
        if (!written.ok()) {
            error = written.error;
            return false;
        }
        if (photo.orientation == 1) continue;
        QFile file(path);
        QByteArray bytes;
        if (file.open(QIODevice::ReadOnly))
            bytes = WithExifOrientation(file.readAll(), photo.orientation);
        file.close();
        if (bytes.isEmpty() || !file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
            file.write(bytes) != bytes.size()) {
            error = "无法写入示例照片：" + path;
            return false;
        }
    }
    return true;
}

}  // namespace databuild
