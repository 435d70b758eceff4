#include "meter/window/size_move_helper.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "meter/window/size_move_helper_ex.h"
#include "platform/memory/memory_window_frame.h"
#include "platform/memory/memory_window_hooks.h"

namespace qn {
namespace {

constexpr WindowHandle kSizedWindow = 77;
constexpr WindowProcedure kOwnProcedure = 0x5000;
constexpr std::intptr_t kRectAddress = 0x1000;
constexpr std::uint32_t kWmDestroy = 2;
constexpr std::uint32_t kWmSize = 5;
constexpr std::uint32_t kWmActivate = 6;
constexpr std::uint32_t kWmSizing = 532;
constexpr std::uint32_t kWmMoving = 534;
constexpr std::uint32_t kWmEnterSizeMove = 561;
constexpr std::uint32_t kWmExitSizeMove = 562;

class SizeMoveTest : public ::testing::Test {
  protected:
    void SetUp() override {
        hooks.AddWindow(kSizedWindow, kOwnProcedure);
        frame.AddWindow(kSizedWindow, FrameRect{100, 100, 300, 200});
    }
    std::intptr_t Send(std::uint32_t message, std::uintptr_t wParam = 0) {
        return hooks.Send(kSizedWindow, message, wParam, kRectAddress);
    }
    // The rectangle a WM_MOVING or WM_SIZING proposes, after the handlers.
    FrameRect Propose(std::uint32_t message, const FrameRect& rect) {
        frame.rects[kRectAddress] = rect;
        Send(message);
        return frame.rects[kRectAddress];
    }

    // The window's own procedure is back and no handler is on record.
    bool Unhooked() {
        const MemoryWindowHooks::Window& window = hooks.windows[kSizedWindow];
        return window.procedure == kOwnProcedure &&
               std::all_of(window.props.begin(), window.props.end(),
                           [](const auto& prop) { return prop.second == 0; });
    }

    MemoryWindowHooks hooks;
    MemoryWindowFrame frame;
    MSubclass module{hooks, "Dapplet"};
    std::vector<std::string> events;
};

TEST_F(SizeMoveTest, RaisesEventsThatMayChangeTheRectangle) {
    cSizeMoveHelper helper(module, frame);
    helper.EnterSizeMove = [this] { events.push_back("enter"); };
    helper.ExitSizeMove = [this] { events.push_back("exit"); };
    helper.Sizing = [this](std::int32_t& left, std::int32_t& top, std::int32_t& width,
                           std::int32_t& height) {
        events.push_back("sizing " + std::to_string(left) + "," + std::to_string(top) + " " +
                         std::to_string(width) + "x" + std::to_string(height));
        width = 50;
        height += 5;
    };
    helper.Moving = [](std::int32_t& left, std::int32_t& top, std::int32_t&, std::int32_t&) {
        left -= 1;
        top += 1;
    };
    helper.Attach(kSizedWindow);

    Send(kWmEnterSizeMove);
    EXPECT_EQ(Propose(kWmSizing, FrameRect{10, 20, 110, 70}), (FrameRect{10, 20, 60, 75}));
    EXPECT_EQ(Propose(kWmMoving, FrameRect{10, 20, 110, 70}), (FrameRect{9, 21, 109, 71}));
    Send(kWmSize);  // already seen as WM_SIZING
    Send(kWmExitSizeMove);
    Send(kWmSize);  // a size change from elsewhere: the window's own rectangle

    EXPECT_EQ(events, (std::vector<std::string>{"enter", "sizing 10,20 100x50", "exit",
                                                "sizing 100,100 200x100"}));
    EXPECT_EQ(frame.windows[kSizedWindow].rect, (FrameRect{100, 100, 300, 200}));
}

TEST_F(SizeMoveTest, SwitchesFullDragOffOnlyWhileActiveAndLeavesOnDestroy) {
    cSizeMoveHelper helper(module, frame);
    helper.Activate = [this](bool byMouse) { events.push_back(byMouse ? "mouse" : "key"); };
    helper.Deactivate = [this] { events.push_back("deactivate"); };
    helper.SetNoFullDrag(true);
    helper.Attach(kSizedWindow);

    Send(kWmActivate, 2);
    EXPECT_TRUE(helper.Active());
    EXPECT_FALSE(frame.dragFullWindows);
    // Losing activation while minimized: the high word is set, the state is inactive.
    Send(kWmActivate, 0x10000);
    EXPECT_FALSE(helper.Active());
    EXPECT_TRUE(frame.dragFullWindows);

    Send(kWmActivate, 1);
    EXPECT_FALSE(frame.dragFullWindows);
    Send(kWmDestroy);
    EXPECT_TRUE(frame.dragFullWindows);
    EXPECT_EQ(frame.dragFullWindowsChanges, 4);
    EXPECT_EQ(events, (std::vector<std::string>{"mouse", "deactivate", "key"}));
    EXPECT_TRUE(Unhooked());
}

TEST_F(SizeMoveTest, LeavesDesktopSettingAloneWhenAlreadyOffAndDetachesWhenDestroyed) {
    frame.dragFullWindows = false;
    {
        cSizeMoveHelper helper(module, frame);
        helper.SetNoFullDrag(true);
        helper.Attach(kSizedWindow);
        Send(kWmActivate, 1);
        Send(kWmActivate, 0);
        EXPECT_EQ(frame.dragFullWindowsChanges, 0);
        Send(kWmActivate, 1);
    }
    EXPECT_TRUE(Unhooked());
    EXPECT_EQ(frame.dragFullWindowsChanges, 0);
}

TEST_F(SizeMoveTest, StickyEdgesSnapThroughTheMovingMessage) {
    frame.workArea = FrameRect{0, 0, 1000, 700};
    cSizeMoveHelperEx sticky(module, frame);
    sticky.Attach(kSizedWindow, true);

    Send(kWmEnterSizeMove);
    EXPECT_EQ(Propose(kWmMoving, FrameRect{500, 300, 600, 350}), (FrameRect{500, 300, 600, 350}));
    EXPECT_EQ(Propose(kWmMoving, FrameRect{10, 645, 110, 695}), (FrameRect{0, 650, 100, 700}));
    Send(kWmExitSizeMove);
    // The next drag goes on from where the last one left the unsnapped edges.
    frame.workArea = FrameRect{0, 0, 800, 600};
    Send(kWmEnterSizeMove);
    EXPECT_EQ(Propose(kWmMoving, FrameRect{3, 648, 103, 698}), (FrameRect{13, 643, 113, 693}));
}

}  // namespace
}  // namespace qn
