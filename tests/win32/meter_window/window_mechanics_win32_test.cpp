#include <windows.h>
#include <gtest/gtest.h>

#include "meter/window/anchor.h"
#include "meter/window/form_border.h"
#include "meter/window/size_move_helper.h"
#include "meter/window/translucent_form.h"
#include "platform/win32/optional_api.h"
#include "platform/win32/win32_services.h"

namespace qn::win32 {
namespace {

class WindowMechanicsWin32 : public ::testing::Test {
  protected:
    void SetUp() override {
        WNDCLASSA windowClass{};
        windowClass.lpfnWndProc = DefWindowProcA;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.lpszClassName = "QnMeterWindowTest";
        RegisterClassA(&windowClass);  // fails harmlessly once registered
        hwnd = CreateWindowExA(0, "QnMeterWindowTest", "Meter test", WS_OVERLAPPEDWINDOW, 100, 100,
                               300, 200, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
        ASSERT_NE(hwnd, nullptr);
        window = reinterpret_cast<WindowHandle>(hwnd);
    }
    void TearDown() override {
        if (IsWindow(hwnd)) DestroyWindow(hwnd);
    }
    LONG Style() const { return GetWindowLongA(hwnd, GWL_STYLE); }
    LONG ExStyle() const { return GetWindowLongA(hwnd, GWL_EXSTYLE); }

    std::unique_ptr<WindowFrame> frame = MakeWin32WindowFrame();
    HWND hwnd = nullptr;
    WindowHandle window = 0;
};

TEST_F(WindowMechanicsWin32, FormBorderChangesTheRealFrame) {
    CFormBorder border(*frame);
    border.SetClient(window);
    EXPECT_TRUE(border.Titlebar());
    border.SetToolWindow(true);
    border.SetTitlebar(false);
    border.SetTopMost(true);
    EXPECT_TRUE(ExStyle() & WS_EX_TOOLWINDOW);
    EXPECT_EQ(Style() & WS_CAPTION, 0);
    EXPECT_FALSE(border.Titlebar());
    EXPECT_TRUE(ExStyle() & WS_EX_TOPMOST);
    EXPECT_TRUE(border.TopMost());
    border.SetTopMost(false);
    EXPECT_FALSE(ExStyle() & WS_EX_TOPMOST);

    EXPECT_TRUE(border.Moveable());
    border.SetMoveable(false);
    EXPECT_FALSE(border.Moveable());
    EXPECT_TRUE(GetMenuState(GetSystemMenu(hwnd, FALSE), SC_MOVE, MF_BYCOMMAND) & MF_GRAYED);
}

TEST_F(WindowMechanicsWin32, TranslucentFormSetsTheLayeredAlpha) {
    const auto version = MakeWin32OsVersion();
    ASSERT_NE(Optional().GetLayeredWindowAttributes, nullptr);
    {
        CTranslucentForm form(*frame, *version);
        ASSERT_TRUE(form.Supported());
        form.SethWnd(window);
        form.SetAlpha(AlphaFromPercent(50));
        EXPECT_EQ(form.Alpha(), 128);
        EXPECT_TRUE(ExStyle() & WS_EX_LAYERED);
        COLORREF key = 0;
        BYTE alpha = 0;
        DWORD flags = 0;
        ASSERT_TRUE(Optional().GetLayeredWindowAttributes(hwnd, &key, &alpha, &flags));
        EXPECT_EQ(alpha, 128);
        EXPECT_EQ(flags, static_cast<DWORD>(LWA_ALPHA));
    }
    EXPECT_FALSE(ExStyle() & WS_EX_LAYERED);
}

TEST_F(WindowMechanicsWin32, MovingHandlerChangesTheMessagesRect) {
    const auto hooks = MakeWin32WindowHooks();
    MSubclass module(*hooks, "Dapplet");
    cSizeMoveHelper helper(module, *frame);
    helper.Moving = [](std::int32_t& left, std::int32_t& top, std::int32_t& width, std::int32_t&) {
        left = 0;
        top += 5;
        width = 40;
    };
    const LONG_PTR ownProcedure = GetWindowLongPtrA(hwnd, GWLP_WNDPROC);
    helper.Attach(window);
    EXPECT_NE(GetWindowLongPtrA(hwnd, GWLP_WNDPROC), ownProcedure);
    RECT rect{30, 40, 130, 90};
    SendMessageA(hwnd, WM_MOVING, WMSZ_LEFT, reinterpret_cast<LPARAM>(&rect));
    EXPECT_EQ(rect.left, 0);
    EXPECT_EQ(rect.top, 45);
    EXPECT_EQ(rect.right, 40);
    EXPECT_EQ(rect.bottom, 95);

    SendMessageA(hwnd, WM_DESTROY, 0, 0);
    EXPECT_EQ(GetWindowLongPtrA(hwnd, GWLP_WNDPROC), ownProcedure);
}

TEST_F(WindowMechanicsWin32, AnchorKeepsAChildAtTheBottomRight) {
    HWND child = CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE, 10, 10, 40, 20, hwnd,
                                 nullptr, GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(child, nullptr);
    RECT client{};
    GetClientRect(hwnd, &client);
    MoveWindow(child, client.right - 50, client.bottom - 30, 40, 20, FALSE);

    cAnchor anchor(*frame, window);
    anchor.AddControl(reinterpret_cast<WindowHandle>(child), kAnchorRight | kAnchorBottom);
    SetWindowPos(hwnd, nullptr, 0, 0, 400, 260, SWP_NOMOVE | SWP_NOZORDER);
    anchor.DoResize();

    GetClientRect(hwnd, &client);
    RECT placed{};
    GetWindowRect(child, &placed);
    MapWindowPoints(HWND_DESKTOP, hwnd, reinterpret_cast<POINT*>(&placed), 2);
    EXPECT_EQ(placed.left, client.right - 50);
    EXPECT_EQ(placed.top, client.bottom - 30);
    EXPECT_EQ(placed.right - placed.left, 40);
    EXPECT_EQ(placed.bottom - placed.top, 20);
}

}  // namespace
}  // namespace qn::win32
