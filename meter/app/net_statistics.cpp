#include "meter/app/net_statistics.h"

#include <algorithm>
#include <limits>

#include "support/integer_conversion.h"

namespace qn::meter {

namespace {

std::int32_t AveragePerSecond(std::int64_t total, std::int32_t seconds) {
    if (seconds == 0) return 0;
    return RoundToInt32(static_cast<double>(total) / seconds).value_or(0);
}

}  // namespace

cNetStatistics::cNetStatistics(mLogging& log) : log_(log) {
    log_.WriteLog("cNetStatistics_Initialize");
}

cNetStatistics::~cNetStatistics() {
    log_.WriteLog("cNetStatistics_Terminate");
}

void cNetStatistics::AddData(std::int32_t lIn, std::int32_t lOut) {
    currentIn_ = lIn;
    currentOut_ = lOut;
    totalIn_ += lIn;
    totalOut_ += lOut;
    // 68 years of seconds: the count stops rather than turning negative.
    if (time_ < std::numeric_limits<std::int32_t>::max()) ++time_;
    maxIn_ = std::max(maxIn_, lIn);
    maxOut_ = std::max(maxOut_, lOut);
}

std::int32_t cNetStatistics::AverageIn() const {
    return AveragePerSecond(totalIn_, time_);
}

std::int32_t cNetStatistics::AverageOut() const {
    return AveragePerSecond(totalOut_, time_);
}

}  // namespace qn::meter
