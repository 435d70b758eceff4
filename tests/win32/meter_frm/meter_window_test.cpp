#include <windows.h>
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "meter/app/win32/meter_window_win32.h"
#include "platform/memory/manual_clock.h"
#include "platform/memory/memory_file_system.h"
#include "platform/memory/memory_local_time.h"
#include "platform/win32/optional_api.h"
#include "platform/win32/win32_services.h"
#include "tests/e2e/driver/screenshot.h"
#include "tests/support/memory_meter_settings.h"
#include "tests/win32/common/message_pump.h"

namespace qn::meter::win32 {
namespace {

using qn::win32::MakeWin32DrawingSystem;
using qn::win32::MakeWin32OsVersion;
using qn::win32::MakeWin32WindowFrame;
using qn::win32::MakeWin32WindowHooks;
using qn::win32::Optional;

// The main window as the meter window sees it, with a real graph.
struct FakeHost : MeterHost {
    explicit FakeHost(DrawingSystem& drawing) : log(files, time), graph(drawing, log, clock, "") {}
    cGraph& NetGraph() override { return graph; }
    MeterSettings& Settings() override { return settings; }
    mLogging& Log() override { return log; }
    void SetMeterVisible(bool visible) override { meterVisible = visible; }
    void SetTaskVisible(bool) override {}
    void ShowMainMenu() override {}
    void ShowStatistics() override {}

    MemoryFileSystem files;
    MemoryLocalTime time;
    ManualClock clock;
    MemoryMeterSettings settings;
    mLogging log;
    cGraph graph;
    bool meterVisible = false;
};

RECT WindowRectOf(HWND hwnd) {
    RECT rect{};
    GetWindowRect(hwnd, &rect);
    return rect;
}

// How many pixels of Picture1 on screen show one of the colours (0x00BBGGRR).
int PixelsShowing(HWND picture, const std::vector<Colour>& colours) {
    const RECT rect = WindowRectOf(picture);
    const e2e::RgbImage image =
        e2e::CaptureScreenRect(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
    int count = 0;
    for (std::size_t at = 0; at + 2 < image.pixels.size(); at += 3) {
        const Colour seen = image.pixels[at] | (image.pixels[at + 1] << 8) |
                            (static_cast<Colour>(image.pixels[at + 2]) << 16);
        for (const Colour colour : colours) count += seen == colour ? 1 : 0;
    }
    return count;
}

class MeterWindowWin32 : public ::testing::Test {
  protected:
    std::unique_ptr<MeterWindow> Open() {
        return MeterWindow::Open(GetModuleHandleA(nullptr), host, services, [this] {
            ++closings;
            opened.reset();
        });
    }
    void PlaceAt(const char* left, const char* top, const char* width, const char* height) {
        host.settings.values["Position\\Left"] = left;
        host.settings.values["Position\\Top"] = top;
        host.settings.values["Position\\Width"] = width;
        host.settings.values["Position\\Height"] = height;
    }
    std::string Stored(const std::string& name) {
        return host.settings.values["Position\\" + name];
    }

    std::unique_ptr<WindowFrame> frame = MakeWin32WindowFrame();
    std::unique_ptr<WindowHooks> hooks = MakeWin32WindowHooks();
    MSubclass subclass{*hooks, "Dapplet"};
    std::unique_ptr<DrawingSystem> drawing = MakeWin32DrawingSystem();
    std::unique_ptr<OsVersionSource> version = MakeWin32OsVersion();
    MeterWindowServices services{*frame, subclass, *drawing, *version};
    FakeHost host{*drawing};
    std::unique_ptr<MeterWindow> opened;
    int closings = 0;
};

TEST_F(MeterWindowWin32, OpensAsTopmostToolWindowAndKeepsItsPlaceWhenClosedMaximised) {
    PlaceAt("1500", "1200", "4500", "1800");
    opened = Open();
    ASSERT_TRUE(opened);
    const HWND form = opened->Handle();
    const RECT placed = WindowRectOf(form);
    EXPECT_EQ(placed.left, 100);
    EXPECT_EQ(placed.top, 80);
    EXPECT_EQ(placed.right, 400);
    EXPECT_EQ(placed.bottom, 200);
    const LONG exStyle = GetWindowLongA(form, GWL_EXSTYLE);
    EXPECT_TRUE(exStyle & WS_EX_TOOLWINDOW);
    EXPECT_TRUE(exStyle & WS_EX_TOPMOST);
    EXPECT_FALSE(exStyle & WS_EX_LAYERED);
    EXPECT_TRUE(IsWindowVisible(form));
    EXPECT_TRUE(host.meterVisible);
    char caption[64] = {};
    GetWindowTextA(form, caption, sizeof caption);
    EXPECT_STREQ(caption, "Dapplet v1.0");

    // Picture1 fills the client area, as it follows the window's size.
    SetWindowPos(form, nullptr, 0, 0, 360, 150, SWP_NOMOVE | SWP_NOZORDER);
    RECT client{};
    GetClientRect(form, &client);
    const RECT picture = WindowRectOf(opened->Picture1());
    EXPECT_EQ(picture.right - picture.left, client.right);
    EXPECT_EQ(picture.bottom - picture.top, client.bottom);

    SendMessageA(opened->Picture1(), WM_LBUTTONDBLCLK, MK_LBUTTON, 0);
    EXPECT_EQ(GetWindowLongA(form, GWL_STYLE) & WS_CAPTION, 0);
    EXPECT_EQ(Stored("NoBorder"), "True");

    ShowWindow(form, SW_MAXIMIZE);
    opened->Unload();
    EXPECT_FALSE(IsWindow(form));
    EXPECT_FALSE(host.meterVisible);
    EXPECT_EQ(Stored("Left"), "1500");
    EXPECT_EQ(Stored("Width"), "4500");
}

TEST_F(MeterWindowWin32, TranslucentWindowClosedByItsCaptionStoresItsPlace) {
    ASSERT_NE(Optional().GetLayeredWindowAttributes, nullptr);
    host.settings.values["Graph\\Alpha"] = "50";
    opened = Open();
    ASSERT_TRUE(opened);
    const HWND form = opened->Handle();
    EXPECT_TRUE(GetWindowLongA(form, GWL_EXSTYLE) & WS_EX_LAYERED);
    COLORREF key = 0;
    BYTE alpha = 0;
    DWORD flags = 0;
    ASSERT_TRUE(Optional().GetLayeredWindowAttributes(form, &key, &alpha, &flags));
    EXPECT_EQ(alpha, 128);

    SetWindowPos(form, nullptr, 30, 45, 240, 90, SWP_NOZORDER);
    SendMessageA(form, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_EQ(closings, 1);
    EXPECT_FALSE(opened);
    EXPECT_FALSE(IsWindow(form));
    EXPECT_EQ(Stored("Left"), "450");
    EXPECT_EQ(Stored("Top"), "675");
    EXPECT_EQ(Stored("Width"), "3600");
    EXPECT_EQ(Stored("Height"), "1350");
}

TEST_F(MeterWindowWin32, TheGraphDrawsIntoPicture1InEveryLook) {
    PlaceAt("1500", "1500", "4800", "2400");
    opened = Open();
    ASSERT_TRUE(opened);
    const HWND picture = opened->Picture1();
    RECT client{};
    GetClientRect(picture, &client);
    cGraph& graph = host.graph;
    graph.SetHistory(client.right);
    graph.SetAutoScale(true);
    for (int sample = 0; sample < client.right; ++sample) {
        graph.AddData(static_cast<std::int32_t>(6000 + 4000 * std::sin(sample / 9.0)),
                      static_cast<std::int32_t>(3000 + 2500 * std::cos(sample / 6.0)));
    }
    for (std::int32_t style = 0; style <= 3; ++style) {
        SCOPED_TRACE(style);
        graph.SetStyle(style);
        const std::vector<Colour> series{graph.RecvColor, graph.SendColor, graph.BothColor};
        // The backgrounds' own pixels may share the series' colours.
        graph.DrawGraph(false, true);
        qn::win32::DispatchWaitingMessages();
        const int backgroundOnly = PixelsShowing(picture, series);
        graph.DrawGraph(true, false);
        qn::win32::DispatchWaitingMessages();
        EXPECT_GT(PixelsShowing(picture, series), backgroundOnly + 300);
        EXPECT_NE(e2e::SaveNamedScreenshot("meter_frm_style" + std::to_string(style)), "");
    }
}

}  // namespace
}  // namespace qn::meter::win32
