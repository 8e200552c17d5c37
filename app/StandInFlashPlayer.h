#pragma once
// STAND-IN, to be removed when platform/FlashPlayer.h lands on main: the movie player
// control with the operations the start-up animation uses. It reads the movie's frame
// count and variables and counts frames while playing; it draws a plain frame.

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPainter>
#include <QTimer>
#include <QWidget>

class FlashPlayer : public QWidget {
public:
    FlashPlayer(QWidget* parent, const QString& name) : QWidget(parent) {
        setObjectName(name);
        timer_.setInterval(40);
        QObject::connect(&timer_, &QTimer::timeout, this, [this] {
            frame_ = total_ > 0 ? (frame_ + 1) % total_ : 0;
            update();
        });
    }
    bool setMovie(const QString& path, QString* = nullptr) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) return false;
        movie_ = QJsonDocument::fromJson(file.readAll()).object();
        total_ = int(movie_.value("op").toDouble() - movie_.value("ip").toDouble());
        return true;
    }
    int TotalFrames() const { return total_; }
    void setFrameNum(int frame) { frame_ = frame; update(); }
    int FrameNum() const { return frame_; }
    void Play() { timer_.start(); }
    void Stop() { timer_.stop(); }
    QString GetVariable(const QString& name) const {
        return movie_.value("variables").toObject().value(name).toString();
    }

protected:
    void paintEvent(QPaintEvent*) override { QPainter(this).fillRect(rect(), QColor(20, 30, 40)); }

private:
    QJsonObject movie_;
    QTimer timer_;
    int total_ = 0;
    int frame_ = 0;
};
