#include "meter/window/anchor.h"

#include <algorithm>

namespace qn {

namespace {

// One axis: keeps the far edge at its distance, moving the control when only
// the far side is anchored and stretching it when both are. A container
// smaller than the distances leaves the control with no extent, never a negative one.
void KeepFarDistance(std::int32_t anchors, std::int32_t nearBit, std::int32_t farBit,
                     std::int32_t containerExtent, std::int32_t distance, std::int32_t& nearEdge,
                     std::int32_t& farEdge) {
    if ((anchors & farBit) == 0) return;
    const std::int32_t newFar = containerExtent - distance;
    if ((anchors & nearBit) == 0) {
        nearEdge += newFar - farEdge;
        farEdge = newFar;
    } else {
        farEdge = std::max(newFar, nearEdge);
    }
}

}  // namespace

void cAnchor::AddControl(WindowHandle Ctrl, std::int32_t Anchors) {
    const FrameRect container = frame_.ClientRect(container_);
    const FrameRect control = frame_.ControlRect(Ctrl);
    records_.push_back(
        Record{Ctrl, Anchors, container.right - control.right, container.bottom - control.bottom});
}

void cAnchor::DoResize() {
    const FrameRect container = frame_.ClientRect(container_);
    for (const Record& record : records_) {
        const FrameRect before = frame_.ControlRect(record.control);
        FrameRect after = before;
        KeepFarDistance(record.anchors, kAnchorLeft, kAnchorRight, container.right,
                        record.rightDistance, after.left, after.right);
        KeepFarDistance(record.anchors, kAnchorTop, kAnchorBottom, container.bottom,
                        record.bottomDistance, after.top, after.bottom);
        if (after != before) frame_.MoveControl(record.control, after);
    }
}

}  // namespace qn
