#include "platform/Events.h"

#include <QElapsedTimer>
#include <gtest/gtest.h>

#include <memory>

#include "platform/Timer.h"

namespace {

TEST(Timer, FiresEveryIntervalUntilDisabled) {
    QObject owner;
    int fired = 0;
    Timer* timer = nullptr;
    timer = new Timer(&owner, 5, [&] {
        if (++fired == 3) timer->setEnabled(false);
    });
    EXPECT_FALSE(timer->enabled());  // created disabled
    timer->setEnabled(true);
    EXPECT_TRUE(timer->enabled());
    EXPECT_TRUE(waitUntil([&] { return fired == 3; }, 5000));
    EXPECT_FALSE(timer->enabled());
    waitUntil([] { return false; }, 50);
    EXPECT_EQ(fired, 3);
}

TEST(Timer, ADisabledTimerNeverFires) {
    QObject owner;
    int fired = 0;
    Timer timer(&owner, 1, [&] { ++fired; });
    timer.setEnabled(true);
    timer.setEnabled(false);
    waitUntil([] { return false; }, 30);
    EXPECT_EQ(fired, 0);
}

TEST(Events, WaitUntilSeesAConditionMadeTrueByAPostedCall) {
    QObject receiver;
    bool done = false;
    postCall(&receiver, [&] { done = true; });
    EXPECT_FALSE(done);  // posted, not run
    EXPECT_TRUE(waitUntil([&] { return done; }, 5000));
}

TEST(Events, WaitUntilGivesUpAtTheTimeLimit) {
    QElapsedTimer clock;
    clock.start();
    EXPECT_FALSE(waitUntil([] { return false; }, 40));
    EXPECT_GE(clock.elapsed(), 40);
}

TEST(Events, WaitUntilAsksBeforeProcessingAnything) {
    QObject receiver;
    bool ran = false;
    postCall(&receiver, [&] { ran = true; });
    EXPECT_TRUE(waitUntil([] { return true; }, 1000));
    EXPECT_FALSE(ran);
    processPendingEvents();
    EXPECT_TRUE(ran);
}

TEST(Events, APostedCallIsDroppedWithItsReceiver) {
    auto receiver = std::make_unique<QObject>();
    bool ran = false;
    postCall(receiver.get(), [&] { ran = true; });
    receiver.reset();
    processPendingEvents();
    EXPECT_FALSE(ran);
}

}  // namespace
