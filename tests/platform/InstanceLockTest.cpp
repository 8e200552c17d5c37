#include "platform/InstanceLock.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include "tests/support/TempDir.h"

namespace {

// A second copy of the program: a child process that takes the lock, tells the parent,
// and ends without releasing it when the parent closes the pipe.
class LockHolder {
public:
    LockHolder(const QString& name, const QString& folder) {
        int toParent[2], toChild[2];
        if (::pipe(toParent) != 0 || ::pipe(toChild) != 0) return;
        pid_ = ::fork();
        if (pid_ == 0) {
            ::close(toParent[0]);
            ::close(toChild[1]);
            const InstanceLock lock(name, folder);
            const char answer = lock.acquired() ? 'y' : 'n';
            (void)!::write(toParent[1], &answer, 1);
            char ignored;
            (void)!::read(toChild[0], &ignored, 1);  // returns when the parent closes its end
            ::_exit(0);                              // no destructor: the lock file stays behind
        }
        ::close(toParent[1]);
        ::close(toChild[0]);
        release_ = toChild[1];
        char answer = 'n';
        if (::read(toParent[0], &answer, 1) == 1) acquired_ = answer == 'y';
        ::close(toParent[0]);
    }
    ~LockHolder() { end(); }

    bool acquired() const { return acquired_; }

    // Ends the child and waits until it is gone, so its process number is free.
    void end() {
        if (pid_ <= 0) return;
        ::close(release_);
        ::waitpid(pid_, nullptr, 0);
        pid_ = -1;
    }

private:
    pid_t pid_ = -1;
    int release_ = -1;
    bool acquired_ = false;
};

QString uniqueName() { return QString("LumoraTest-%1").arg(QCoreApplication::applicationPid()); }

TEST(InstanceLock, ASecondRunningCopyIsRefusedAndADeadOnesLockIsTakenOver) {
    TempDir dir;
    LockHolder other(uniqueName(), dir.path());
    ASSERT_TRUE(other.acquired());
    EXPECT_FALSE(InstanceLock(uniqueName(), dir.path()).acquired());

    other.end();
    ASSERT_TRUE(QFileInfo::exists(dir.file(uniqueName() + ".lock")));  // left behind
    const InstanceLock lock(uniqueName(), dir.path());
    EXPECT_TRUE(lock.acquired());
    EXPECT_EQ(lock.path(), dir.file(uniqueName() + ".lock"));
}

TEST(InstanceLock, IsReleasedWhenDestroyed) {
    TempDir dir;
    {
        const InstanceLock first(uniqueName(), dir.path());
        ASSERT_TRUE(first.acquired());
        EXPECT_FALSE(InstanceLock(uniqueName(), dir.path()).acquired());
    }
    EXPECT_FALSE(QFileInfo::exists(dir.file(uniqueName() + ".lock")));
    EXPECT_TRUE(InstanceLock(uniqueName(), dir.path()).acquired());
}

}  // namespace
