#include "ui/timer.h"

#include "ui/form.h"

namespace qn::ui {

Timer::Timer(Form& form, std::string name) : form_(form), name_(std::move(name)) {
    form_.Register(*this);
}

void Timer::SetInterval(int milliseconds) {
    if (interval_ == milliseconds) return;
    interval_ = milliseconds < 0 ? 0 : milliseconds;
    if (peer_ != nullptr) peer_->PropertyChanged(Property::Interval);
}

void Timer::SetEnabled(bool enabled) {
    if (enabled_ == enabled) return;
    enabled_ = enabled;
    if (peer_ != nullptr) peer_->PropertyChanged(Property::Interval);
}

}  // namespace qn::ui
