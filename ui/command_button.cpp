#include "ui/command_button.h"

#include "ui/form.h"

namespace qn::ui {

bool CommandButton::IsDefault() const {
    return Parent().DefaultButton() == this;
}

void CommandButton::SetDefault(bool isDefault) {
    if (isDefault) {
        Parent().SetDefaultButton(this);
    } else if (IsDefault()) {
        Parent().SetDefaultButton(nullptr);
    }
}

bool CommandButton::IsCancel() const {
    return Parent().CancelButton() == this;
}

void CommandButton::SetCancel(bool isCancel) {
    if (isCancel) {
        Parent().SetCancelButton(this);
    } else if (IsCancel()) {
        Parent().SetCancelButton(nullptr);
    }
}

}  // namespace qn::ui
