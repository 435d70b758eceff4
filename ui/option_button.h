#pragma once
#include <string>

#include "ui/control.h"

namespace qn::ui {

// Selecting one option button clears the others in the same container.
class OptionButton : public CaptionedControl {
  public:
    OptionButton(Form& form, std::string name, Control* container = nullptr)
        : CaptionedControl(form, ControlKind::OptionButton, std::move(name), container) {}

    bool Value() const { return value_; }
    // Becoming selected raises Click; re-selecting or clearing raises nothing.
    void SetValue(bool value);

    Event Click;

  private:
    void Clear();
    bool value_ = false;
};

}  // namespace qn::ui
