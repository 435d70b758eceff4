#include "throughput/net_status.h"

#include "throughput/net_status_table.h"

namespace qn {

std::int32_t CounterDifference(std::uint32_t later, std::uint32_t earlier) {
    const std::uint32_t difference = later - earlier;
    // Two's complement without relying on an implementation-defined cast.
    return difference <= 0x7FFFFFFFu ? static_cast<std::int32_t>(difference)
                                     : -static_cast<std::int32_t>(~difference) - 1;
}

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
    lastIn_ = 0;
    lastOut_ = 0;
}

void cNetStatus::Timer_ThatTime() {
    const std::uint32_t in = mNetStatus::GetInOctets(table_, interface_);
    const std::uint32_t out = mNetStatus::GetOutOctets(table_, interface_);
    if (lastIn_ == 0) lastIn_ = in;
    if (lastOut_ == 0) lastOut_ = out;
    const std::int32_t dIn = CounterDifference(in, lastIn_);
    const std::int32_t dOut = CounterDifference(out, lastOut_);
    if (Status) Status(dIn, dOut);
    lastIn_ = in;
    lastOut_ = out;
}

}  // namespace qn
