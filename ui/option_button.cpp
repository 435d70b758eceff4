#include "ui/option_button.h"

#include "ui/form.h"

namespace qn::ui {

void OptionButton::SetValue(bool value) {
    if (value_ == value) return;
    if (!value) {
        Clear();
        return;
    }
    for (Control* control : Parent().Controls()) {
        if (control != this && control->Kind() == ControlKind::OptionButton &&
            control->Container() == Container()) {
            static_cast<OptionButton*>(control)->Clear();
        }
    }
    value_ = true;
    Notify(Property::Value);
    Click.Raise();
}

void OptionButton::Clear() {
    if (!value_) return;
    value_ = false;
    Notify(Property::Value);
}

}  // namespace qn::ui
