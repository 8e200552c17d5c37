#include "platform/FlashPlayer.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QTemporaryDir>
#include <algorithm>
#include <rlottie.h>

#include "platform/MoviePictures.h"

namespace {

// Files beyond these sizes are not read: no movie or picture of the program comes near.
constexpr qint64 kMaxMovieBytes = 256 * 1024 * 1024;
constexpr qint64 kMaxPictureBytes = 64 * 1024 * 1024;

QString Native(const QString& path) { return QDir::toNativeSeparators(path); }

// The whole file, or an empty array with a Chinese message in `error`.
QByteArray ReadMovieFile(const QString& path, QString& error) {
    const QFileInfo info(path);
    if (path.isEmpty() || !info.exists()) {
        error = QString("找不到动画文件：%1").arg(Native(path));
        return {};
    }
    if (!info.isFile()) {
        error = QString("不是有效的动画文件：%1").arg(Native(path));
        return {};
    }
    if (info.size() > kMaxMovieBytes) {
        error = QString("动画文件过大：%1").arg(Native(path));
        return {};
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = QString("无法读取动画文件：%1").arg(Native(path));
        return {};
    }
    return file.readAll();
}

QByteArray ReadPictureFile(const QString& path) {
    if (path.isEmpty() || QFileInfo(path).size() > kMaxPictureBytes) return {};
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QImage TransparentPixel() {
    QImage pixel(1, 1, QImage::Format_ARGB32);
    pixel.fill(Qt::transparent);
    return pixel;
}

}  // namespace

FlashPlayer::FlashPlayer(QWidget* parent, const QString& name) : QWidget(parent) {
    setObjectName(name);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    timer_.setTimerType(Qt::PreciseTimer);
    timer_.setInterval(1000 / kFramesPerSecond);
    connect(&timer_, &QTimer::timeout, this, &FlashPlayer::advance);
}

FlashPlayer::~FlashPlayer() = default;

bool FlashPlayer::setMovie(const QString& path, QString* error) {
    unload();
    QString message;
    const QByteArray bytes = ReadMovieFile(path, message);
    std::optional<LottieMovie> movie;
    if (message.isEmpty()) movie = LottieMovie::parse(bytes);
    if (message.isEmpty() && !movie) message = QString("不是有效的动画文件：%1").arg(Native(path));
    if (movie) {
        movie_ = std::move(movie);
        moviePath_ = path;
        readPictures(QFileInfo(path).absolutePath());
        if (!prepare(size())) {
            unload();
            message = QString("动画文件无法播放：%1").arg(Native(path));
        }
    }
    if (!message.isEmpty()) {
        if (error) *error = message;
        return false;
    }
    Play();
    return true;
}

int FlashPlayer::TotalFrames() const { return movie_ ? movie_->totalFrames() : 0; }

void FlashPlayer::setFrameNum(int frame) {
    if (!movie_) return;
    frame_ = std::clamp(frame, 0, movie_->totalFrames() - 1);
    update();
}

void FlashPlayer::Play() {
    if (movie_) timer_.start();
}

void FlashPlayer::Stop() { timer_.stop(); }

QString FlashPlayer::GetVariable(const QString& name) const {
    return movie_ ? movie_->variable(name) : QString();
}

QImage FlashPlayer::paintFrame() {
    const QSize area = size();
    if (area.isEmpty()) return {};
    if (movie_ && preparedFor_ != area) prepare(area);
    if (frameImageNumber_ == frame_ && frameImage_.size() == area) return frameImage_;
    if (frameImage_.size() != area) frameImage_ = QImage(area, QImage::Format_RGB32);
    if (!animation_) {
        frameImage_.fill(Qt::black);
    } else {
        // rlottie clears the surface and draws premultiplied ARGB; setting every alpha to
        // opaque is drawing the frame over black, and leaves valid RGB32 pixels.
        auto* pixels = reinterpret_cast<uint32_t*>(frameImage_.bits());
        animation_->renderSync(size_t(frame_),
                               rlottie::Surface(pixels, size_t(area.width()),
                                                size_t(area.height()),
                                                size_t(frameImage_.bytesPerLine())));
        const qsizetype count = frameImage_.sizeInBytes() / 4;
        for (qsizetype i = 0; i < count; ++i) pixels[i] |= 0xff000000u;
    }
    frameImageNumber_ = frame_;
    return frameImage_;
}

void FlashPlayer::paintEvent(QPaintEvent*) {
    const QImage frame = paintFrame();
    if (frame.isNull()) return;
    QPainter painter(this);
    painter.drawImage(0, 0, frame);
}

void FlashPlayer::unload() {
    Stop();
    moviePath_.clear();
    movie_.reset();
    animation_.reset();
    pictureBytes_.clear();
    preparedFor_ = QSize();
    frame_ = 0;
    frameImageNumber_ = -1;
    update();
}

void FlashPlayer::advance() {
    if (!movie_) return Stop();
    frame_ = (frame_ + 1) % movie_->totalFrames();
    update();
}

void FlashPlayer::readPictures(const QString& movieFolder) {
    const bool oneFolder = !pictureFolder_.isEmpty();
    const QString folder = oneFolder ? pictureFolder_ : movieFolder;
    const PictureSource source = oneFolder ? PictureSource::OneFolder : PictureSource::MovieFolder;
    for (const MoviePicture& picture : movie_->pictures()) {
        const QByteArray bytes = picture.embedded
                                     ? picture.data
                                     : ReadPictureFile(PicturePath(folder, picture.fileName, source));
        pictureBytes_.insert(picture.id, bytes);
    }
}

AssetBitmap FlashPlayer::writeBitmap(int index, const QImage& bitmap) {
    const QString fileName = QString::number(index) + ".png";
    QFile file(bitmapFolder_->filePath(fileName));
    // A file that cannot be written leaves the asset without a picture: it shows nothing.
    if (file.open(QIODevice::WriteOnly)) file.write(EncodeUncompressedPng(bitmap));
    return {fileName, bitmap.size()};
}

bool FlashPlayer::prepare(QSize size) {
    animation_.reset();
    frameImageNumber_ = -1;
    preparedFor_ = size;
    if (!bitmapFolder_ || !bitmapFolder_->isValid())
        bitmapFolder_ = std::make_unique<QTemporaryDir>(QDir::tempPath() + "/lumora-player-XXXXXX");

    QHash<QString, AssetBitmap> bitmaps;
    int index = 0;
    for (const MoviePicture& picture : movie_->pictures()) {
        QImage bitmap = PreparePicture(pictureBytes_.value(picture.id),
                                       BoxInPlayer(picture.box, movie_->stageSize(), size));
        if (bitmap.isNull()) bitmap = TransparentPixel();
        bitmaps.insert(picture.id, writeBitmap(index++, bitmap));
    }
    // rlottie decodes the bitmaps while it loads, so the files are not needed afterwards.
    // Its cache stays off: the same movie path holds other pictures at the next load.
    const QString resources = bitmapFolder_->path() + "/";
    animation_ = rlottie::Animation::loadFromData(movie_->forRenderer(bitmaps).toStdString(),
                                                  QFile::encodeName(moviePath_).toStdString(),
                                                  QFile::encodeName(resources).toStdString(),
                                                  false);
    for (const AssetBitmap& bitmap : bitmaps) QFile::remove(bitmapFolder_->filePath(bitmap.fileName));
    return animation_ != nullptr;
}
