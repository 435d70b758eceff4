#include "throughput/net_status.h"

#include "throughput/net_status_table.h"
#include "throughput/tick_seconds.h"

namespace qn {

cNetStatus::cNetStatus(InterfaceTable& table, MTimer& timers, mLogging& log)
    : table_(table), timers_(timers), log_(log) {
    log_.WriteLog("cNetStatus_Initialize");
}

cNetStatus::~cNetStatus() {
    DisconnectTimer();
    log_.WriteLog("cNetStatus_Terminate");
}

void cNetStatus::DisconnectTimer() {
    if (timer_) timer_->ThatTime = nullptr;
}

void cNetStatus::Start() {
    DisconnectTimer();
    timer_ = timers_.NewTimer();
    timer_->ThatTime = [this] { Timer_ThatTime(); };
    timer_->SetInterval(1000);
    timer_->PulseTimer();
}

void cNetStatus::SetInterface(const std::string& name) {
    interface_ = name;
    baselines_.Clear();
    baselineTaken_ = false;
}

void cNetStatus::Timer_ThatTime() {
    const std::uint32_t now = timers_.TimerClock().TickCount();
    const std::uint32_t elapsed = now - lastTick_;  // wraps as the tick count does
    lastTick_ = now;
    int seconds = SecondsCovered(elapsed);
    if (!baselineTaken_ || elapsed > kLongestMeasuredGapMs) {
        baselines_.Clear();
        baselineTaken_ = true;
        seconds = 1;
    }
    const ByteCounts carried =
        baselines_.Advance(mNetStatus::WatchedRows(table_, interface_), elapsed);
    for (const RateSample& sample : ShareOverSeconds(carried, seconds)) {
        if (Status) Status(sample.in, sample.out);
    }
}

}  // namespace qn
