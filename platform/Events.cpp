#include "platform/Events.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QTimer>

void postCall(QObject* receiver, std::function<void()> call) {
    QMetaObject::invokeMethod(receiver, std::move(call), Qt::QueuedConnection);
}

void processPendingEvents() { QCoreApplication::processEvents(QEventLoop::AllEvents); }

bool waitUntil(const std::function<bool()>& done, int timeoutMs) {
    if (done()) return true;
    QDeadlineTimer deadline(timeoutMs);
    // A ticking timer wakes the loop, so conditions that are not events (a file that
    // appears) are seen within a few milliseconds.
    QTimer tick;
    tick.start(2);
    while (!deadline.hasExpired()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
        if (done()) return true;
    }
    return done();
}
