#include "app/InterfacePictures.h"

#include <QFile>

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

// The size a picture has in the shipped data.
QSize PictureSize(InterfacePicture which) {
    switch (which) {
    case InterfacePicture::MainNormal:
    case InterfacePicture::MainHover:
    case InterfacePicture::MainPressed: return {1024, 80};
    case InterfacePicture::SmallNormal:
    case InterfacePicture::SmallHover:
    case InterfacePicture::SmallPressed: return {1024, 50};
    case InterfacePicture::Loading: return {500, 249};
    case InterfacePicture::Background: return {1024, 720};
    case InterfacePicture::Icon: return {32, 32};
    }
    return {1, 1};
}

// A picture missing from the data folder: a flat picture of its size, so the windows keep
// their layout; the three states of a caption differ in shade, so hover and press show.
QImage PlainPicture(InterfacePicture which) {
    QImage image(PictureSize(which), QImage::Format_RGB32);
    switch (which) {
    case InterfacePicture::MainHover:
    case InterfacePicture::SmallHover: image.fill(QColor(62, 100, 138)); break;
    case InterfacePicture::MainPressed:
    case InterfacePicture::SmallPressed: image.fill(QColor(16, 34, 54)); break;
    case InterfacePicture::Background: image.fill(QColor(226, 233, 240)); break;
    default: image.fill(QColor(32, 60, 90)); break;
    }
    return image;
}

}  // namespace

QImage LoadInterfacePicture(InterfacePicture which) {
    const QString path = Folders::InterfacePictures() + "/" + FileName(which);
    QImage image;
    if (QFile::exists(path) && image.load(path)) return image;
    return PlainPicture(which);
}
