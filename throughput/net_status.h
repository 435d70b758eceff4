#pragma once
// cNetStatus: the bytes one interface (or all of them) received and sent
// since the previous tick.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "platform/interface_table.h"
#include "throughput/counter_baselines.h"
#include "throughput/logging.h"
#include "throughput/timer.h"

namespace qn {

class cNetStatus {
  public:
    cNetStatus(InterfaceTable& table, MTimer& timers, mLogging& log);
    // The timer stays in the program's table and keeps running; it is only
    // disconnected, or its next tick would reach this destroyed object.
    ~cNetStatus();
    cNetStatus(const cNetStatus&) = delete;
    cNetStatus& operator=(const cNetStatus&) = delete;

    // Ticks every second from now, the first one (the baseline) at once.
    // Starting again leaves the previous timer running but disconnected.
    void Start();

    const std::string& Interface() const { return interface_; }
    // A new interface takes a fresh baseline on the next tick.
    void SetInterface(const std::string& name);

    // Raised once for each second since the last tick with the bytes in and
    // out of that second; a late tick's bytes are shared over its seconds.
    std::function<void(std::int32_t lIn, std::int32_t lOut)> Status;

    // One tick: reads the watched rows, reports what they carried, keeps the
    // readings. The first tick after a start, a change or a very long gap
    // reports (0, 0).
    void Timer_ThatTime();

  private:
    void DisconnectTimer();

    InterfaceTable& table_;
    MTimer& timers_;
    mLogging& log_;
    std::shared_ptr<CTimer> timer_;
    std::string interface_;
    CounterBaselines baselines_;
    bool baselineTaken_ = false;
    std::uint32_t lastTick_ = 0;
};

}  // namespace qn
