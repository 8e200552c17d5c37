#include "app/FramePacing.h"

#include <gtest/gtest.h>

namespace {

TEST(FramePacer, FramesAreDueEvery40msFromTheFirst) {
    FramePacer pacer;
    pacer.start(1000);
    const struct {
        qint64 now, due;
    } cases[] = {{900, 0}, {1000, 0}, {1039, 0}, {1040, 1}, {1280, 7}, {3000, 50}};
    for (const auto& c : cases) EXPECT_EQ(pacer.dueFrame(c.now), c.due) << c.now;
}

TEST(FramePacer, WaitsUntilTheNextFrameIsDue) {
    FramePacer pacer;
    pacer.start(0);
    EXPECT_EQ(pacer.msUntil(1, 0), 40);
    EXPECT_EQ(pacer.msUntil(3, 100), 20);
    EXPECT_EQ(pacer.msUntil(3, 200), 0);  // late: due already
    // The wait it answers is enough: the frame is due when it is over.
    for (qint64 now : {0, 13, 39, 41, 79}) EXPECT_EQ(pacer.dueFrame(now + pacer.msUntil(2, now)) >= 2, true) << now;
    FramePacer odd(30);
    odd.start(0);
    EXPECT_EQ(odd.dueFrame(odd.msUntil(1, 0)), 1);  // 33.3 ms rounds up to 34
}

}  // namespace
