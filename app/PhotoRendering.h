#pragma once
// The one way the photo windows (Form3, Form13's jobs, Form21) get a picture of a photo:
// through the renderer window, which draws the photo upright, or the file's icon when the
// photo cannot be decoded. Every call answers within the renderer's time limit, so no
// window waits for ever on a photo that cannot be drawn.

#include <QImage>
#include <QPoint>
#include <QSize>
#include <QString>

struct PhotoPicture {
    QImage image;         // the white panel with the picture in it, panel size
    bool isIcon = false;  // the photo could not be drawn; the file's icon stands in
    QString error;        // why, when isIcon
};

// The photo at `path` drawn at `pictureSize`, placed at `position` in a white panel of
// `panelSize` (an empty panel size: position + picture size).
PhotoPicture RenderPhotoPicture(const QString& path, QSize pictureSize, QPoint position = {},
                                QSize panelSize = {});

// Hides the renderer's photo number overlay, as every caller but the template manager does
// before it renders.
void HideRendererNumber();

// The upright check of an added photo (or a new background picture): its stored size, the
// size of the upright picture the renderer delivered when asked for a box 300 wide, and
// whether the file is a readable photo at all. `error` (a Chinese message naming the file)
// is set when the stored size cannot be read or the photo cannot be drawn.
struct UprightCheck {
    QSize stored;
    QSize delivered;
    QString error;
    bool ok() const { return error.isEmpty(); }
};
UprightCheck CheckUprightPhoto(const QString& path);
