#include "ui/scroll_bar.h"

#include <algorithm>
#include <stdexcept>

namespace qn::ui {

int ScrollBar::Clamp(int value) const {
    return std::clamp(value, std::min(min_, max_), std::max(min_, max_));
}

void ScrollBar::SetRange(int min, int max) {
    min_ = min;
    max_ = max;
    Notify(Property::Range);
    SetValue(Clamp(value_));
}

void ScrollBar::SetValue(int value) {
    if (Clamp(value) != value) throw std::out_of_range("Invalid property value for " + Name());
    if (value_ == value) return;
    value_ = value;
    Notify(Property::Value);
    Change.Raise();
}

void ScrollBar::Step(int direction) {
    const int towardsMax = max_ >= min_ ? 1 : -1;
    SetValue(Clamp(value_ + direction * towardsMax * smallChange_));
}

}  // namespace qn::ui
