#include "throughput/timer.h"

#include <gtest/gtest.h>

#include "platform/memory/manual_clock.h"
#include "tests/support/recording_clock.h"
#include "throughput/raised_error.h"

namespace qn {
namespace {

using Events = std::vector<std::string>;

class TimerTest : public ::testing::Test {
  protected:
    std::shared_ptr<CTimer> CountingTimer(int& ticks) {
        auto timer = timers->NewTimer();
        timer->ThatTime = [&ticks] { ++ticks; };
        return timer;
    }

    ManualClock manual;
    RecordingClock clock{manual};
    std::unique_ptr<MTimer> timers = std::make_unique<MTimer>(clock, "Dapplet");
};

TEST_F(TimerTest, AChangedIntervalReplacesTheSystemTimerAndTheSameOneKeepsIt) {
    int ticks = 0;
    auto timer = CountingTimer(ticks);
    timer->SetInterval(1000);
    timer->SetInterval(1000);
    EXPECT_EQ(timer->TimerID(), 1u);
    timer->SetInterval(250);
    EXPECT_EQ(clock.events, (Events{"start 1000 -> 1", "stop 1", "start 250 -> 2"}))
        << "the old timer stops before the new one starts";
    manual.Advance(500);
    EXPECT_EQ(ticks, 2);

    timer->SetInterval(0);
    timer->SetInterval(-5);
    EXPECT_EQ(clock.events.back(), "stop 2");
    EXPECT_EQ(clock.events.size(), 4u);
    EXPECT_EQ(timer->Interval(), 0);
    EXPECT_EQ(timer->TimerID(), 0u);
    manual.Advance(1000);
    EXPECT_EQ(ticks, 2);
}

TEST_F(TimerTest, TicksReachTheirOwnTimerAndPulsesComeAtOnce) {
    int fast = 0;
    int slow = 0;
    auto fastTimer = CountingTimer(fast);
    auto slowTimer = CountingTimer(slow);
    fastTimer->SetInterval(100);
    slowTimer->SetInterval(300);
    slowTimer->PulseTimer();
    EXPECT_EQ(slow, 1);
    manual.Advance(600);
    EXPECT_EQ(fast, 6);
    EXPECT_EQ(slow, 3);
    timers->TimerProc(999);
    EXPECT_EQ(fast + slow, 9) << "an unknown id reaches nobody";
    EXPECT_EQ(timers->HighWaterMark(), 2);
}

TEST_F(TimerTest, TheTableKeepsARunningTimerUntilItsHandlerStopsIt) {
    int ticks = 0;
    std::weak_ptr<CTimer> watch;
    {
        auto timer = CountingTimer(ticks);
        watch = timer;
        CTimer* self = timer.get();
        timer->ThatTime = [&ticks, self] {
            if (++ticks == 2) self->SetInterval(0);
        };
        timer->SetInterval(10);
    }
    manual.Advance(10);
    EXPECT_FALSE(watch.expired()) << "running without an owner of its own";
    manual.Advance(100);
    EXPECT_EQ(ticks, 2);
    EXPECT_TRUE(watch.expired()) << "stopping released it, after its handler returned";
    EXPECT_EQ(manual.ActiveTimers(), 0u);
}

TEST_F(TimerTest, ErrorsOfHandlersReachTheMessageLoop) {
    auto timer = timers->NewTimer();
    timer->ThatTime = [] { throw std::runtime_error("handler failed"); };
    timer->SetInterval(10);
    EXPECT_THROW(manual.Advance(10), std::runtime_error);
}

TEST_F(TimerTest, AHundredTimersFillTheTableAndTheNextOneStopsAgain) {
    std::vector<std::shared_ptr<CTimer>> running;
    for (int i = 0; i < MTimer::kSlots; ++i) {
        running.push_back(timers->NewTimer());
        running.back()->SetInterval(1000 + i);
    }
    auto extra = timers->NewTimer();
    try {
        extra->SetInterval(50);
        FAIL() << "no error";
    } catch (const RaisedError& error) {
        EXPECT_EQ(error.number, static_cast<std::int32_t>(0x80043553u));
        EXPECT_EQ(error.source, "Dapplet.WindowProc");
        EXPECT_EQ(error.description, "No more than 10 timers allowed per class");
    }
    EXPECT_EQ(extra->Interval(), 0);
    EXPECT_EQ(manual.ActiveTimers(), 100u) << "the refused system timer is not left running";

    running[41]->SetInterval(0);
    extra->SetInterval(50);
    EXPECT_EQ(manual.ActiveTimers(), 100u) << "a freed slot is used again";
    EXPECT_EQ(timers->HighWaterMark(), 100);
}

TEST_F(TimerTest, ASystemThatRefusesTimersLeavesTheTimerStopped) {
    auto timer = timers->NewTimer();
    timer->SetInterval(100);
    manual.failTimers = true;
    try {
        timer->SetInterval(200);
        FAIL() << "no error";
    } catch (const RaisedError& error) {
        EXPECT_EQ(error.number, static_cast<std::int32_t>(0x80043554u));
        EXPECT_EQ(error.description, "Can't create system timer");
    }
    EXPECT_EQ(timer->Interval(), 0);
    EXPECT_EQ(timer->TimerID(), 0u);
    EXPECT_EQ(manual.ActiveTimers(), 0u);
    manual.failTimers = false;
    timer->SetInterval(200);
    EXPECT_EQ(manual.ActiveTimers(), 1u);
}

TEST_F(TimerTest, EndingTheTableStopsEverySystemTimer) {
    int ticks = 0;
    auto kept = CountingTimer(ticks);
    kept->SetInterval(10);
    CountingTimer(ticks)->SetInterval(20);
    timers.reset();
    EXPECT_EQ(manual.ActiveTimers(), 0u);
    EXPECT_EQ(kept->Interval(), 0);
    manual.Advance(100);
    EXPECT_EQ(ticks, 0);
}

TEST(RaisedErrors, SmallCodesStayBareAndOthersCarryTheProgramAndText) {
    const RaisedError bare = MakeRaisedError(5, "quillon");
    EXPECT_EQ(bare.number, 5);
    EXPECT_EQ(bare.source, "");
    EXPECT_EQ(bare.description, "");
    const RaisedError invalid = MakeRaisedError(13083, "quillon");
    EXPECT_EQ(invalid.number, static_cast<std::int32_t>(0x8004331Bu));
    EXPECT_EQ(invalid.source, "quillon.WindowProc");
    EXPECT_STREQ(invalid.what(), "Invalid window");
    const RaisedError unlisted = MakeRaisedError(1001, "quillon");
    EXPECT_EQ(unlisted.number, static_cast<std::int32_t>(0x800403E9u));
    EXPECT_EQ(unlisted.description, "");
}

}  // namespace
}  // namespace qn
