#pragma once
// The in-memory dialog template of the input box: a prompt, a text box, OK
// and Cancel. All texts, button captions included, are set when it opens.
#include <windows.h>

#include <vector>

namespace qn::ui::win32 {

constexpr int kInputPromptId = 100;
constexpr int kInputTextId = 101;

std::vector<WORD> InputDialogTemplate();

}  // namespace qn::ui::win32
