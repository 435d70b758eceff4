#pragma once
#include <windows.h>

#include "platform/window_handle.h"

namespace qn::win32 {

// The portable handle carries the HWND's value.
inline HWND ToHwnd(WindowHandle window) {
    return reinterpret_cast<HWND>(window);
}

}  // namespace qn::win32
