#include "tools/databuild/InterfacePictures.h"

#include <QDir>
#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace databuild {
namespace {

const QColor kTop("#36475f");
const QColor kBottom("#24303f");
const QColor kGold("#d6b77a");
const QColor kInk("#eef1f5");
constexpr int kMainCaption = 49;
constexpr int kSmallCaption = 37;

QFont Font(int pixels, bool bold = false) {
    QFont font("WenQuanYi Micro Hei");
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

// The caption band: a vertical gradient, a fine highlight on top and the gold line below.
void Caption(QPainter& p, int width, int height) {
    QLinearGradient g(0, 0, 0, height);
    g.setColorAt(0, kTop);
    g.setColorAt(1, kBottom);
    p.fillRect(0, 0, width, height, g);
    p.fillRect(0, 0, width, 1, QColor(255, 255, 255, 40));
    p.fillRect(0, height - 2, width, 2, kGold);
}

// The strip along the bottom edge of a window.
void BottomStrip(QPainter& p, int width, int top, int height) {
    QLinearGradient g(0, top, 0, top + height);
    g.setColorAt(0, kBottom);
    g.setColorAt(1, QColor("#1a2330"));
    p.fillRect(0, top, width, height, g);
    p.fillRect(0, top, width, 1, QColor(kGold.red(), kGold.green(), kGold.blue(), 150));
}

// The face of a caption button in its state.
void ButtonFace(QPainter& p, const QRect& r, ButtonState state, bool close) {
    if (state == ButtonState::Normal) return;
    QColor c = close ? QColor("#b2504a") : QColor(255, 255, 255, 36);
    if (state == ButtonState::Pressed) c = close ? QColor("#8a3732") : QColor(0, 0, 0, 60);
    p.fillRect(r.adjusted(1, 4, -1, -6), c);
}

void Icon(QPainter& p, const QRect& r, ButtonState state, const QString& kind) {
    p.save();
    const QPointF c =
        QRectF(r).center() + (state == ButtonState::Pressed ? QPointF(1, 1) : QPointF());
    p.setPen(QPen(kInk, 2, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    if (kind == "close") {
        p.drawLine(c + QPointF(-6, -6), c + QPointF(6, 6));
        p.drawLine(c + QPointF(-6, 6), c + QPointF(6, -6));
    } else if (kind == "menu") {
        for (int i = -1; i <= 1; ++i) p.drawLine(c + QPointF(-7, i * 5), c + QPointF(7, i * 5));
    } else if (kind == "web") {
        p.drawEllipse(c, 8, 8);
        p.drawEllipse(c, 3.5, 8);
        p.drawLine(c + QPointF(-8, 0), c + QPointF(8, 0));
    }
    p.restore();
}

QImage Box(int width, int height) {
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(kBottom);
    return image;
}

bool Save(const QImage& image, const QString& path, QString& error) {
    if (image.save(path, "PNG")) return true;
    error = "无法写入界面图片：" + path;
    return false;
}

}  // namespace

QImage MainWindowBox(ButtonState state) {
    QImage image = Box(1024, 67);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    Caption(p, 1024, kMainCaption);
    // Title area (0-330): room for the icon at (7, 8), the name, the version label at 300.
    QRadialGradient glow(QPointF(60, 20), 120);
    glow.setColorAt(0, QColor(214, 183, 122, 60));
    glow.setColorAt(1, QColor(214, 183, 122, 0));
    p.fillRect(0, 0, 330, kMainCaption - 2, glow);
    p.setFont(Font(20, true));
    p.setPen(kInk);
    p.drawText(QRect(48, 0, 120, kMainCaption - 2), Qt::AlignVCenter, "Lumora");
    p.setFont(Font(14));
    p.setPen(kGold);
    p.drawText(QRect(140, 0, 150, kMainCaption - 2), Qt::AlignVCenter, "音乐电子相册");
    // Right group: a thin separator, then the three buttons.
    p.fillRect(906, 14, 1, 20, QColor(255, 255, 255, 50));
    const QRect web(927, 0, 29, kMainCaption), menu(958, 0, 28, kMainCaption),
        close(988, 0, 36, kMainCaption);
    ButtonFace(p, web, state, false);
    ButtonFace(p, menu, state, false);
    ButtonFace(p, close, state, true);
    Icon(p, web, state, "web");
    Icon(p, menu, state, "menu");
    Icon(p, close, state, "close");
    BottomStrip(p, 1024, 67 - 18, 18);
    return image;
}

QImage SmallWindowBox(ButtonState state) {
    QImage image = Box(1024, 43);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    Caption(p, 1024, kSmallCaption);
    const QRect close(982, 0, 42, kSmallCaption);
    ButtonFace(p, close.adjusted(3, -2, -3, 2), state, true);
    Icon(p, close, state, "close");
    BottomStrip(p, 1024, 43 - 6, 6);
    return image;
}

QImage LoadingPicture() {
    QImage image(500, 249, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 0, 0, 249);
    g.setColorAt(0, QColor("#3a4c66"));
    g.setColorAt(1, QColor("#161d28"));
    p.fillRect(image.rect(), g);
    for (int i = 0; i < 7; ++i) {
        QRadialGradient light(QPointF(60 + i * 70, 60 + (i % 3) * 50), 50 + i * 6);
        light.setColorAt(0, QColor(214, 183, 122, 45));
        light.setColorAt(1, QColor(214, 183, 122, 0));
        p.fillRect(image.rect(), light);
    }
    p.setFont(Font(54, true));
    p.setPen(kInk);
    p.drawText(QRect(0, 40, 500, 90), Qt::AlignCenter, "Lumora");
    p.fillRect(170, 132, 160, 2, kGold);
    p.setFont(Font(17));
    p.setPen(QColor("#cdd5df"));
    p.drawText(QRect(0, 145, 500, 40), Qt::AlignCenter, "正在载入模板，请稍候……");
    return image;
}

QImage SharedBackground() {
    QImage image(1280, 800, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 0, 0, 800);
    g.setColorAt(0, QColor("#eef1f5"));
    g.setColorAt(1, QColor("#dfe5ec"));
    p.fillRect(image.rect(), g);
    p.setPen(QPen(QColor(54, 71, 95, 14), 1));
    for (int x = -800; x < 1280; x += 24) p.drawLine(x, 800, x + 800, 0);
    return image;
}

QImage PhotoAreaPicture() {
    QImage image(800, 450, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 0, 0, 450);
    g.setColorAt(0, QColor("#2c3a4e"));
    g.setColorAt(1, QColor("#121821"));
    p.fillRect(image.rect(), g);
    p.setPen(QPen(QColor(214, 183, 122, 150), 2, Qt::DashLine));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(250, 120, 300, 170), 14, 14);
    p.setPen(QPen(kInk, 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(400, 170), QPointF(400, 230));
    p.drawLine(QPointF(370, 200), QPointF(430, 200));
    p.setFont(Font(18));
    p.setPen(QColor("#cdd5df"));
    p.drawText(QRect(0, 310, 800, 40), Qt::AlignCenter, "点击“添加照片”，开始制作您的音乐相册");
    return image;
}

QImage ProgramIcon() {
    QImage image(32, 32, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(kGold, 2));
    p.setBrush(kTop);
    p.drawRoundedRect(QRectF(2, 5, 28, 22), 4, 4);
    p.setPen(Qt::NoPen);
    p.setBrush(kInk);
    p.drawEllipse(QPointF(16, 16), 6, 6);
    p.setBrush(kGold);
    p.drawEllipse(QPointF(16, 16), 2.5, 2.5);
    p.drawRect(QRectF(6, 8, 5, 3));
    return image;
}

bool WriteInterfacePictures(const QString& root, QString& error) {
    const QString folder = root + "/" + kInterfaceFolder;
    QDir(folder).removeRecursively();  // only what this build draws stays there
    QDir().mkpath(folder);
    const ButtonState states[] = {ButtonState::Normal, ButtonState::Hover, ButtonState::Pressed};
    for (int i = 0; i < 3; ++i) {
        const QString n = QString::number(i + 1);
        if (!Save(MainWindowBox(states[i]), folder + "/jiemian_0" + n + ".png", error) ||
            !Save(SmallWindowBox(states[i]), folder + "/xiao_jiemian_0" + n + ".png", error))
            return false;
    }
    return Save(LoadingPicture(), folder + "/jiazai.png", error) &&
           Save(SharedBackground(), folder + "/beijing.png", error) &&
           Save(PhotoAreaPicture(), folder + "/zhaopianqu.png", error) &&
           Save(ProgramIcon(), folder + "/ico.png", error);
}

}  // namespace databuild
