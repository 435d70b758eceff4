#pragma once
// What a user does to a form, for tests without windows. Each action throws
// std::logic_error when the user could not do it (the form is not shown, the
// control is hidden or disabled, a modal form blocks this one).
#include <string>

#include "ui/check_box.h"
#include "ui/command_button.h"
#include "ui/form.h"
#include "ui/list_control.h"
#include "ui/menu_item.h"
#include "ui/option_button.h"
#include "ui/scroll_bar.h"
#include "ui/simple_controls.h"
#include "ui/text_box.h"

namespace qn::ui::headless {

void Click(CommandButton& button);
void Click(OptionButton& option);
void Click(CheckBox& box);
// An item of a list; in a multiple-selection list the click also selects or
// deselects it.
void Click(ListControl& list, int index);
void Click(PictureBox& picture);
// A mouse button pressed at (x, y) pixels of the picture box.
void Press(PictureBox& picture, int x, int y);
void Click(Label& label);
void Type(TextBox& box, const std::string& text);
void Select(ListControl& list, int index);
// Selects the first item with this text; throws when there is none.
void Select(ListControl& list, const std::string& text);
void Spin(ScrollBar& bar, bool towardsMin);
void Choose(MenuItem& item);
// Closes the form as the title bar, Windows or the task manager do.
bool Close(Form& form, UnloadMode mode = vbFormControlMenu);
// Enter and Esc.
void PressEnter(Form& form);
void PressEscape(Form& form);
// Fires every running timer of a loaded form once.
void FireTimers(Form& form);

}  // namespace qn::ui::headless
