#include "throughput/timer.h"

#include "throughput/raised_error.h"

namespace qn {

CTimer::CTimer(MTimer& timers, Key) : timers_(timers) {}

CTimer::~CTimer() {
    // The table owns every running timer, so only a stopped one gets here;
    // stopping is kept in case that ever changes.
    if (interval_ > 0) timers_.RemoveTimer(*this);
    interval_ = 0;
}

void CTimer::SetInterval(std::int32_t iIntervalA) {
    if (iIntervalA == interval_) return;
    // Taking the timer out of the table must not end it in the middle of this call.
    const std::shared_ptr<CTimer> self = shared_from_this();
    if (iIntervalA >= 1) {
        if (interval_ != 0) timers_.RemoveTimer(*this);
        interval_ = iIntervalA;
        if (!timers_.AddTimer(self)) ErrRaise(kErrCantCreateTimer, timers_.ProgramName());
    } else if (interval_ > 0) {
        interval_ = 0;
        timers_.RemoveTimer(*this);
    }
}

void CTimer::PulseTimer() {
    // A copy: the handler may replace ThatTime.
    const std::function<void()> handler = ThatTime;
    if (handler) handler();
}

MTimer::MTimer(Clock& clock, std::string programName)
    : clock_(clock), programName_(std::move(programName)) {}

MTimer::~MTimer() {
    for (auto& slot : slots_) {
        if (!slot) continue;
        clock_.StopTimer(slot->timerId_);
        slot->timerId_ = 0;
        slot->interval_ = 0;
        slot.reset();
    }
}

std::shared_ptr<CTimer> MTimer::NewTimer() {
    return std::make_shared<CTimer>(*this, CTimer::Key());
}

bool MTimer::AddTimer(const std::shared_ptr<CTimer>& timer) {
    timer->timerId_ = clock_.StartTimer(static_cast<std::uint32_t>(timer->interval_),
                                        [this](TimerId id) { TimerProc(id); });
    if (timer->timerId_ == 0) {
        timer->interval_ = 0;
        return false;
    }
    for (int slot = 0; slot < kSlots; ++slot) {
        if (slots_[slot]) continue;
        slots_[slot] = timer;
        if (slot + 1 > highWater_) highWater_ = static_cast<std::uint16_t>(slot + 1);
        return true;
    }
    // No slot could ever fire it: a system timer left running would only cost.
    clock_.StopTimer(timer->timerId_);
    timer->timerId_ = 0;
    timer->interval_ = 0;
    ErrRaise(kErrTooManyTimers, programName_);
}

void MTimer::RemoveTimer(CTimer& timer) {
    for (int slot = 0; slot < highWater_; ++slot) {
        if (!slots_[slot] || slots_[slot]->timerId_ != timer.timerId_) continue;
        clock_.StopTimer(timer.timerId_);
        timer.timerId_ = 0;
        slots_[slot].reset();
        return;
    }
}

void MTimer::TimerProc(TimerId identifier) {
    for (int slot = 0; slot < highWater_; ++slot) {
        if (!slots_[slot] || slots_[slot]->timerId_ != identifier) continue;
        // Held: the handler may stop the timer, which empties its slot.
        const std::shared_ptr<CTimer> timer = slots_[slot];
        timer->PulseTimer();
        return;
    }
}

}  // namespace qn
