#include <gtest/gtest.h>

#include "meter/window/anchor.h"
#include "meter/window/sticky_edges.h"
#include "platform/memory/memory_window_frame.h"

namespace qn {
namespace {

// A 100-pixel window on a 0..1000 work area, from a fresh axis.
std::int32_t FirstMove(std::int32_t proposed) {
    StickyAxis axis;
    axis.Move(proposed, 100, 0, 1000);
    return proposed;
}

TEST(StickyAxis, SnapsWithinTenPixelsOfEitherEdge) {
    EXPECT_EQ(FirstMove(10), 0);
    EXPECT_EQ(FirstMove(-10), 0);
    EXPECT_EQ(FirstMove(11), 11);
    EXPECT_EQ(FirstMove(890), 900);
    EXPECT_EQ(FirstMove(910), 900);
    EXPECT_EQ(FirstMove(889), 889);
}

TEST(StickyAxis, ComesLooseOnceTheUnsnappedEdgeIsBeyondTheDistance) {
    StickyAxis axis;
    std::int32_t position = 8;
    axis.Move(position, 100, 0, 1000);
    EXPECT_EQ(position, 0);
    position = 2;  // unsnapped 10: still held
    axis.Move(position, 100, 0, 1000);
    EXPECT_EQ(position, 0);
    position = 1;  // unsnapped 11
    axis.Move(position, 100, 0, 1000);
    EXPECT_EQ(position, 11);
    position = 500;
    axis.Move(position, 100, 0, 1000);
    EXPECT_EQ(position, 500);
}

constexpr WindowHandle kContainer = 1;
constexpr WindowHandle kMoved = 2;
constexpr WindowHandle kStretched = 3;
constexpr WindowHandle kFree = 4;

TEST(Anchor, MovesOrStretchesControlsToKeepTheirFarDistances) {
    MemoryWindowFrame frame;
    frame.AddWindow(kContainer, FrameRect{50, 50, 450, 350});  // 400 x 300
    frame.AddWindow(kMoved, FrameRect{300, 200, 380, 280});
    frame.AddWindow(kStretched, FrameRect{10, 10, 380, 100});
    frame.AddWindow(kFree, FrameRect{5, 5, 25, 25});
    cAnchor anchor(frame, kContainer);
    anchor.AddControl(kMoved, kAnchorRight | kAnchorBottom);
    anchor.AddControl(kStretched, kAnchorLeft | kAnchorRight | kAnchorTop | kAnchorBottom);
    anchor.AddControl(kFree, kAnchorLeft | kAnchorTop);

    frame.windows[kContainer].rect = FrameRect{50, 50, 550, 450};  // 500 x 400
    anchor.DoResize();
    EXPECT_EQ(frame.windows[kMoved].rect, (FrameRect{400, 300, 480, 380}));
    EXPECT_EQ(frame.windows[kStretched].rect, (FrameRect{10, 10, 480, 200}));
    EXPECT_EQ(frame.windows[kFree].rect, (FrameRect{5, 5, 25, 25}));

    // Smaller than the distances allow: a stretched control keeps no negative extent.
    frame.windows[kContainer].rect = FrameRect{0, 0, 15, 50};
    anchor.DoResize();
    EXPECT_EQ(frame.windows[kMoved].rect, (FrameRect{-85, -50, -5, 30}));
    EXPECT_EQ(frame.windows[kStretched].rect, (FrameRect{10, 10, 10, 10}));
}

}  // namespace
}  // namespace qn
