#include "app/RenderPhoto.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPainter>
#include <QRegularExpression>

#include "app/MainForm.h"
#include "platform/Events.h"
#include "platform/PathSeparator.h"

namespace {
// A folder part (with its separator) that is a root: "/", and on Windows also "\", "C:/"
// and "C:\".
bool IsRootFolder(const QString& folder) {
    if (folder == "/") return true;
#ifdef Q_OS_WIN
    static const QRegularExpression drive("^[A-Za-z]:[/\\\\]$");
    return folder == "\\" || drive.match(folder).hasMatch();
#else
    return false;
#endif
}

QSize PanelSize(const RenderPhotoRequest& request) {
    if (!request.panelSize.isEmpty()) return request.panelSize;
    return QSize(request.picturePosition.x() + request.pictureSize.width(),
                 request.picturePosition.y() + request.pictureSize.height());
}

QImage PaintPanel(QWidget* panel) {
    QImage image(panel->size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    panel->render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return image;
}
}  // namespace

QString RendererPath(const QString& path) {
    const int separator = LastPathSeparator(path);
    if (separator < 0) return path;
    const QString folder = path.left(separator + 1);
    if (!IsRootFolder(folder)) return path;
    return folder + path.at(separator) + path.mid(separator + 1);
}

PhotoPathParts SplitRendererPath(const QString& path) {
    const int separator = LastPathSeparator(path);
    if (separator < 0) return {QString(), path};
    QString folder = path.left(separator + 1);
    folder.chop(1);
    return {folder, path.mid(separator + 1)};
}

QString JoinPhotoPath(const PhotoPathParts& parts) {
    if (parts.folder.isEmpty()) return parts.fileName;
    if (IsPathSeparator(parts.folder.back())) return parts.folder + parts.fileName;
    return parts.folder + "/" + parts.fileName;
}

RenderedPhoto RenderPhoto(const RenderPhotoRequest& request) {
    MainForm* renderer = Windows::get<MainForm>();
    Q_ASSERT(renderer);
    QLabel* picture = renderer->picture();
    QWidget* panel = renderer->panel();

    renderer->emptyPicture();
    renderer->placePicture(QRect(request.picturePosition, request.pictureSize), PanelSize(request));
    if (request.photoSize.isValid()) {
        renderer->setField("Edit_Width_load", QString::number(request.photoSize.width()));
        renderer->setField("Edit_height_load", QString::number(request.photoSize.height()));
    }
    renderer->setFileName(RendererPath(request.path));
    QCoreApplication::postEvent(renderer, new QEvent(MainForm::kRenderRequest));

    RenderedPhoto result;
    const bool arrived = waitUntil([renderer] { return renderer->hasPicture(); }, kRenderTimeLimitMs);
    if (!arrived) {
        result.timedOut = true;
        picture->setPixmap(QPixmap::fromImage(FileIconPicture(request.path, request.pictureSize)));
    }
    result.isIcon = !arrived || renderer->pictureIsIcon();
    if (arrived) result.error = renderer->pictureError();
    result.image = PaintPanel(panel);
    return result;
}

QImage RenderPhoto(const QString& path, QSize size) {
    return RenderPhoto(RenderPhotoRequest{path, size, {0, 0}, size, {}}).image;
}
