#pragma once
// cNetStatus: the bytes one interface (or all of them) received and sent
// since the previous tick.
#include <cstdint>
#include <functional>
#include <string>

#include "platform/interface_table.h"

namespace qn {

class cNetStatus {
  public:
    explicit cNetStatus(InterfaceTable& table) : table_(table) {}

    const std::string& Interface() const { return interface_; }
    // A new interface takes a fresh baseline on the next tick.
    void SetInterface(const std::string& name);

    // Raised on every tick with the bytes in and out since the last one.
    std::function<void(std::int32_t lIn, std::int32_t lOut)> Status;

    // One tick: reads both counters, reports the differences, keeps the
    // readings. The first tick after a change reports (0, 0).
    void Timer_ThatTime();

  private:
    InterfaceTable& table_;
    std::string interface_;
    std::uint32_t lastIn_ = 0;  // 0: no baseline yet
    std::uint32_t lastOut_ = 0;
};

// later - earlier of a counter that wraps at 2^32, read as signed: the true
// small increment across a wrap.
std::int32_t CounterDifference(std::uint32_t later, std::uint32_t earlier);

}  // namespace qn
