#include <windows.h>

#include <map>
#include <set>

#include "platform/win32/escaped_error.h"
#include "platform/win32/win32_services.h"

namespace qn::win32 {

namespace {

// Window-less timers reach one procedure that knows only the timer id, so the
// callbacks live in one table for the process (all timers are started and
// fired on the program's one window thread).
std::map<UINT_PTR, TimerCallback>& Callbacks() {
    static std::map<UINT_PTR, TimerCallback> callbacks;
    return callbacks;
}

void CALLBACK TimerProc(HWND, UINT, UINT_PTR id, DWORD) {
    const auto found = Callbacks().find(id);
    if (found == Callbacks().end()) return;
    // A copy: the callback may stop its own timer.
    TimerCallback callback = found->second;
    try {
        callback(id);
    } catch (...) {
        KeepEscapedError();
    }
}

class Win32Clock : public Clock {
  public:
    ~Win32Clock() override {
        for (UINT_PTR id : owned_) {
            KillTimer(nullptr, id);
            Callbacks().erase(id);
        }
    }

    std::uint32_t TickCount() const override { return GetTickCount(); }

    TimerId StartTimer(std::uint32_t intervalMs, TimerCallback callback) override {
        if (!callback) return 0;
        const UINT_PTR id = SetTimer(nullptr, 0, intervalMs, TimerProc);
        if (id == 0) return 0;
        Callbacks()[id] = std::move(callback);
        owned_.insert(id);
        return id;
    }

    bool StopTimer(TimerId timer) override {
        if (owned_.erase(timer) == 0) return false;
        KillTimer(nullptr, timer);
        Callbacks().erase(timer);
        return true;
    }

  private:
    std::set<UINT_PTR> owned_;
};

}  // namespace

std::unique_ptr<Clock> MakeWin32Clock() {
    return std::make_unique<Win32Clock>();
}

}  // namespace qn::win32
