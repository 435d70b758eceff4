#pragma once
#include <string>

#include "ui/control.h"

namespace qn::ui {

enum CheckBoxValue : int { vbUnchecked = 0, vbChecked = 1, vbGrayed = 2 };

class CheckBox : public CaptionedControl {
  public:
    CheckBox(Form& form, std::string name, Control* container = nullptr)
        : CaptionedControl(form, ControlKind::CheckBox, std::move(name), container) {}

    int Value() const { return value_; }
    // Raises Click when the value changes, from code as from the user.
    // Throws std::out_of_range for anything but 0, 1 or 2.
    void SetValue(int value);
    // What a click of the user does: ticked becomes clear, anything else ticked.
    void Toggle() { SetValue(value_ == vbChecked ? vbUnchecked : vbChecked); }

    Event Click;

  private:
    int value_ = vbUnchecked;
};

}  // namespace qn::ui
