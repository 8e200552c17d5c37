#pragma once
// InstanceLock: makes sure only one copy of the program runs.
//
// The lock is a QLockFile named after the application title ("Lumora.lock") in the
// system's temporary folder. It is tried once, without waiting. A lock file left behind by
// a copy that ended without releasing it (a crash, a kill) is recognised by its process
// number and taken over; a lock held by a copy that still runs is refused, however old it
// is. The lock is released when the InstanceLock is destroyed.

#include <QDir>
#include <QLockFile>
#include <QString>

class InstanceLock {
public:
    // Tries to take the lock `name` in `folder`; see acquired().
    explicit InstanceLock(const QString& name = QStringLiteral("Lumora"),
                          const QString& folder = QDir::tempPath());

    // Whether this copy holds the lock; false when another running copy holds it or the
    // lock file cannot be written.
    bool acquired() const { return acquired_; }
    // The full path of the lock file.
    QString path() const { return path_; }

private:
    QString path_;
    QLockFile lock_;
    bool acquired_ = false;
};
