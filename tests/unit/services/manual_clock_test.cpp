#include "platform/memory/manual_clock.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace qn {
namespace {

TEST(ManualClock, DueTimersFireInTimeOrderWithTheirOwnTick) {
    ManualClock clock(1000);
    std::vector<std::string> fired;
    clock.StartTimer(300,
                     [&](TimerId) { fired.push_back("a@" + std::to_string(clock.TickCount())); });
    clock.StartTimer(200,
                     [&](TimerId) { fired.push_back("b@" + std::to_string(clock.TickCount())); });
    clock.Advance(650);
    EXPECT_EQ(fired, (std::vector<std::string>{"b@1200", "a@1300", "b@1400", "a@1600", "b@1600"}));
    EXPECT_EQ(clock.TickCount(), 1650u);
}

TEST(ManualClock, TiesGoToTheEarlierStartedTimer) {
    ManualClock clock;
    std::string order;
    clock.StartTimer(100, [&](TimerId) { order += "1"; });
    clock.StartTimer(100, [&](TimerId) { order += "2"; });
    clock.Advance(200);
    EXPECT_EQ(order, "1212");
}

TEST(ManualClock, TickCountWrapsAfter32Bits) {
    ManualClock clock(0xFFFFFF00u);
    int fired = 0;
    clock.StartTimer(0x200, [&](TimerId) { ++fired; });
    clock.Advance(0x180);
    EXPECT_EQ(clock.TickCount(), 0x80u);
    EXPECT_EQ(fired, 0);
    clock.Advance(0x80);
    EXPECT_EQ(fired, 1);
    EXPECT_EQ(static_cast<std::uint32_t>(clock.TickCount() - 0xFFFFFF00u), 0x200u);
}

TEST(ManualClock, CallbackMayStopItselfOrStartAnother) {
    ManualClock clock;
    int selfStopping = 0;
    int started = 0;
    TimerId first = 0;
    first = clock.StartTimer(100, [&](TimerId id) {
        ++selfStopping;
        EXPECT_EQ(id, first);
        clock.StopTimer(id);
        clock.StartTimer(50, [&](TimerId) { ++started; });
    });
    clock.Advance(300);
    EXPECT_EQ(selfStopping, 1);
    EXPECT_EQ(started, 4);  // at 150, 200, 250, 300
    EXPECT_EQ(clock.ActiveTimers(), 1u);
}

TEST(ManualClock, StoppedAndFailedTimers) {
    ManualClock clock;
    int fired = 0;
    const TimerId id = clock.StartTimer(10, [&](TimerId) { ++fired; });
    EXPECT_NE(id, 0u);
    EXPECT_TRUE(clock.StopTimer(id));
    EXPECT_FALSE(clock.StopTimer(id));
    clock.Advance(100);
    EXPECT_EQ(fired, 0);
    clock.failTimers = true;
    EXPECT_EQ(clock.StartTimer(10, [&](TimerId) { ++fired; }), 0u);
}

TEST(ManualClock, ZeroIntervalDoesNotFireEndlessly) {
    ManualClock clock;
    int fired = 0;
    clock.StartTimer(0, [&](TimerId) { ++fired; });
    clock.Advance(5);
    EXPECT_EQ(fired, 5);
}

}  // namespace
}  // namespace qn
