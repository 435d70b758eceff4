#include "meter/app/win32/error_box_win32.h"

#include <windows.h>

#include "meter/app/meter_identity.h"

namespace qn::meter::win32 {

void ShowRaisedError(const std::exception& error) {
    // A message box that meets the quit message closes at once.
    MSG quit;
    const bool quitting = PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE) != 0;
    MessageBoxA(nullptr, error.what(), kMeterTitle, MB_OK | MB_ICONEXCLAMATION);
    if (quitting) PostQuitMessage(static_cast<int>(quit.wParam));
}

}  // namespace qn::meter::win32
