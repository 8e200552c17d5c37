#pragma once
// Timer: a window timer in the style the program's jobs are written in.
//
// A timer has an interval and a handler and does nothing while it is disabled. Enabling
// it starts the interval; it fires every interval until it is disabled again, and a handler
// that is meant to run once disables its own timer first. The handler runs on the window
// thread from the event loop, so waits inside it keep the windows responsive.

#include <QObject>
#include <QTimer>
#include <functional>

class Timer : public QObject {
    Q_OBJECT
public:
    Timer(QObject* parent, int intervalMs, std::function<void()> handler);

    void setEnabled(bool enabled);
    bool enabled() const { return timer_.isActive(); }
    void setInterval(int intervalMs) { timer_.setInterval(intervalMs); }
    int interval() const { return timer_.interval(); }

private:
    QTimer timer_;
    std::function<void()> handler_;
};
