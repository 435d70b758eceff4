#include "ui/headless/user_actions.h"

#include <stdexcept>

#include "ui/application.h"
#include "ui/timer.h"

namespace qn::ui::headless {

namespace {

// A form the user can reach: shown, and not behind a modal form.
void RequireReachable(const Form& form) {
    if (!form.Loaded() || !form.Visible()) {
        throw std::logic_error("form " + form.Name() + " is not shown");
    }
    for (const Form* other : form.App().Forms()) {
        if (other != &form && other->IsModal() && other->Visible()) {
            throw std::logic_error("form " + form.Name() + " is blocked by modal " + other->Name());
        }
    }
}

void RequireUsable(const Control& control) {
    RequireReachable(control.Parent());
    if (!control.EffectivelyVisible() || !control.EffectivelyEnabled()) {
        throw std::logic_error("control " + control.Name() + " is hidden or disabled");
    }
}

}  // namespace

void Click(CommandButton& button) {
    RequireUsable(button);
    button.Click.Raise();
}

void Click(OptionButton& option) {
    RequireUsable(option);
    option.SetValue(true);
}

void Click(CheckBox& box) {
    RequireUsable(box);
    box.Toggle();
}

void Click(ListControl& list, int index) {
    RequireUsable(list);
    if (!list.MultiSelect()) return list.SetListIndex(index);
    list.ItemClicked(index, !list.Selected(index));
}

void Click(PictureBox& picture) {
    RequireUsable(picture);
    picture.Click.Raise();
}

void Press(PictureBox& picture, int x, int y) {
    RequireUsable(picture);
    picture.Pressed(x, y);
}

void Click(Label& label) {
    RequireUsable(label);
    label.Click.Raise();
}

void Type(TextBox& box, const std::string& text) {
    RequireUsable(box);
    if (box.Locked()) throw std::logic_error("text box " + box.Name() + " is locked");
    box.SetText(text);
}

void Select(ListControl& list, int index) {
    RequireUsable(list);
    list.SetListIndex(index);
}

void Select(ListControl& list, const std::string& text) {
    for (int i = 0; i < list.ListCount(); ++i) {
        if (list.List(i) == text) return Select(list, i);
    }
    throw std::logic_error("list " + list.Name() + " has no item " + text);
}

void Spin(ScrollBar& bar, bool towardsMin) {
    RequireUsable(bar);
    if (towardsMin) {
        bar.StepTowardsMin();
    } else {
        bar.StepTowardsMax();
    }
}

void Choose(MenuItem& item) {
    RequireReachable(item.ParentForm());
    if (!item.Reachable() || item.IsSeparator() || !item.Items().empty()) {
        throw std::logic_error("menu item " + item.Name() + " cannot be chosen");
    }
    item.Click.Raise();
}

bool Close(Form& form, UnloadMode mode) {
    if (!form.Loaded()) throw std::logic_error("form " + form.Name() + " is not loaded");
    return form.Unload(mode);
}

void PressEnter(Form& form) {
    RequireReachable(form);
    if (CommandButton* button = form.DefaultButton(); button != nullptr) Click(*button);
}

void PressEscape(Form& form) {
    RequireReachable(form);
    if (CommandButton* button = form.CancelButton(); button != nullptr) Click(*button);
}

void FireTimers(Form& form) {
    if (!form.Loaded()) return;
    for (const Timer* timer : form.Timers()) timer->Fire();
}

}  // namespace qn::ui::headless
