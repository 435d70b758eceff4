#pragma once
#include <string>

#include "ui/control.h"

namespace qn::ui {

class CommandButton : public CaptionedControl {
  public:
    CommandButton(Form& form, std::string name, Control* container = nullptr)
        : CaptionedControl(form, ControlKind::CommandButton, std::move(name), container) {}

    // The button that Enter presses, and the one that Esc presses; at most one
    // of each per form.
    bool IsDefault() const;
    void SetDefault(bool isDefault);
    bool IsCancel() const;
    void SetCancel(bool isCancel);

    Event Click;
};

}  // namespace qn::ui
