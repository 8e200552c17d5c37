#pragma once
// RenderPhoto: a picture of a photo at a wanted size, made by the renderer window MainForm.
//
// The sequence every caller uses: empty Image_load; size and place it and size
// Panel_jiequtupian as the caller needs; note the photo's stored size; name the file;
// post the render request; process events until Image_load holds a picture; paint
// Panel_jiequtupian (white, with the picture and the number overlay if shown) into a new
// picture of the panel's size. Two requests are never outstanding at once: each call waits
// for its own picture before it returns.
//
// Every call answers a picture: the photo upright, or the file's icon when the file cannot
// be decoded (missing, corrupt, not a JPEG). The wait has a time limit; should the picture
// not arrive within it (which the renderer never lets happen), the icon is painted in its
// place and `timedOut` is set, so no caller can hang.
//
// Needs the program's windows (a Program, or at least a MainForm) to exist.

#include <QImage>
#include <QPoint>
#include <QSize>
#include <QString>

struct RenderPhotoRequest {
    QString path;                   // the photo file
    QSize pictureSize;              // size of Image_load: the wanted picture size
    QPoint picturePosition{0, 0};   // place of Image_load in the panel
    QSize panelSize;                // size of Panel_jiequtupian; empty: position + picture size
    QSize photoSize;                // the photo's stored size when the caller knows it
};

struct RenderedPhoto {
    QImage image;          // the painted panel, panel size, ARGB32 premultiplied
    bool isIcon = false;   // the file's icon stands in for the photo
    bool timedOut = false; // the renderer did not answer in time
    QString error;         // why the photo could not be decoded, when isIcon
};

RenderedPhoto RenderPhoto(const RenderPhotoRequest& request);
// The photo at `size`, the panel exactly the picture.
QImage RenderPhoto(const QString& path, QSize size);

// Longest wait for the renderer's picture.
inline constexpr int kRenderTimeLimitMs = 10000;

// The root-folder rule of the path handed to the renderer. The renderer splits a path into
// folder and file name and takes one trailing separator off the folder, so a photo whose
// folder is a root ("/"; on Windows also "C:/", "C:\") is handed over with the separator
// doubled ("/a.jpg" -> "//a.jpg"): its folder then keeps its root separator. Other paths
// are handed over as they are. Paths are split only at this system's separator
// (platform/PathSeparator.h), so "back\slash.jpg" is one file name here.
QString RendererPath(const QString& path);

struct PhotoPathParts {
    QString folder;    // without the one trailing separator the renderer takes off
    QString fileName;
};
// The renderer's split: folder = everything before the last separator with
// one trailing separator taken off, file name = the rest. A path without separator has an
// empty folder.
PhotoPathParts SplitRendererPath(const QString& path);
// The file the renderer opens: folder + "/" + file name, or folder + file name when the
// folder already ends in a separator; the file name alone when the folder is empty.
QString JoinPhotoPath(const PhotoPathParts& parts);
