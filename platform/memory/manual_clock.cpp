#include "platform/memory/manual_clock.h"

namespace qn {

TimerId ManualClock::StartTimer(std::uint32_t intervalMs, TimerCallback callback) {
    if (failTimers || !callback) return 0;
    // Windows raises a zero interval to its minimum; a timer must not fire endlessly.
    const std::uint32_t interval = intervalMs == 0 ? 1 : intervalMs;
    const TimerId id = nextId_++;
    timers_[id] = Timer{interval, elapsed_ + interval, std::move(callback)};
    return id;
}

bool ManualClock::StopTimer(TimerId timer) {
    return timers_.erase(timer) != 0;
}

void ManualClock::Advance(std::uint32_t milliseconds) {
    const std::uint64_t target = elapsed_ + milliseconds;
    for (;;) {
        // The earliest due timer; ids grow with start order, so ties go to the older.
        auto next = timers_.end();
        for (auto it = timers_.begin(); it != timers_.end(); ++it) {
            if (it->second.due <= target &&
                (next == timers_.end() || it->second.due < next->second.due)) {
                next = it;
            }
        }
        if (next == timers_.end()) break;
        elapsed_ = next->second.due;
        next->second.due += next->second.interval;
        // A copy: the callback may stop or start timers.
        TimerCallback callback = next->second.callback;
        callback(next->first);
    }
    elapsed_ = target;
}

}  // namespace qn
