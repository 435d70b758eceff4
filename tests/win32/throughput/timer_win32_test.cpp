#include <windows.h>
#include <gtest/gtest.h>

#include "platform/win32/win32_services.h"
#include "tests/support/recording_clock.h"
#include "tests/win32/common/message_pump.h"
#include "throughput/raised_error.h"
#include "throughput/timer.h"

namespace qn::win32 {
namespace {

class TimerWin32 : public ::testing::Test {
  protected:
    std::unique_ptr<Clock> system = MakeWin32Clock();
    RecordingClock clock{*system};
    MTimer timers{clock, "Dapplet"};
};

TEST_F(TimerWin32, SystemTimersFollowTheIntervalAndPulsesComeAtOnce) {
    int ticks = 0;
    auto timer = timers.NewTimer();
    timer->ThatTime = [&ticks] { ++ticks; };
    timer->SetInterval(20);
    timer->SetInterval(20);
    ASSERT_EQ(clock.events.size(), 1u) << "one system timer for the same interval";
    const std::string first = std::to_string(timer->TimerID());
    EXPECT_TRUE(PumpMessagesUntil([&] { return ticks >= 2; }, 5000));

    timer->SetInterval(30);
    ASSERT_EQ(clock.events.size(), 3u);
    EXPECT_EQ(clock.events[1], "stop " + first) << "the old timer stops before the new one";
    EXPECT_EQ(clock.events[2].rfind("start 30 -> ", 0), 0u);
    const int before = ticks;
    EXPECT_TRUE(PumpMessagesUntil([&] { return ticks >= before + 2; }, 5000));

    const int pulsed = ticks + 1;
    timer->PulseTimer();
    EXPECT_EQ(ticks, pulsed) << "without waiting for the message loop";

    timer->SetInterval(0);
    EXPECT_EQ(clock.running, 0);
    const int stopped = ticks;
    PumpMessagesFor(150);
    EXPECT_EQ(ticks, stopped);
}

TEST_F(TimerWin32, AFullTableAndARefusingSystemRaiseAndLeaveNothingRunning) {
    std::vector<std::shared_ptr<CTimer>> running;
    for (int i = 0; i < MTimer::kSlots; ++i) {
        running.push_back(timers.NewTimer());
        running.back()->SetInterval(60000);
    }
    auto extra = timers.NewTimer();
    try {
        extra->SetInterval(60000);
        ADD_FAILURE() << "no error";
    } catch (const RaisedError& error) {
        EXPECT_EQ(error.number, static_cast<std::int32_t>(0x80043553u));
        EXPECT_EQ(error.source, "Dapplet.WindowProc");
    }
    EXPECT_EQ(clock.running, MTimer::kSlots);

    running.back()->SetInterval(0);
    clock.refuse = true;
    try {
        extra->SetInterval(60000);
        ADD_FAILURE() << "no error";
    } catch (const RaisedError& error) {
        EXPECT_EQ(error.number, static_cast<std::int32_t>(0x80043554u));
        EXPECT_EQ(error.description, "Can't create system timer");
    }
    EXPECT_EQ(extra->Interval(), 0);
    EXPECT_EQ(clock.running, MTimer::kSlots - 1);
}

}  // namespace
}  // namespace qn::win32
