#pragma once
// Fitting a picture into a preview box with a 3-pixel border, as the photo window (Form3)
// and the background window (Form21) show a picture.
//
// The picture is fitted into the panel, the box less 6 pixels in each direction: a
// horizontal picture (height <= width, square included) takes the panel width first and the
// panel height only when its height would exceed it; a vertical picture takes the panel
// height first. Divisions truncate. The picture sits at (3, 3) and the frame drawn around it
// is 6 pixels wider and higher than the picture.

#include <QRect>
#include <QSize>

struct FramedPicture {
    QRect picture;  // where the picture is drawn, inside the frame
    QSize frame;    // the white frame: picture + 6 in each direction
    bool isEmpty() const { return picture.isEmpty(); }
};

// The size of a `pictureWidth` x `pictureHeight` picture fitted into `area`. An empty size
// when either picture side or either area side is not positive.
QSize FitPicture(int pictureWidth, int pictureHeight, QSize area);

// The picture fitted into the panel of `box` (box - 6), at (3, 3), with its frame. Empty when
// the picture or the panel has no area.
FramedPicture FitFramed(int pictureWidth, int pictureHeight, QSize box);
