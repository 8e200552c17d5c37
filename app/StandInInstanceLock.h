#pragma once
// STAND-IN, to be removed when platform/InstanceLock.h lands on main: the single-instance
// lock over QLockFile, as Form1 uses it.

#include <QDir>
#include <QLockFile>
#include <QString>
#include <memory>

class InstanceLock {
public:
    InstanceLock(const QString& name, const QString& folder)
        : file_(std::make_unique<QLockFile>(QDir(folder).filePath(name + ".lock"))) {
        file_->setStaleLockTime(0);
        acquired_ = file_->tryLock(0);
    }
    // Whether this copy holds the lock; a lock left by a process that no longer runs is
    // taken over.
    bool acquired() const { return acquired_; }

private:
    std::unique_ptr<QLockFile> file_;
    bool acquired_ = false;
};
