#include "platform/InstanceLock.h"

InstanceLock::InstanceLock(const QString& name, const QString& folder)
    : path_(QDir(folder).filePath(name + QStringLiteral(".lock"))), lock_(path_) {
    // No age limit: only a dead holder makes a lock stale, never the time it was held.
    lock_.setStaleLockTime(0);
    acquired_ = lock_.tryLock(0);
}
