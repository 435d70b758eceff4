#pragma once
// A form timer realised as SetTimer on the form's window.
#include <windows.h>

#include "ui/timer.h"

namespace qn::ui::win32 {

class TimerWindow : public Peer {
  public:
    TimerWindow(HWND owner, Timer& timer, UINT_PTR id) : owner_(owner), timer_(timer), id_(id) {
        timer_.SetPeer(this);
        PropertyChanged(Property::Interval);
    }
    ~TimerWindow() override {
        KillTimer(owner_, id_);
        timer_.SetPeer(nullptr);
    }
    TimerWindow(const TimerWindow&) = delete;
    TimerWindow& operator=(const TimerWindow&) = delete;

    UINT_PTR Id() const { return id_; }
    Timer& Model() const { return timer_; }

    void PropertyChanged(Property) override {
        if (timer_.Running()) {
            SetTimer(owner_, id_, static_cast<UINT>(timer_.Interval()), nullptr);
        } else {
            KillTimer(owner_, id_);
        }
    }

  private:
    HWND owner_;
    Timer& timer_;
    UINT_PTR id_;
};

}  // namespace qn::ui::win32
