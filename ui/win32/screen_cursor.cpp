#include "ui/win32/screen_cursor.h"

namespace qn::ui::win32 {

namespace {

HCURSOR screenCursor = nullptr;

// The system pointers behind VB's MousePointer codes 1 to 15.
LPCSTR SystemCursorFor(int pointer) {
    switch (pointer) {
        case 1:
            return IDC_ARROW;
        case 2:
            return IDC_CROSS;
        case 3:
            return IDC_IBEAM;
        case 4:
        case 5:
        case 15:
            return IDC_SIZEALL;
        case 6:
            return IDC_SIZENESW;
        case 7:
            return IDC_SIZENS;
        case 8:
            return IDC_SIZENWSE;
        case 9:
            return IDC_SIZEWE;
        case 10:
            return IDC_UPARROW;
        case 11:
        case 13:
            return IDC_WAIT;
        case 12:
            return IDC_NO;
        default:
            return nullptr;
    }
}

}  // namespace

void SetScreenCursor(int pointer) {
    const LPCSTR id = SystemCursorFor(pointer);
    screenCursor = id != nullptr ? LoadCursorA(nullptr, id) : nullptr;
    // At once, not only when the mouse next moves; a window under it then
    // sets its own again on that move.
    SetCursor(screenCursor != nullptr ? screenCursor : LoadCursorA(nullptr, IDC_ARROW));
}

HCURSOR ScreenCursor() {
    return screenCursor;
}

}  // namespace qn::ui::win32
