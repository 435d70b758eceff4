#include "meter/app/frm_meter.h"
#include "tests/support/memory_meter_settings.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/memory/manual_clock.h"
#include "platform/memory/memory_drawing.h"
#include "platform/memory/memory_file_system.h"
#include "platform/memory/memory_local_time.h"
#include "platform/memory/memory_os_version.h"
#include "platform/memory/memory_window_frame.h"
#include "platform/memory/memory_window_hooks.h"

namespace qn::meter {
namespace {

constexpr WindowHandle kMeterForm = 70;
constexpr WindowHandle kPicture = 71;
constexpr std::uint32_t kWsCaption = 0xC00000;
constexpr std::uint32_t kWsThickFrame = 0x40000;
constexpr std::uint32_t kWsExToolWindow = 0x80;
constexpr std::uint32_t kWmSizing = 532;
constexpr std::uint32_t kWmEnterSizeMove = 561;
constexpr std::uint32_t kWmExitSizeMove = 562;
constexpr const char* kLogPath = "C:\\Dapplet.log";

struct FakeHost : MeterHost {
    FakeHost(DrawingSystem& drawing, FileSystem& files, const LocalTime& time, const Clock& clock)
        : log(files, time), graph(drawing, log, clock, "") {
        log.Enabled = true;
        log.OpenLog(kLogPath);
    }
    cGraph& NetGraph() override { return graph; }
    MeterSettings& Settings() override { return settings; }
    mLogging& Log() override { return log; }
    void SetMeterVisible(bool visible) override {
        calls.push_back(visible ? "meter visible" : "meter hidden");
    }
    void SetTaskVisible(bool visible) override {
        calls.push_back(visible ? "task visible" : "task hidden");
    }
    void ShowMainMenu() override { calls.push_back("main menu"); }
    void ShowStatistics() override { calls.push_back("statistics"); }

    MemoryMeterSettings settings;
    mLogging log;
    cGraph graph;
    std::vector<std::string> calls;
};

class FrmMeterTest : public ::testing::Test {
  protected:
    FrmMeterTest() {
        frame.AddWindow(kMeterForm, FrameRect{0, 0, 300, 100}).style = kWsCaption | kWsThickFrame;
        frame.AddWindow(kPicture, FrameRect{0, 0, 10, 10});
        hooks.AddWindow(kMeterForm, 5);
    }

    FrmMeter& Load() {
        form = std::make_unique<FrmMeter>(host, services, kMeterForm, kPicture);
        form->Form_Load();
        return *form;
    }
    // The log's messages without their time stamps.
    std::vector<std::string> LogLines() const {
        std::vector<std::string> lines;
        const std::string text = files.ReadAll(kLogPath).value_or("");
        const std::string stamp = time.now + ": ";
        for (std::size_t start = 0; start < text.size();) {
            const std::size_t end = text.find("\r\n", start);
            lines.push_back(text.substr(start + stamp.size(), end - start - stamp.size()));
            start = end + 2;
        }
        return lines;
    }
    MemoryWindowFrame::Window& Form() { return frame.windows[kMeterForm]; }
    std::string Stored(const std::string& name) {
        return host.settings.values["Position\\" + name];
    }

    MemoryWindowFrame frame;
    MemoryWindowHooks hooks;
    MSubclass subclass{hooks, "Dapplet"};
    MemoryDrawingSystem drawing;
    MemoryOsVersion version{WindowsXp()};
    MeterWindowServices services{frame, subclass, drawing, version};
    MemoryFileSystem files;
    MemoryLocalTime time;
    ManualClock clock;
    FakeHost host{drawing, files, time, clock};
    std::unique_ptr<FrmMeter> form;
};

TEST_F(FrmMeterTest, LoadShowsAnOpaqueTopmostToolWindowWhereItWasLeft) {
    host.settings.values = {{"Position\\Width", "4500"},
                            {"Position\\Height", "1500"},
                            {"Position\\Top", "300"},
                            {"Position\\Left", "600"}};
    host.graph.BackColor = 0x123456;
    Load();

    EXPECT_EQ(LogLines(),
              (std::vector<std::string>{"frmMeter_Load    ", "frmMeter: Restoring Position"}));
    EXPECT_EQ(host.calls, (std::vector<std::string>{"meter visible", "task visible"}));
    EXPECT_EQ(Form().caption, "Dapplet v1.0");
    EXPECT_EQ(Form().rect, (FrameRect{40, 20, 340, 120}));
    EXPECT_EQ(Form().exStyle & (kWsExToolWindow | MemoryWindowFrame::kExTopMost),
              kWsExToolWindow | MemoryWindowFrame::kExTopMost);
    EXPECT_EQ(Form().exStyle & MemoryWindowFrame::kExLayered, 0u);
    EXPECT_FALSE(Form().layered);
    EXPECT_NE(Form().style & kWsCaption, 0u);
    EXPECT_TRUE(Form().visible);
    EXPECT_EQ(Form().repaints, 2);
    // Picture1 fills the client area and the graph draws on it.
    EXPECT_EQ(frame.windows[kPicture].rect, (FrameRect{0, 0, 300, 100}));
    ASSERT_NE(drawing.lastSurface, nullptr);
    EXPECT_EQ(drawing.lastSurface->WidthPixels(), 300);
    EXPECT_EQ(drawing.lastSurface->Pixel(5, 5), 0x123456u);
}

TEST_F(FrmMeterTest, PositionsThatCannotBeUsedFallBackToTheDefaults) {
    Load();
    EXPECT_EQ(Form().rect, (FrameRect{7, 7, 207, 87}));
    form->Form_Unload();

    // Unreadable or too small sides, and a place off every screen.
    host.settings.values = {{"Position\\Width", "0"},
                            {"Position\\Height", "abc"},
                            {"Position\\Top", "-30000"},
                            {"Position\\Left", "90000"}};
    Load();
    EXPECT_EQ(Form().rect, (FrameRect{7, 7, 207, 87}));
    form->Form_Unload();

    // A window partly on the desktop stays where it was.
    host.settings.values = {{"Position\\Top", "-600"}, {"Position\\Left", "-1500"}};
    Load();
    EXPECT_EQ(Form().rect, (FrameRect{-100, -40, 100, 40}));
}

TEST_F(FrmMeterTest, AlphaBelowAHundredLayersTheWindowWhereTheSystemCan) {
    host.settings.values["Graph\\Alpha"] = "50";
    Load();
    EXPECT_EQ(LogLines(), (std::vector<std::string>{"frmMeter_Load    ", "Setting frmMeter Alpha",
                                                    "frmMeter: Restoring Position"}));
    EXPECT_NE(Form().exStyle & MemoryWindowFrame::kExLayered, 0u);
    ASSERT_TRUE(Form().layered);
    EXPECT_EQ(Form().layered->alpha, 128);
    form.reset();

    Form() = MemoryWindowFrame::Window{};
    version.version = Windows98();
    Load();
    EXPECT_EQ(Form().exStyle & MemoryWindowFrame::kExLayered, 0u);
    EXPECT_FALSE(Form().layered);
}

TEST_F(FrmMeterTest, DoubleClickTogglesTheFrameAndRemembersIt) {
    host.settings.values["Position\\NoBorder"] = "True";
    Load();
    EXPECT_EQ(Form().style & kWsCaption, 0u);
    EXPECT_EQ(Stored("NoBorder"), "True");

    host.graph.IgnoreBack = true;
    form->Picture1_DblClick();
    EXPECT_NE(Form().style & kWsCaption, 0u);
    EXPECT_EQ(Stored("NoBorder"), "False");
    EXPECT_FALSE(host.graph.IgnoreBack);

    form->Picture1_DblClick();
    EXPECT_EQ(Form().style & kWsCaption, 0u);
    EXPECT_EQ(Stored("NoBorder"), "True");
    // The frame comes back as the window closes, for the next opening to take off.
    form->Form_Unload();
    EXPECT_NE(Form().style & kWsCaption, 0u);
    EXPECT_EQ(Stored("NoBorder"), "True");
}

TEST_F(FrmMeterTest, UnloadStoresThePositionOnlyInTheNormalState) {
    Load();
    host.calls.clear();
    Form().showState = ShowState::Maximised;
    form->Form_Unload();
    EXPECT_EQ(LogLines().back(), "frmMeter_Unload");
    EXPECT_EQ(host.calls, (std::vector<std::string>{"task hidden", "meter hidden"}));
    EXPECT_FALSE(Form().visible);
    EXPECT_EQ(host.settings.values.count("Position\\Width"), 0u);
    // The graph no longer draws on the window's surface.
    host.graph.DrawGraph(true, false);

    Load();
    Form().showState = ShowState::Normal;
    Form().rect = FrameRect{20, 30, 220, 110};
    form->Form_Unload();
    EXPECT_EQ(Stored("Width"), "3000");
    EXPECT_EQ(Stored("Height"), "1200");
    EXPECT_EQ(Stored("Top"), "450");
    EXPECT_EQ(Stored("Left"), "300");
}

TEST_F(FrmMeterTest, SizingKeepsTheWidthAndASlowBackgroundIsLeftOut) {
    Load();
    Form().rect = FrameRect{0, 0, 300, 100};
    frame.rects[1] = FrameRect{0, 0, 1500, 100};
    hooks.Send(kMeterForm, kWmSizing, 2, 1);
    EXPECT_EQ(frame.rects[1], (FrameRect{0, 0, 1000, 100}));
    frame.rects[1] = FrameRect{0, 0, 999, 100};
    hooks.Send(kMeterForm, kWmSizing, 2, 1);
    EXPECT_EQ(frame.rects[1].Width(), 999);
    // The left edge dragged past the limit stops instead of sliding the window.
    frame.rects[1] = FrameRect{-1300, 0, 300, 100};
    hooks.Send(kMeterForm, kWmSizing, 1, 1);
    EXPECT_EQ(frame.rects[1], (FrameRect{-700, 0, 300, 100}));

    // Sizes set outside the user's size loop (while loading) leave the
    // background in, however slow its last rendering was.
    host.graph.LastBench = 150;
    form->Form_Resize();
    EXPECT_FALSE(host.graph.IgnoreBack);

    hooks.Send(kMeterForm, kWmEnterSizeMove, 0, 0);
    Form().rect = FrameRect{0, 0, 400, 120};
    form->Form_Resize();
    form->Form_Resize();
    EXPECT_EQ(frame.windows[kPicture].rect, (FrameRect{0, 0, 400, 120}));
    EXPECT_TRUE(host.graph.IgnoreBack);
    const auto lines = LogLines();
    EXPECT_EQ(
        std::count(lines.begin(), lines.end(), "frmMeter Performance Corrected.  Violation: 150ms"),
        1);

    hooks.Send(kMeterForm, kWmExitSizeMove, 0, 0);
    EXPECT_FALSE(host.graph.IgnoreBack);
    host.graph.LastBench = 99;
    form->Form_Resize();
    EXPECT_FALSE(host.graph.IgnoreBack);
}

TEST_F(FrmMeterTest, AWindowOpensWithItsBackgroundAfterASlowOne) {
    drawing.AddResource("CLOUDS", std::make_shared<PixelImage>(4, 4, 0x0A0B0C));
    host.graph.SetStyle(2);
    Load();
    // The earlier window was closed inside a slow size loop.
    host.graph.LastBench = 500;
    hooks.Send(kMeterForm, kWmEnterSizeMove, 0, 0);
    form->Form_Resize();
    ASSERT_TRUE(host.graph.IgnoreBack);
    form->Form_Unload();
    form.reset();

    Load();
    EXPECT_FALSE(host.graph.IgnoreBack);
    EXPECT_TRUE(drawing.lastSurface->HasKeptBackground());
}

TEST_F(FrmMeterTest, MouseButtonsDragTheWindowOrOpenTheMenus) {
    Load();
    host.calls.clear();
    form->Picture1_MouseDown(kLeftButton);
    EXPECT_EQ(frame.captureReleases, 1);
    ASSERT_EQ(frame.sent.size(), 1u);
    EXPECT_EQ(frame.sent[0].window, kMeterForm);
    EXPECT_EQ(frame.sent[0].message, 161u);
    EXPECT_EQ(frame.sent[0].wParam, 2u);
    form->Picture1_MouseDown(kRightButton);
    form->Picture1_MouseDown(kMiddleButton);
    EXPECT_EQ(host.calls, (std::vector<std::string>{"main menu", "statistics"}));
}

}  // namespace
}  // namespace qn::meter
