#include "app/FramePacing.h"

#include <QElapsedTimer>
#include <memory>

PreviewClock SteadyClock() {
    auto timer = std::make_shared<QElapsedTimer>();
    timer->start();
    return [timer] { return timer->elapsed(); };
}

qint64 FramePacer::dueFrame(qint64 nowMs) const {
    if (nowMs <= startMs_) return 0;
    return (nowMs - startMs_) * fps_ / 1000;
}

qint64 FramePacer::msUntil(qint64 frame, qint64 nowMs) const {
    // The first millisecond at which dueFrame reaches `frame`: ceil(frame * 1000 / fps).
    const qint64 dueAt = startMs_ + (frame * 1000 + fps_ - 1) / fps_;
    return qMax<qint64>(0, dueAt - nowMs);
}
