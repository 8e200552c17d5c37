#include "templates/Form19Pictures.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>

#include "platform/Events.h"
#include "platform/FolderWipe.h"
#include "platform/Jpeg.h"

namespace {
constexpr int kFrameWidth = 1920;
constexpr int kFrameHeight = 1080;
constexpr int kFolderWaitMs = 1000;

// Makes `folder` until it exists, counting the checks; 0 when it never appeared.
int MakeUntilThere(const QString& folder) {
    int checks = 0;
    const bool there = waitUntil([&] {
        ++checks;
        if (QFileInfo(folder).isDir()) return true;
        QDir().mkpath(folder);
        return false;
    }, kFolderWaitMs);
    return there ? checks : 0;
}
}  // namespace

namespace TemplatePreviewLayout {
QString Folder() { return PreviewLayout::AlbumFolder() + "/wj_y_l"; }
QString Movie(const QString& ext) { return Folder() + "/wj_y_l_d_g_2" + ext; }
QString MovieCopy(const QString& ext) { return Folder() + "/wj_y_l_d_g_2_2" + ext; }
QString Background() { return Folder() + "/wj_y_l_b_j.jpg"; }
QString Picture(const QString& item) { return Folder() + "/" + item + ".jpg"; }
}  // namespace TemplatePreviewLayout

int RecreateTemplatePreviewFolders() {
    WipeFolder(TemplatePreviewLayout::Folder());
    WipeFolder(PreviewLayout::PictureFolder());
    if (MakeUntilThere(TemplatePreviewLayout::Folder()) == 0) return 0;
    return MakeUntilThere(PreviewLayout::PictureFolder());
}

QSize PlaceholderSize(const QString& category, QSize item, PhotoDisplay display, QSize area) {
    QSize frame = item;
    if (category == kHorizontalCategory)
        frame = display == PhotoDisplay::Fit ? QSize(1620, kFrameHeight) : QSize(kFrameWidth, kFrameHeight);
    if (category == kVerticalCategory) frame = QSize(kFrameHeight, kFrameWidth);
    return {frame.width() * area.width() / kFrameWidth, frame.height() * area.height() / kFrameHeight};
}

bool WriteBlackPicture(QSize size, const QString& path) {
    QImage image(size.expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    image.fill(Qt::black);
    return WriteJpeg(image, path).ok();
}
