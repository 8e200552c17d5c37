#pragma once
// MoviePictures: the pictures a movie shows, prepared for the player. No widget in it.
//
// rlottie draws an image asset at the bitmap's own pixel size and shrinks it without
// filtering, so fine detail shows moiré. The player therefore hands every picture over at
// the pixel size its box shows at in the player when its layer is at 100 %, scaled here
// with a good filter, the picture fitted into that box keeping its proportions.
//
// Where pictures come from: an external picture is read from the movie's own folder by its
// file name; the hand-over picture "picture_0.jpg" from the nearest "pic" folder at or
// above the movie's folder.

#include <QByteArray>
#include <QImage>
#include <QRect>
#include <QSize>
#include <QString>

// The file name of the hand-over picture, the last frame of the previous movie.
inline constexpr char kHandOverPicture[] = "picture_0.jpg";

// The pixel size of a picture box `box` (in stage pixels) when a stage of `stage` is shown
// whole, centred and undistorted in a player of `player`: box x min(player w / stage w,
// player h / stage h), multiplied first and truncated, at least 1 x 1. Empty sizes answer
// 1 x 1.
QSize BoxInPlayer(QSize box, QSize stage, QSize player);

// Where a picture of `picture` pixels lies inside `box`: as large as fits with its
// proportions kept, centred (left = box w / 2 - width / 2, likewise top). A picture whose
// proportions match the box's within 1 % fills the box exactly, so a picture made for the
// box never leaves a hairline band. Empty sizes answer an empty rectangle.
QRect FitInside(QSize picture, QSize box);

// The picture encoded in `encoded` (any format Qt reads, detected from the bytes) as an
// ARGB32 bitmap of exactly `bitmap`: fitted by FitInside, decoded at the fitted size (JPEG
// is scaled while decoding) and finished with a smooth filter; transparent where it does
// not reach. A null image when the bytes cannot be decoded or `bitmap` is empty.
QImage PreparePicture(const QByteArray& encoded, QSize bitmap);

// `image` as a PNG file with 8-bit RGBA pixels and no compression: about four times as
// fast to write as Qt's fastest PNG setting, and the renderer's loader reads it as fast.
QByteArray EncodeUncompressedPng(const QImage& image);

// Where pictures are looked for: the movie's folder, or one folder holding them all.
enum class PictureSource { MovieFolder, OneFolder };

// The path of picture `fileName` in `folder`. For a movie's folder, the hand-over picture
// comes from the nearest "pic" folder at or above `folder`; from one folder, it is read
// from `folder` like the others. Empty when `fileName` is not a plain file name (empty,
// "." or "..", or with a path separator) or when no "pic" folder exists above `folder`.
QString PicturePath(const QString& folder, const QString& fileName,
                    PictureSource source = PictureSource::MovieFolder);
