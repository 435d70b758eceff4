#include "meter/window/size_move_helper_ex.h"

namespace qn {

cSizeMoveHelperEx::cSizeMoveHelperEx(MSubclass& hooks, WindowFrame& frame)
    : frame_(frame), helper_(hooks, frame) {
    helper_.EnterSizeMove = [this] { Helper_EnterSizeMove(); };
    helper_.Moving = [this](std::int32_t& lLeft, std::int32_t& lTop, std::int32_t& lWidth,
                            std::int32_t& lHeight) { Helper_Moving(lLeft, lTop, lWidth, lHeight); };
}

void cSizeMoveHelperEx::Attach(WindowHandle hWnd, bool) {
    helper_.Attach(hWnd);
}

void cSizeMoveHelperEx::Helper_EnterSizeMove() {
    // The taskbar may have moved since the last drag.
    workArea_ = frame_.WorkArea();
}

void cSizeMoveHelperEx::Helper_Moving(std::int32_t& lLeft, std::int32_t& lTop, std::int32_t& lWidth,
                                      std::int32_t& lHeight) {
    horizontal_.Move(lLeft, lWidth, workArea_.left, workArea_.right);
    vertical_.Move(lTop, lHeight, workArea_.top, workArea_.bottom);
}

}  // namespace qn
