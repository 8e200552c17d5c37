#include "platform/Timer.h"

Timer::Timer(QObject* parent, int intervalMs, std::function<void()> handler)
    : QObject(parent), handler_(std::move(handler)) {
    timer_.setInterval(intervalMs);
    connect(&timer_, &QTimer::timeout, this, [this] { handler_(); });
}

void Timer::setEnabled(bool enabled) {
    if (enabled == timer_.isActive()) return;
    if (enabled)
        timer_.start();
    else
        timer_.stop();
}
