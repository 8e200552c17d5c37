#include "app/InterfacePictures.h"

#include <QFile>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include "templates/LibraryFolders.h"

namespace {

QString FileName(InterfacePicture which) {
    switch (which) {
    case InterfacePicture::MainNormal: return "jiemian_01.png";
    case InterfacePicture::MainHover: return "jiemian_02.png";
    case InterfacePicture::MainPressed: return "jiemian_03.png";
    case InterfacePicture::SmallNormal: return "xiao_jiemian_01.png";
    case InterfacePicture::SmallHover: return "xiao_jiemian_02.png";
    case InterfacePicture::SmallPressed: return "xiao_jiemian_03.png";
    case InterfacePicture::Loading: return "jiazai.png";
    case InterfacePicture::Background: return "beijing.png";
    case InterfacePicture::Icon: return "ico.png";
    }
    return {};
}

// The drawn skin: a calm deep-blue bar; the state lightens (hover) or darkens (pressed)
// the buttons at the right end.
const QColor kBarTop(46, 84, 122), kBarBottom(24, 48, 74), kInk(236, 242, 248);

QColor StateShade(int state) {
    return state == 1 ? QColor(255, 255, 255, 60) : state == 2 ? QColor(0, 0, 0, 70) : QColor(0, 0, 0, 0);
}

void DrawBar(QPainter& p, int width, int barHeight) {
    QLinearGradient gradient(0, 0, 0, barHeight);
    gradient.setColorAt(0, kBarTop);
    gradient.setColorAt(1, kBarBottom);
    p.fillRect(0, 0, width, barHeight, gradient);
}

void DrawCloseMark(QPainter& p, const QRect& box) {
    p.setPen(QPen(kInk, 2));
    const QRect mark = box.adjusted(box.width() / 3, box.height() / 3, -box.width() / 3, -box.height() / 3);
    p.drawLine(mark.topLeft(), mark.bottomRight());
    p.drawLine(mark.topRight(), mark.bottomLeft());
}

// 1024 x 80: the caption (49 rows) with title, drag area, web, menu and close buttons at
// the offsets the main window cuts, and the bottom strip (the lowest 18 rows).
QImage DrawMainBox(int state) {
    QImage image(1024, 80, QImage::Format_ARGB32_Premultiplied);
    image.fill(kBarBottom);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    DrawBar(p, 1024, 49);
    p.setPen(kInk);
    QFont title = p.font();
    title.setPixelSize(20);
    title.setBold(true);
    p.setFont(title);
    p.drawText(QRect(52, 0, 270, 49), Qt::AlignVCenter | Qt::AlignLeft, "Lumora 音乐电子相册");
    const QRect web(927, 0, 29, 49), menu(958, 0, 28, 49), close(988, 0, 36, 49);
    for (const QRect& button : {web, menu, close}) p.fillRect(button.adjusted(1, 8, -1, -8), StateShade(state));
    p.setPen(QPen(kInk, 2));
    p.drawEllipse(web.center(), 8, 8);
    p.drawLine(web.center().x() - 8, web.center().y(), web.center().x() + 8, web.center().y());
    for (int k = -5; k <= 5; k += 5) p.drawLine(menu.center().x() - 8, menu.center().y() + k, menu.center().x() + 8, menu.center().y() + k);
    DrawCloseMark(p, close.adjusted(4, 10, -4, -10));
    p.fillRect(0, 80 - 18, 1024, 18, QColor(18, 36, 56));
    return image;
}

// 1024 x 50: the small caption (37 rows), its close button at offset 982, and the
// bottom strip (the lowest 6 rows).
QImage DrawSmallBox(int state) {
    QImage image(1024, 50, QImage::Format_ARGB32_Premultiplied);
    image.fill(kBarBottom);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    DrawBar(p, 1024, 37);
    const QRect close(982, 0, 42, 37);
    p.fillRect(close.adjusted(3, 5, -3, -5), StateShade(state));
    DrawCloseMark(p, close.adjusted(8, 6, -8, -6));
    p.fillRect(0, 50 - 6, 1024, 6, QColor(18, 36, 56));
    return image;
}

QImage DrawBackground() {
    QImage image(1024, 720, QImage::Format_RGB32);
    QPainter p(&image);
    QLinearGradient gradient(0, 0, 0, 720);
    gradient.setColorAt(0, QColor(232, 238, 244));
    gradient.setColorAt(1, QColor(204, 216, 228));
    p.fillRect(image.rect(), gradient);
    return image;
}

QImage DrawLoading() {
    QImage image(500, 249, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient gradient(0, 0, 500, 249);
    gradient.setColorAt(0, kBarTop);
    gradient.setColorAt(1, kBarBottom);
    p.fillRect(image.rect(), gradient);
    p.setPen(kInk);
    QFont font = p.font();
    font.setPixelSize(40);
    font.setBold(true);
    p.setFont(font);
    p.drawText(QRect(0, 40, 500, 100), Qt::AlignCenter, "Lumora");
    font.setPixelSize(16);
    font.setBold(false);
    p.setFont(font);
    p.drawText(QRect(0, 130, 500, 40), Qt::AlignCenter, "正在加载模板，请稍候……");
    return image;
}

QImage DrawIcon() {
    QImage image(32, 32, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(QColor(250, 190, 70));
    p.setPen(Qt::NoPen);
    p.drawRoundedRect(2, 2, 28, 28, 6, 6);
    p.setBrush(kBarBottom);
    QPainterPath note;
    note.addEllipse(8, 18, 8, 7);
    note.addRect(14, 7, 2, 14);
    note.addRect(14, 7, 9, 3);
    p.drawPath(note);
    return image;
}

QImage Draw(InterfacePicture which) {
    switch (which) {
    case InterfacePicture::MainNormal: return DrawMainBox(0);
    case InterfacePicture::MainHover: return DrawMainBox(1);
    case InterfacePicture::MainPressed: return DrawMainBox(2);
    case InterfacePicture::SmallNormal: return DrawSmallBox(0);
    case InterfacePicture::SmallHover: return DrawSmallBox(1);
    case InterfacePicture::SmallPressed: return DrawSmallBox(2);
    case InterfacePicture::Loading: return DrawLoading();
    case InterfacePicture::Background: return DrawBackground();
    case InterfacePicture::Icon: return DrawIcon();
    }
    return {};
}

}  // namespace

QImage LoadInterfacePicture(InterfacePicture which) {
    const QString path = Folders::InterfacePictures() + "/" + FileName(which);
    QImage image;
    if (QFile::exists(path) && image.load(path)) return image;
    return Draw(which);
}
