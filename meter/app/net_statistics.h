#pragma once
// cNetStatistics: totals, current, average and largest rates of the samples
// since the program started or the statistics were reset.
#include <cstdint>

#include "throughput/logging.h"

namespace qn::meter {

class cNetStatistics {
  public:
    explicit cNetStatistics(mLogging& log);
    ~cNetStatistics();
    cNetStatistics(const cNetStatistics&) = delete;
    cNetStatistics& operator=(const cNetStatistics&) = delete;

    // One second's bytes in and out.
    void AddData(std::int32_t lIn, std::int32_t lOut);

    // Whole bytes; 64 bits never overflow in a meter's lifetime.
    std::int64_t TotalIn() const { return totalIn_; }
    std::int64_t TotalOut() const { return totalOut_; }
    // Samples added (seconds).
    std::int32_t Time() const { return time_; }
    std::int32_t CurrentIn() const { return currentIn_; }
    std::int32_t CurrentOut() const { return currentOut_; }
    std::int32_t MaxIn() const { return maxIn_; }
    std::int32_t MaxOut() const { return maxOut_; }
    // The total per second, rounded half-to-even; 0 while Time is 0 or when
    // it does not fit 32 bits.
    std::int32_t AverageIn() const;
    std::int32_t AverageOut() const;

  private:
    mLogging& log_;
    std::int64_t totalIn_ = 0;
    std::int64_t totalOut_ = 0;
    std::int32_t time_ = 0;
    std::int32_t currentIn_ = 0;
    std::int32_t currentOut_ = 0;
    std::int32_t maxIn_ = 0;
    std::int32_t maxOut_ = 0;
};

}  // namespace qn::meter
