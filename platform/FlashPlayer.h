#pragma once
// FlashPlayer: the movie player control. It plays the program's movies (Lottie animations,
// drawn by rlottie) inside a host box and offers the operations the program uses, under
// the names of the control's interface: Movie, TotalFrames, FrameNum, Play, Stop,
// GetVariable, and painting its current frame into a bitmap.
//
// Frames are numbered 0 ... TotalFrames - 1. The stage is drawn whole, centred and
// undistorted at the control's size, on black where the movie draws nothing. Painting
// works with no screen (Qt's offscreen platform) and for a hidden control: paintFrame()
// answers the current frame, and painting the host box with QWidget::render (see
// platform/Paint.h) draws it too. A disabled control ignores mouse and keyboard, as every
// disabled widget does.
//
// Pictures: when a movie is loaded, every external image asset is read from the movie's
// folder (or the folder given to setPictureFolder) by its file name, the hand-over picture
// "picture_0.jpg" from the nearest "pic" folder at or above it (see MoviePictures.h). Each
// picture is read once per load and decoded at the size it shows at, fitted into the box
// the movie declares for it, keeping its proportions, centred, transparent where it does
// not reach. A missing or undecodable picture shows nothing; the movie plays on. The
// movie and its pictures are kept in memory: the files may be deleted or replaced once
// Movie has answered, and loading the same path again reads the files anew.
//
// When the control is resized, the pictures are prepared again for the new size at the
// next paint, so a picture is always drawn 1 : 1 at rest and never shrunk by rlottie.

#include <QHash>
#include <QImage>
#include <QString>
#include <QTimer>
#include <QWidget>
#include <memory>
#include <optional>

#include "platform/LottieMovie.h"

class QTemporaryDir;
namespace rlottie {
class Animation;
}

class FlashPlayer : public QWidget {
    Q_OBJECT
public:
    // Frames per second of Play.
    static constexpr int kFramesPerSecond = 25;

    // An empty control (no movie, TotalFrames 0, FrameNum 0) inside `parent`, the host
    // box that owns it, with the component name `name` as its object name.
    FlashPlayer(QWidget* parent, const QString& name);
    ~FlashPlayer() override;

    // Movie := path. Loads the movie file whatever its extension (".rar", ".swf", none) and
    // starts playing it from frame 0, as the original control does; callers that want a
    // still frame call Stop. Answers true on success. On failure (missing or unreadable
    // file, a file that is not a movie, a movie the renderer refuses) answers false, puts
    // a Chinese message naming the file into *error when given, and leaves the control
    // empty, so the marker check that follows every load fails as for a movie without
    // its marker. Never ends the process.
    bool setMovie(const QString& path, QString* error = nullptr);
    // The path of the loaded movie; empty when none is loaded.
    QString Movie() const { return moviePath_; }

    // Frames of the loaded movie; 0 when none is loaded.
    int TotalFrames() const;
    // The frame shown (it advances while the movie plays).
    int FrameNum() const { return frame_; }
    // FrameNum := frame: shows `frame`, clamped to 0 ... TotalFrames - 1. Playing goes on
    // from there when the movie plays.
    void setFrameNum(int frame);

    // Advances one frame every 1/25 s on a timer, from the last frame back to frame 0.
    void Play();
    // Halts on the frame shown.
    void Stop();
    bool isPlaying() const { return timer_.isActive(); }

    // The movie variable `name` (the movie's top-level "variables") as text; empty when the
    // movie has no such variable or no movie is loaded.
    QString GetVariable(const QString& name) const;

    // The current frame drawn at the control's size (RGB32). Black when no movie is
    // loaded; a null image when the control has no area. The frame is drawn once and kept
    // until the frame, the movie or the size changes; the image answered is a shared copy.
    QImage paintFrame();

    // From the next load on, every picture, the hand-over picture included, is read from
    // `folder` instead of the movie's folder and "pic"; an empty text restores those. For
    // tools that show a movie with other pictures.
    void setPictureFolder(const QString& folder) { pictureFolder_ = folder; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void unload();
    void advance();
    bool prepare(QSize size);
    void readPictures(const QString& movieFolder);
    AssetBitmap writeBitmap(int index, const QImage& bitmap);

    QString moviePath_;
    std::optional<LottieMovie> movie_;
    QHash<QString, QByteArray> pictureBytes_;  // asset id -> encoded picture, read at load
    std::unique_ptr<rlottie::Animation> animation_;
    QSize preparedFor_;        // the control size the pictures were prepared for
    std::unique_ptr<QTemporaryDir> bitmapFolder_;  // where prepared pictures are handed over
    int frame_ = 0;
    QImage frameImage_;        // the last frame drawn
    int frameImageNumber_ = -1;  // its frame number; -1 when it must be drawn anew
    QString pictureFolder_;
    QTimer timer_;
};
