#pragma once
// Keeps child windows at their distance from the right and bottom edges of
// their container as it is resized, by moving or stretching them.
#include <cstdint>
#include <vector>

#include "platform/window_frame.h"

namespace qn {

constexpr std::int32_t kAnchorLeft = 1;
constexpr std::int32_t kAnchorRight = 2;
constexpr std::int32_t kAnchorTop = 4;
constexpr std::int32_t kAnchorBottom = 8;

class cAnchor {
  public:
    // container: the window whose client area the controls lie in.
    cAnchor(WindowFrame& frame, WindowHandle container) : frame_(frame), container_(container) {}

    // Ctrl: a child window of the container, measured where it lies now.
    void AddControl(WindowHandle Ctrl, std::int32_t Anchors);
    // Call when the container has changed size.
    void DoResize();

  private:
    struct Record {
        WindowHandle control = 0;
        std::int32_t anchors = 0;
        std::int32_t rightDistance = 0;
        std::int32_t bottomDistance = 0;
    };

    WindowFrame& frame_;
    WindowHandle container_;
    std::vector<Record> records_;
};

}  // namespace qn
