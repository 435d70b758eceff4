#pragma once
// Edges that snap to the work area while a window is dragged. Each axis keeps
// where its two edges were last put and where they would be without
// snapping, so that the window comes loose again once the pointer has moved
// far enough. Both carry over from one move to the next.
#include <cstdint>

namespace qn {

constexpr std::int32_t kStickDistance = 10;

class StickyAxis {
  public:
    // position: the window's near edge as the system proposes it; becomes the
    // snapped one. size: the window's extent on this axis.
    void Move(std::int32_t& position, std::int32_t size, std::int32_t nearEdge,
              std::int32_t farEdge);

  private:
    std::int32_t lastNear_ = 0;
    std::int32_t unsnappedNear_ = 0;
    std::int32_t lastFar_ = 0;
    std::int32_t unsnappedFar_ = 0;
};

}  // namespace qn
