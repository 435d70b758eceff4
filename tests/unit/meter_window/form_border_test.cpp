#include "meter/window/form_border.h"

#include <gtest/gtest.h>

#include "platform/memory/memory_window_frame.h"

namespace qn {
namespace {

constexpr WindowHandle kWindow = 20;
constexpr std::uint32_t kDlgFrame = 0x400000;

class FormBorderTest : public ::testing::Test {
  protected:
    void SetUp() override {
        MemoryWindowFrame::Window& window = frame.AddWindow(kWindow, FrameRect{});
        window.style = kDlgFrame;
        window.systemMenu = {
            {kScSize, true}, {kScMove, true}, {kScMinimize, true}, {kScMaximize, true}};
        border.SetClient(kWindow);
    }
    MemoryWindowFrame::Window& Window() { return frame.windows[kWindow]; }

    MemoryWindowFrame frame;
    CFormBorder border{frame};
};

TEST_F(FormBorderTest, PropertiesLiveInTheWindowsStylesAndSystemMenu) {
    EXPECT_TRUE(border.Titlebar());  // half of the caption bits is enough
    border.SetTitlebar(false);
    border.SetMaxButton(true);
    border.SetSizeable(false);
    border.SetControlBox(true);
    EXPECT_EQ(Window().style, 0x80000u | 0x10000u);
    EXPECT_FALSE(Window().systemMenu[kScSize]);
    EXPECT_EQ(Window().frameRefreshes, 4);

    border.SetToolWindow(true);
    border.SetShowInTaskbar(true);
    border.SetWhatsThisButton(true);
    border.SetTopMost(true);
    EXPECT_EQ(Window().exStyle, 0x80u | 0x40000u | 0x400u | 0x8u);
    EXPECT_TRUE(border.TopMost());
    border.SetShowInTaskbar(false);
    EXPECT_FALSE(border.ShowInTaskbar());
    EXPECT_TRUE(border.ToolWindow());

    border.SetMoveable(false);
    EXPECT_FALSE(border.Moveable());
    border.RemoveMenuItem(kScMinimize);
    EXPECT_EQ(Window().systemMenu.count(kScMinimize), 0u);
    EXPECT_EQ(border.hWnd(), kWindow);
}

TEST_F(FormBorderTest, MouseOnTheClientDragsOrOpensTheSystemMenu) {
    border.Client_MouseDown(kLeftButton);
    border.Client_MouseUp(kRightButton);
    EXPECT_TRUE(frame.sent.empty());

    border.SetAutoDrag(true);
    border.SetAutoSysMenu(true);
    frame.cursor = FramePoint{-5, 20};
    border.Client_MouseDown(kRightButton);
    border.Client_MouseDown(kLeftButton);
    border.Client_MouseUp(kLeftButton);
    border.Client_MouseUp(kRightButton);
    ASSERT_EQ(frame.sent.size(), 2u);
    EXPECT_EQ(frame.captureReleases, 1);
    EXPECT_EQ(frame.sent[0].message, 161u);
    EXPECT_EQ(frame.sent[0].wParam, 2u);
    EXPECT_EQ(frame.sent[1].message, 787u);
    EXPECT_EQ(frame.sent[1].lParam, 0x0014FFFB);
}

}  // namespace
}  // namespace qn
