#pragma once
// A window that sticks to the edges of the work area while it is dragged.
#include "meter/window/size_move_helper.h"
#include "meter/window/sticky_edges.h"

namespace qn {

class cSizeMoveHelperEx {
  public:
    cSizeMoveHelperEx(MSubclass& hooks, WindowFrame& frame);
    cSizeMoveHelperEx(const cSizeMoveHelperEx&) = delete;
    cSizeMoveHelperEx& operator=(const cSizeMoveHelperEx&) = delete;

    // Sticky is accepted for the callers' sake; the edges always stick.
    // Raises the hooks' errors.
    void Attach(WindowHandle hWnd, bool Sticky = false);
    void Detach() { helper_.Detach(); }

  private:
    void Helper_EnterSizeMove();
    void Helper_Moving(std::int32_t& lLeft, std::int32_t& lTop, std::int32_t& lWidth,
                       std::int32_t& lHeight);

    WindowFrame& frame_;
    cSizeMoveHelper helper_;
    FrameRect workArea_;
    StickyAxis horizontal_;
    StickyAxis vertical_;
};

}  // namespace qn
