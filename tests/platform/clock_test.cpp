#include <gtest/gtest.h>

#include "platform/platform.h"

TEST(VirtualClock, SleepAdvancesAtOnce) {
    platform::UseVirtualClock(500);
    platform::Sleep(13);
    EXPECT_EQ(platform::Ticks(), 513u);
    platform::AdvanceVirtualClock(7);
    EXPECT_EQ(platform::Ticks(), 520u);
}
