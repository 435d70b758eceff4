#include "ui/check_box.h"

#include <stdexcept>

namespace qn::ui {

void CheckBox::SetValue(int value) {
    if (value < vbUnchecked || value > vbGrayed) {
        throw std::out_of_range("Invalid property value for check box " + Name());
    }
    if (value_ == value) return;
    value_ = value;
    Notify(Property::Value);
    Click.Raise();
}

}  // namespace qn::ui
