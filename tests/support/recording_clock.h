#pragma once
// A clock that passes everything to another one and records the timers
// started and stopped, in order; it can also refuse new timers.
#include <string>
#include <vector>

#include "platform/clock.h"

namespace qn {

class RecordingClock : public Clock {
  public:
    explicit RecordingClock(Clock& inner) : inner_(inner) {}

    std::uint32_t TickCount() const override { return inner_.TickCount(); }

    TimerId StartTimer(std::uint32_t intervalMs, TimerCallback callback) override {
        const TimerId id = refuse ? 0 : inner_.StartTimer(intervalMs, std::move(callback));
        events.push_back("start " + std::to_string(intervalMs) + " -> " + std::to_string(id));
        if (id != 0) ++running;
        return id;
    }

    bool StopTimer(TimerId timer) override {
        events.push_back("stop " + std::to_string(timer));
        const bool stopped = inner_.StopTimer(timer);
        if (stopped) --running;
        return stopped;
    }

    bool refuse = false;
    int running = 0;
    std::vector<std::string> events;

  private:
    Clock& inner_;
};

}  // namespace qn
