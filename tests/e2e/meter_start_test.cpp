// The meter's start, its settings, its log and its graph window, as a user
// meets them.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/e2e/driver/loopback_traffic.h"
#include "tests/e2e/driver/screenshot.h"
#include "tests/e2e/meter_session.h"

namespace qn::e2e {
namespace {

// The log's messages, without the time stamps.
std::vector<std::string> LogMessages() {
    std::string text;
    std::vector<std::string> messages;
    if (!ReadWholeFile(BesideProgram("DappletLog.txt"), text)) return messages;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2) {
        const std::string line = text.substr(start, end - start);
        const std::size_t colon = line.find(": ");
        messages.push_back(colon == std::string::npos ? line : line.substr(colon + 2));
    }
    return messages;
}

// Whether wanted appears in lines in this order (other lines between).
bool InOrder(const std::vector<std::string>& lines, const std::vector<std::string>& wanted) {
    std::size_t next = 0;
    for (const std::string& line : lines) {
        if (next < wanted.size() && line.rfind(wanted[next], 0) == 0) ++next;
    }
    return next == wanted.size();
}

class MeterStart : public MeterEndToEnd {
  protected:
    // Starts the meter, lets it run and ends it from its menu.
    void RunOnce(DWORD runMs = 500) {
        Process meter;
        TrayIcon icon;
        ASSERT_TRUE(StartMeter(meter, icon)) << "no tray icon appeared";
        Sleep(runMs);
        ASSERT_TRUE(ExitMeterByMenu(meter, icon)) << "Exit did not end the meter";
    }
};

constexpr const char* kWelcome =
    "Dapplet can be found here on the system tray.  You can access it any time by left clicking "
    "this icon.  Advanced features and other options can be found by right clicking this icon.";

TEST_F(MeterStart, TheFirstStartWelcomesAndRegistersTheProgramAndTheSecondDoesNot) {
    {
        Process meter;
        TrayIcon icon;
        ASSERT_TRUE(StartMeter(meter, icon));
        std::string balloon;
        PollUntil([&] { return !(balloon = ShellTooltipText(kWelcome)).empty(); }, 5000);
        EXPECT_EQ(balloon, kWelcome) << "no welcome balloon";
        ASSERT_TRUE(ExitMeterByMenu(meter, icon));
    }
    EXPECT_EQ(MeterSetting("Settings", "FirstRun"), "0");
    std::string run;
    ASSERT_TRUE(ReadRegistryString(HKEY_CURRENT_USER, kRunKey, "Dapplet", run));
    EXPECT_EQ(run, BesideProgram(kMeterExe));
    EXPECT_EQ(MeterSetting("General", "Path"), BesideProgram(""));

    DeleteRegistryValue(HKEY_CURRENT_USER, kRunKey, "Dapplet");
    ASSERT_TRUE(PollUntil([] { return ShellTooltipText(kWelcome).empty(); }, 15000))
        << "the first start's balloon stayed";
    Process meter;
    TrayIcon icon;
    ASSERT_TRUE(StartMeter(meter, icon));
    // As long as the first start was given to show its balloon.
    EXPECT_FALSE(PollUntil([] { return !ShellTooltipText(kWelcome).empty(); }, 5000))
        << "the second start welcomed again";
    ASSERT_TRUE(ExitMeterByMenu(meter, icon));
    EXPECT_FALSE(ReadRegistryString(HKEY_CURRENT_USER, kRunKey, "Dapplet", run))
        << "the second start wrote the Run value again";
}

TEST_F(MeterStart, ExitWritesEveryGraphSetting) {
    SetMeterSetting("Graph", "BackColor", "12345");
    RunOnce();
    for (const char* name :
         {"AutoScale", "Scale", "BothColor", "ChartColor", "FillUnderGraph", "NumColor",
          "RecvColor", "SendColor", "Background", "StretchBackground"}) {
        EXPECT_NE(MeterSetting("Graph", name), "<absent>") << name;
    }
    EXPECT_EQ(MeterSetting("Graph", "BackColor"), "12345");
    EXPECT_EQ(MeterSetting("Graph", "AutoScale"), "True");
    EXPECT_EQ(MeterSetting("Settings", "Interface"), "");
    EXPECT_EQ(MeterSetting("Position", "Width"), "3000") << "the meter window's rectangle";
}

TEST_F(MeterStart, WithLoggingOnEachRunAppendsItsLinesInOrder) {
    SetMeterSetting("Settings", "Logging", "True");
    RunOnce();
    RunOnce();
    const std::vector<std::string> run = {std::string(50, '='),    "Dapplet build: ",
                                          "frmMain_Load",          "NumInterfaces: ",
                                          "Interface 1: ",         "cGraph_Initialize",
                                          "cNetStatus_Initialize", "Adding SysTray",
                                          "frmMeter_Load    ",     "frmMeter: Restoring Position",
                                          "Generating mnuMain",    "frmMain_Unload",
                                          "Unloading All",         "frmMeter_Unload",
                                          "Cleaning up...",        "End"};
    std::vector<std::string> twice = run;
    twice.insert(twice.end(), run.begin(), run.end());
    const std::vector<std::string> messages = LogMessages();
    EXPECT_TRUE(InOrder(messages, twice)) << "log:\n" << ::testing::PrintToString(messages);
    EXPECT_TRUE(InOrder(messages, {"First Run", std::string(50, '=')}))
        << "only the first run is the first";
}

TEST_F(MeterStart, TheMeterWindowOpensTopmostAtItsPlaceAndDoubleClickTogglesItsFrame) {
    SetMeterSetting("Position", "Left", "1500");
    SetMeterSetting("Position", "Top", "1200");
    Process meter;
    TrayIcon icon;
    ASSERT_TRUE(StartMeter(meter, icon));
    HWND window = WaitForMeterWindow(meter);
    ASSERT_NE(window, nullptr) << "the meter window did not open at start";
    const LONG_PTR exStyle = GetWindowLongPtrA(window, GWL_EXSTYLE);
    EXPECT_TRUE(exStyle & WS_EX_TOOLWINDOW);
    EXPECT_TRUE(exStyle & WS_EX_TOPMOST);
    EXPECT_FALSE(exStyle & WS_EX_LAYERED) << "Alpha 100 is opaque";
    RECT box{};
    GetWindowRect(window, &box);
    EXPECT_EQ(box.left, 100);
    EXPECT_EQ(box.top, 80);

    const std::vector<HWND> children = ChildWindows(window);
    ASSERT_EQ(children.size(), 1u) << "the graph fills the window";
    PostMessageA(children.front(), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(5, 5));
    EXPECT_TRUE(PollUntil([&] { return (GetWindowLongPtrA(window, GWL_STYLE) & WS_CAPTION) == 0; },
                          kMenuTimeoutMs))
        << "a double click left the frame";
    EXPECT_TRUE(PollUntil([] { return MeterSetting("Position", "NoBorder") == "True"; }, 2000));
    PostMessageA(children.front(), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(5, 5));
    EXPECT_TRUE(PollUntil([&] { return (GetWindowLongPtrA(window, GWL_STYLE) & WS_CAPTION) != 0; },
                          kMenuTimeoutMs));
    EXPECT_TRUE(PollUntil([] { return MeterSetting("Position", "NoBorder") == "False"; }, 2000));
    ASSERT_TRUE(ExitMeterByMenu(meter, icon));
}

// "Dapplet In: 1.5kb/s Out: 0kb/s"
bool MatchesRates(const std::string& tooltip) {
    const std::size_t out = tooltip.find("kb/s Out: ");
    return tooltip.rfind("Dapplet In: ", 0) == 0 && out != std::string::npos &&
           tooltip.size() > out + 14 && tooltip.substr(tooltip.size() - 4) == "kb/s";
}

TEST_F(MeterStart, TheTrayTooltipShowsTheRatesAndFollowsTheTraffic) {
    SetMeterSetting("Settings", "FirstRun", "0");  // no welcome balloon over the tooltip
    SetMeterSetting("Graph", "ShowOnStartup", "False");
    Process meter;
    TrayIcon icon;
    ASSERT_TRUE(StartMeter(meter, icon));
    // The shell may show the start-up text first: hover again until the rates show.
    std::string quiet;
    PollUntil([&] { return MatchesRates(quiet = HoverTrayIcon(icon, "Dapplet In: ", 1000)); },
              8000);
    EXPECT_TRUE(MatchesRates(quiet)) << quiet;
    std::string busy = quiet;
    for (int round = 0; round < 10 && busy == quiet; ++round) {
        ASSERT_TRUE(KeepLoopbackTrafficFlowing(1000));
        busy = HoverTrayIcon(icon, "Dapplet In: ", 2000);
    }
    EXPECT_TRUE(MatchesRates(busy)) << busy;
    EXPECT_NE(busy, quiet) << "the tooltip did not follow the traffic";
    SetCursorPos(0, 0);
    ASSERT_TRUE(ExitMeterByMenu(meter, icon));
}

TEST_F(MeterStart, AlphaFiftyMakesTheWindowHalfTransparent) {
    SetMeterSetting("Graph", "Alpha", "50");
    Process meter;
    TrayIcon icon;
    ASSERT_TRUE(StartMeter(meter, icon));
    HWND window = WaitForMeterWindow(meter);
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(GetWindowLongPtrA(window, GWL_EXSTYLE) & WS_EX_LAYERED);
    BYTE alpha = 0;
    DWORD flags = 0;
    ASSERT_TRUE(GetLayeredWindowAttributes(window, nullptr, &alpha, &flags));
    EXPECT_EQ(alpha, 128);
    EXPECT_TRUE(flags & LWA_ALPHA);
    ASSERT_TRUE(ExitMeterByMenu(meter, icon));
}

TEST_F(MeterStart, ClosingTheMaximisedWindowKeepsTheStoredPlace) {
    SetMeterSetting("Position", "Left", "1500");
    Process meter;
    TrayIcon icon;
    ASSERT_TRUE(StartMeter(meter, icon));
    HWND window = WaitForMeterWindow(meter);
    ASSERT_NE(window, nullptr);
    ShowWindowAsync(window, SW_MAXIMIZE);
    EXPECT_TRUE(PollUntil([&] { return IsZoomed(window) != FALSE; }, kMenuTimeoutMs));
    ASSERT_TRUE(ExitMeterByMenu(meter, icon));
    EXPECT_EQ(MeterSetting("Position", "Left"), "1500");
}

TEST_F(MeterStart, OptimizeStartsTheTunerBesideIt) {
    SetMeterSetting("Graph", "ShowOnStartup", "False");
    TerminateOwnersOfWindows("Quillon");
    Process meter;
    TrayIcon icon;
    ASSERT_TRUE(StartMeter(meter, icon));
    RightClickTrayIcon(icon);
    HWND menu = WaitForPopupMenu(meter.Id(), kMenuTimeoutMs);
    ASSERT_NE(menu, nullptr);
    // Show, Statistics..., then the tuner's item.
    ChoosePopupMenuItem(menu, 2);
    // The classic view or the wizard, whichever the tuner starts in.
    HWND tuner = WaitForTopLevelWindow(Caption::Prefix("Quillon"), 15000);
    EXPECT_NE(tuner, nullptr) << "the tuner did not start";
    TerminateOwnersOfWindows("Quillon");
    ASSERT_TRUE(ExitMeterByMenu(meter, icon));
}

TEST_F(MeterStart, WithoutTheTunerBesideItTheMenuHasNoTunerItem) {
    SetMeterSetting("Graph", "ShowOnStartup", "False");
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    const std::string folder = std::string(temp) + "qn_meter_alone";
    const std::string exe = folder + "\\" + kMeterExe;
    ASSERT_TRUE(MakeFolders(folder));
    ASSERT_TRUE(CopyFileA(BesideProgram(kMeterExe).c_str(), exe.c_str(), FALSE));
    TerminateOwnersOfWindows("Quillon");
    Process meter;
    TrayIcon icon;
    ASSERT_TRUE(StartMeter(meter, icon, exe));
    RightClickTrayIcon(icon);
    HWND menu = WaitForPopupMenu(meter.Id(), kMenuTimeoutMs);
    ASSERT_NE(menu, nullptr);
    // The third item is now "Settings...", which opens nothing yet.
    ChoosePopupMenuItem(menu, 2);
    // Were the tuner's item there, it would now say "Quillon Not Found!!!".
    EXPECT_EQ(
        WaitForTopLevelWindow(WindowQuery{Caption::Prefix(""), meter.Id(), "#32770", true}, 3000),
        nullptr)
        << "the third item tried to start a tuner";
    ASSERT_TRUE(ExitMeterByMenu(meter, icon));
    DeleteFileA(exe.c_str());
    DeleteFileA((folder + "\\DappletLog.txt").c_str());
    RemoveDirectoryA(folder.c_str());
}

// One screenshot of the meter window per built-in look, with traffic flowing.
TEST_F(MeterStart, EachBuiltInLookShowsALiveGraph) {
    struct Look {
        const char* name;
        const char* back;
        const char* both;
        const char* chart;
        const char* num;
        const char* recv;
        const char* send;
        const char* fill;
        const char* background;
        const char* stretch;
    };
    const Look looks[] = {
        {"standard", "16777215", "65280", "11579568", "0", "255", "16711680", "True", "", "False"},
        {"task-manager", "0", "65280", "24576", "65280", "255", "16742263", "False", "", "False"},
        {"clouds", "16777215", "65280", "8388608", "16711680", "255", "16711680", "False",
         "res:Clouds", "True"},
        {"river", "16777215", "16777215", "8421504", "0", "255", "16711680", "False", "res:River",
         "True"},
    };
    for (const Look& look : looks) {
        ForgetMeter();
        SetMeterSetting("Position", "Width", "6000");
        SetMeterSetting("Position", "Height", "2400");
        SetMeterSetting("Graph", "BackColor", look.back);
        SetMeterSetting("Graph", "BothColor", look.both);
        SetMeterSetting("Graph", "ChartColor", look.chart);
        SetMeterSetting("Graph", "NumColor", look.num);
        SetMeterSetting("Graph", "RecvColor", look.recv);
        SetMeterSetting("Graph", "SendColor", look.send);
        SetMeterSetting("Graph", "FillUnderGraph", look.fill);
        SetMeterSetting("Graph", "Background", look.background);
        SetMeterSetting("Graph", "StretchBackground", look.stretch);
        SetCursorPos(0, 0);
        Process meter;
        TrayIcon icon;
        ASSERT_TRUE(StartMeter(meter, icon));
        HWND window = WaitForMeterWindow(meter);
        ASSERT_NE(window, nullptr) << look.name;
        ASSERT_TRUE(KeepLoopbackTrafficFlowing(3000)) << look.name;
        EXPECT_NE(SaveNamedScreenshot(std::string("meter-") + look.name), "") << look.name;
        EXPECT_NE(SaveWindowScreenshot(window, std::string("window-meter-") + look.name), "");
        ASSERT_TRUE(ExitMeterByMenu(meter, icon)) << look.name;
    }
}

}  // namespace
}  // namespace qn::e2e
