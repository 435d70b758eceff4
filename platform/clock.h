#pragma once
// Milliseconds since start-up and timers that need no window.
#include <cstdint>
#include <functional>

namespace qn {

using TimerId = std::uintptr_t;  // 0 means no timer
using TimerCallback = std::function<void(TimerId)>;

class Clock {
  public:
    virtual ~Clock() = default;
    // Wraps to 0 after 2^32 - 1 ms (about 49.7 days).
    virtual std::uint32_t TickCount() const = 0;
    // Calls callback every intervalMs from the message loop; 0 on failure.
    virtual TimerId StartTimer(std::uint32_t intervalMs, TimerCallback callback) = 0;
    // False for an unknown timer.
    virtual bool StopTimer(TimerId timer) = 0;
};

}  // namespace qn
