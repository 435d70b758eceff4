#pragma once
// The window that the Win32 host made for a form or a control.
#include <windows.h>

#include "ui/control.h"
#include "ui/form.h"

namespace qn::ui {

inline HWND Hwnd(const Control& control) {
    return reinterpret_cast<HWND>(control.hWnd());
}

inline HWND Hwnd(const Form& form) {
    return reinterpret_cast<HWND>(form.hWnd());
}

}  // namespace qn::ui
