#include "meter/window/sticky_edges.h"

namespace qn {

namespace {

bool WithinStickDistance(std::int32_t position, std::int32_t edge) {
    const std::int32_t distance = position - edge;
    return distance >= -kStickDistance && distance <= kStickDistance;
}

}  // namespace

void StickyAxis::Move(std::int32_t& position, std::int32_t size, std::int32_t nearEdge,
                      std::int32_t farEdge) {
    unsnappedNear_ += position - lastNear_;
    position = WithinStickDistance(unsnappedNear_, nearEdge) ? nearEdge : unsnappedNear_;
    lastNear_ = position;

    unsnappedFar_ += position + size - lastFar_;
    position = WithinStickDistance(unsnappedFar_, farEdge) ? farEdge - size : unsnappedFar_ - size;
    lastFar_ = position + size;
}

}  // namespace qn
