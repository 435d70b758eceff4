#pragma once
// A form's timer: raises Elapsed every Interval milliseconds while enabled
// and the form is loaded. An interval of 0 stops it.
#include <string>

#include "ui/event.h"
#include "ui/peer.h"

namespace qn::ui {

class Form;

class Timer {
  public:
    Timer(Form& form, std::string name);
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;

    const std::string& Name() const { return name_; }
    Form& Parent() const { return form_; }
    int Interval() const { return interval_; }
    void SetInterval(int milliseconds);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    bool Running() const { return enabled_ && interval_ > 0; }

    // Called by the host when the interval has passed.
    void Fire() const {
        if (Running()) Elapsed.Raise();
    }
    Event Elapsed;

    void SetPeer(Peer* peer) { peer_ = peer; }

  private:
    Form& form_;
    std::string name_;
    int interval_ = 0;
    bool enabled_ = true;
    Peer* peer_ = nullptr;
};

}  // namespace qn::ui
