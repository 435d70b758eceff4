#pragma once
// mBenchmark: milliseconds between a start and an end.
#include <cstdint>
#include <string>

#include "platform/clock.h"

namespace qn {

class mBenchmark {
  public:
    explicit mBenchmark(const Clock& clock) : clock_(clock) {}
    void StartBenchmark() { started_ = clock_.TickCount(); }
    // The elapsed milliseconds as decimal text; the tick count's wrap after
    // 49.7 days still gives the small elapsed value.
    std::string EndBenchmark() const;
    std::uint32_t ElapsedMs() const { return clock_.TickCount() - started_; }

  private:
    const Clock& clock_;
    std::uint32_t started_ = 0;
};

}  // namespace qn
