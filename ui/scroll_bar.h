#pragma once
// Scroll bar. Min may exceed Max: a vertical bar with Min 1 and Max -1 is a
// spinner whose up arrow gives +1 and down arrow -1.
#include <string>

#include "ui/control.h"

namespace qn::ui {

class ScrollBar : public Control {
  public:
    ScrollBar(Form& form, std::string name, bool vertical = true, Control* container = nullptr)
        : Control(form, vertical ? ControlKind::VScrollBar : ControlKind::HScrollBar,
                  std::move(name), container) {}

    int Min() const { return min_; }
    int Max() const { return max_; }
    // Keeps the value inside the new range, raising Change if that moves it.
    void SetRange(int min, int max);
    int SmallChange() const { return smallChange_; }
    void SetSmallChange(int step) { smallChange_ = step; }

    int Value() const { return value_; }
    // Raises Change when the value changes. Throws std::out_of_range outside
    // the range.
    void SetValue(int value);
    // What the arrows do: towards Min (up or left) or towards Max.
    void StepTowardsMin() { Step(-1); }
    void StepTowardsMax() { Step(+1); }

    Event Change;

  private:
    void Step(int direction);
    int Clamp(int value) const;
    int min_ = 0;
    int max_ = 32767;
    int smallChange_ = 1;
    int value_ = 0;
};

}  // namespace qn::ui
