#pragma once
// Window-less timers shared by all parts of a program: CTimer is one timer,
// MTimer the program's table through which the system's timer calls reach it.
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "platform/clock.h"

namespace qn {

class MTimer;

class CTimer : public std::enable_shared_from_this<CTimer> {
    struct Key {
        explicit Key() = default;
    };

  public:
    // Made by MTimer::NewTimer only: a running timer is owned by the table.
    CTimer(MTimer& timers, Key);
    ~CTimer();
    CTimer(const CTimer&) = delete;
    CTimer& operator=(const CTimer&) = delete;

    // Milliseconds between ticks; 0 while stopped.
    std::int32_t Interval() const { return interval_; }
    // A new positive value restarts the system timer; 0 or less stops it.
    // Raises kErrCantCreateTimer (the timer is then stopped) or kErrTooManyTimers.
    void SetInterval(std::int32_t iIntervalA);
    // The system's id of the running timer; 0 while stopped.
    TimerId TimerID() const { return timerId_; }

    // Raises ThatTime now, without waiting for the system timer.
    void PulseTimer();
    std::function<void()> ThatTime;

  private:
    friend class MTimer;
    MTimer& timers_;
    std::int32_t interval_ = 0;
    TimerId timerId_ = 0;
};

class MTimer {
  public:
    static constexpr int kSlots = 100;

    // programName: the executable's name without ".exe", for raised errors.
    MTimer(Clock& clock, std::string programName);
    // Stops the system timers still in the table: their calls would reach a
    // table that no longer exists.
    ~MTimer();
    MTimer(const MTimer&) = delete;
    MTimer& operator=(const MTimer&) = delete;

    // A stopped timer; the table must outlive every use of it.
    std::shared_ptr<CTimer> NewTimer();

    // The system timer's call: pulses the timer that runs under identifier.
    void TimerProc(TimerId identifier);

    // The highest slot (from 1) ever occupied.
    std::uint16_t HighWaterMark() const { return highWater_; }
    const std::string& ProgramName() const { return programName_; }
    Clock& TimerClock() const { return clock_; }

  private:
    friend class CTimer;
    // Starts the system timer and files the timer in the first free slot;
    // false when the system refuses a timer.
    bool AddTimer(const std::shared_ptr<CTimer>& timer);
    void RemoveTimer(CTimer& timer);

    Clock& clock_;
    std::string programName_;
    std::array<std::shared_ptr<CTimer>, kSlots> slots_;
    std::uint16_t highWater_ = 0;
};

}  // namespace qn
