#pragma once
// Form layouts are in twips (1/1440 inch); windows in pixels of the screen's
// logical resolution, so forms scale with the system's DPI setting.
#include <windows.h>

namespace qn::ui::win32 {

struct ScreenDpi {
    int x = 96;
    int y = 96;
    int ToPixelsX(int twips) const { return MulDiv(twips, x, 1440); }
    int ToPixelsY(int twips) const { return MulDiv(twips, y, 1440); }
};

inline ScreenDpi QueryScreenDpi() {
    ScreenDpi dpi;
    if (HDC screen = GetDC(nullptr)) {
        dpi.x = GetDeviceCaps(screen, LOGPIXELSX);
        dpi.y = GetDeviceCaps(screen, LOGPIXELSY);
        ReleaseDC(nullptr, screen);
    }
    return dpi;
}

}  // namespace qn::ui::win32
