#pragma once
// Screen.MousePointer: one pointer for every window of the program, which
// overrides the pointer each window would show.
#include <windows.h>

namespace qn::ui::win32 {

// A VB MousePointer code; 0 gives each window its own pointer back.
void SetScreenCursor(int pointer);
// The pointer that overrides every window's, or null for none.
HCURSOR ScreenCursor();

}  // namespace qn::ui::win32
