#pragma once
#include <map>

#include "platform/clock.h"

namespace qn {

// Time moves only when a test advances it; due timers then fire in the order
// of their due times (earlier-started first on a tie), each seeing the tick
// count of its own due time.
class ManualClock : public Clock {
  public:
    explicit ManualClock(std::uint32_t startTick = 0) : startTick_(startTick) {}

    std::uint32_t TickCount() const override {
        return static_cast<std::uint32_t>(startTick_ + elapsed_);
    }
    TimerId StartTimer(std::uint32_t intervalMs, TimerCallback callback) override;
    bool StopTimer(TimerId timer) override;

    void Advance(std::uint32_t milliseconds);
    std::size_t ActiveTimers() const { return timers_.size(); }
    bool failTimers = false;  // StartTimer reports failure, like a full system table

  private:
    struct Timer {
        std::uint32_t interval;
        std::uint64_t due;  // in elapsed milliseconds
        TimerCallback callback;
    };
    std::uint32_t startTick_;
    std::uint64_t elapsed_ = 0;
    std::map<TimerId, Timer> timers_;
    TimerId nextId_ = 1;
};

}  // namespace qn
