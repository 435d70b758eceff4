#include "meter/app/frm_main.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "meter/config/registry_settings.h"
#include "platform/memory/manual_clock.h"
#include "platform/memory/memory_directories.h"
#include "platform/memory/memory_drawing.h"
#include "platform/memory/memory_environment_strings.h"
#include "platform/memory/memory_file_system.h"
#include "platform/memory/memory_interface_table.h"
#include "platform/memory/memory_local_time.h"
#include "platform/memory/memory_notify_icon.h"
#include "platform/memory/memory_processes.h"
#include "platform/memory/memory_registry.h"
#include "platform/memory/memory_window_hooks.h"
#include "tests/support/interface_rows.h"

namespace qn::meter {
namespace {

constexpr WindowHandle kMainWindow = 40;
constexpr const char* kFolder = "C:\\Program Files\\Dapplet";
const TrayPictures kPictures{0x81, 0x82, 0x83, 0x84, 0x80};

// Notes what the main window asked of the other windows.
struct RecordingWindows : MeterWindows {
    void LoadMeter() override {
        calls.push_back("load meter");
        if (host != nullptr) host->SetMeterVisible(true);
    }
    void UnloadMeter() override {
        calls.push_back("unload meter");
        if (host != nullptr) host->SetMeterVisible(false);
    }
    void UnloadAll() override { calls.push_back("unload all"); }
    void SetTaskVisible(bool visible) override {
        calls.push_back(visible ? "task visible" : "task hidden");
    }
    void MsgBox(const std::string& text) override { calls.push_back("box " + text); }
    void PopupMainMenu(SysTray&, const std::vector<MenuEntry>& menu) override {
        calls.push_back("menu");
        popped = menu;
    }
    void EndProgram() override { calls.push_back("end"); }
    MeterHost* host = nullptr;
    std::vector<std::string> calls;
    std::vector<MenuEntry> popped;
};

class FrmMainTest : public ::testing::Test {
  protected:
    FrmMainTest() {
        directories.programDirectory = kFolder;
        directories.programName = "Dapplet.exe";
        files.AddDirectory(kFolder);
        hooks.AddWindow(kMainWindow, 1);
        interfaces.rows = {InterfaceRowOf("lo", 1000, 1000), InterfaceRowOf("eth0", 5000, 700)};
    }

    std::unique_ptr<FrmMain> Load(bool anotherInstance = false) {
        instance = MakeFixedSingleInstance(anotherInstance);
        services = std::make_unique<MeterServices>(MeterServices{
            RegistryServices{registry, environment, "Dapplet"}, files, directories, *instance,
            interfaces, clock, timers, drawing, localTime, processes, shell, GSubclass(module)});
        auto form = std::make_unique<FrmMain>(*services, windows, kMainWindow, kPictures, 7);
        windows.host = form.get();
        loaded = form->Form_Load();
        return form;
    }

    std::string Setting(const std::string& section, const std::string& name) {
        return RegGetSetting(RegistryServices{registry, environment, "Dapplet"}, kHkeyCurrentUser,
                             "Dapplet", section, name, "<absent>");
    }
    std::string RunValue() {
        return RegGetSetting(RegistryServices{registry, environment, "Dapplet"}, kHkeyCurrentUser,
                             "Microsoft\\Windows\\CurrentVersion", "Run", "Dapplet", "<absent>");
    }
    void Save(const std::string& section, const std::string& name, const std::string& value) {
        RegSaveSetting(RegistryServices{registry, environment, "Dapplet"}, kHkeyCurrentUser,
                       "Dapplet", section, name, value);
    }
    std::vector<NotifyIconCall> Balloons() const {
        std::vector<NotifyIconCall> balloons;
        for (const NotifyIconCall& call : shell.calls) {
            if (call.record.uFlags == kNifInfo) balloons.push_back(call);
        }
        return balloons;
    }
    std::vector<std::string> LogLines() const {
        std::vector<std::string> lines;
        const auto text = files.ReadAll(std::string(kFolder) + "\\DappletLog.txt");
        if (!text) return lines;
        std::size_t start = 0;
        for (std::size_t end; (end = text->find("\r\n", start)) != std::string::npos;
             start = end + 2) {
            const std::string line = text->substr(start, end - start);
            lines.push_back(line.substr(line.find(": ") + 2));
        }
        return lines;
    }

    MemoryRegistry registry;
    MemoryEnvironmentStrings environment;
    MemoryFileSystem files;
    MemoryDirectories directories;
    std::unique_ptr<SingleInstance> instance;
    MemoryInterfaceTable interfaces;
    ManualClock clock;
    MTimer timers{clock, "Dapplet"};
    MemoryDrawingSystem drawing;
    MemoryLocalTime localTime;
    MemoryProcesses processes;
    MemoryNotifyIconShell shell;
    MemoryWindowHooks hooks;
    MSubclass module{hooks, "Dapplet"};
    std::unique_ptr<MeterServices> services;
    RecordingWindows windows;
    bool loaded = false;
};

TEST_F(FrmMainTest, FirstStartWelcomesAndRegistersTheProgramOnce) {
    auto form = Load();
    ASSERT_TRUE(loaded);
    EXPECT_EQ(Setting("Settings", "FirstRun"), "0");
    EXPECT_EQ(Setting("General", "Path"), std::string(kFolder) + "\\");
    EXPECT_EQ(RunValue(), std::string(kFolder) + "\\Dapplet.exe");
    ASSERT_EQ(Balloons().size(), 1u);
    EXPECT_STREQ(Balloons()[0].record.szInfoTitle, "Welcome to Dapplet!");
    EXPECT_EQ(Balloons()[0].record.dwInfoFlags, kNiifInfo);
    EXPECT_EQ(windows.calls, (std::vector<std::string>{"task hidden", "load meter"}))
        << "ShowOnStartup opens the meter window";
    EXPECT_TRUE(form->MeterVisible);
    form->mnuExit_Click();

    // The second start neither welcomes nor writes the Run value again.
    registry.DeleteTree(kHkeyCurrentUser, "Software\\Microsoft\\Windows\\CurrentVersion\\Run");
    shell.calls.clear();
    auto second = Load();
    EXPECT_TRUE(Balloons().empty());
    EXPECT_EQ(RunValue(), "<absent>");
}

TEST_F(FrmMainTest, AnEarlierInstanceEndsTheStartWithOneLogLine) {
    Save("Settings", "Logging", "True");
    auto form = Load(true);
    EXPECT_FALSE(loaded);
    EXPECT_EQ(LogLines(),
              (std::vector<std::string>{std::string(50, '='), "Dapplet build: 7 Loading...",
                                        "frmMain_Load", "Previous Instance"}));
    EXPECT_EQ(Setting("General", "Path"), "<absent>");
    for (const NotifyIconCall& call : shell.calls) {
        EXPECT_NE(call.operation, kNimAdd) << "no icon, not even for a moment";
    }
}

TEST_F(FrmMainTest, ATrayDoubleClickTogglesTheMeterWindowOnce) {
    Save("Graph", "ShowOnStartup", "False");
    auto form = Load();
    const auto tray = [&](std::intptr_t code) {
        hooks.Send(kMainWindow, form->SysTray1.CallbackMessage(), 0, code);
    };
    constexpr std::intptr_t kDown = 0x201, kUp = 0x202, kDouble = 0x203;
    for (std::intptr_t code : {kDown, kUp, kDouble, kUp}) tray(code);
    EXPECT_TRUE(form->MeterVisible) << "opened by the press, left open by the double click";
    for (std::intptr_t code : {kDown, kUp, kDouble, kUp}) tray(code);
    EXPECT_FALSE(form->MeterVisible);
    tray(kDown);
    tray(kUp);
    EXPECT_TRUE(form->MeterVisible) << "single clicks still toggle";
}

TEST_F(FrmMainTest, EachSecondSetsTheTrayPictureAndTooltipAndFeedsTheGraph) {
    Save("Graph", "ShowOnStartup", "False");
    auto form = Load();
    // The version shows until the sampler's first tick, which comes at once.
    bool versionShown = false;
    for (const NotifyIconCall& call : shell.calls) {
        versionShown = versionShown || std::string(call.record.szTip) == "Dapplet v1.0";
    }
    EXPECT_TRUE(versionShown);
    EXPECT_EQ(form->SysTray1.Tooltip(), "Dapplet In: 0kb/s Out: 0kb/s");
    interfaces.rows = {InterfaceRowOf("lo", 1000, 1000), InterfaceRowOf("eth0", 5000 + 1536, 700)};
    clock.Advance(1000);
    EXPECT_EQ(form->SysTray1.Icon(), kPictures.pIn);
    EXPECT_EQ(form->SysTray1.Tooltip(), "Dapplet In: 1.5kb/s Out: 0kb/s");
    clock.Advance(1000);
    EXPECT_EQ(form->SysTray1.Icon(), kPictures.pNone);
    EXPECT_EQ(form->SysTray1.Tooltip(), "Dapplet In: 0kb/s Out: 0kb/s");
    EXPECT_EQ(form->NetGraph().CurHistorySize(), 3) << "the first tick, then two seconds";
}

TEST_F(FrmMainTest, TheMenuFollowsTheMeterWindowAndTheTuner) {
    Save("Graph", "ShowOnStartup", "False");
    files.Write(std::string(kFolder) + "\\quillon.exe", "MZ");
    auto form = Load();
    std::vector<std::string> names;
    for (const MenuEntry& entry : form->mnuMain()) names.push_back(entry.name);
    EXPECT_EQ(names[3], "mnuQuillon");
    EXPECT_EQ(form->mnuMain()[0].caption, "Show");
    form->OnMenuCommand(kShowCommand);
    EXPECT_EQ(form->mnuMain()[0].caption, "Hide");
    form->OnMenuCommand(kShowCommand);
    EXPECT_EQ(windows.calls.back(), "unload meter");

    form->OnMenuCommand(kQuillonCommand);
    EXPECT_EQ(windows.calls.back(), "box Quillon Not Found!!!");
    processes.Script(std::string(kFolder) + "\\quillon.exe", ScriptedProcess{});
    form->OnMenuCommand(kQuillonCommand);
    ASSERT_FALSE(processes.started.empty());
    EXPECT_EQ(processes.started.back(),
              std::make_pair(std::string(kFolder) + "\\quillon.exe", WindowState::Normal));

    form->OnMenuCommand(kFirstThemeCommand + 2);
    EXPECT_EQ(form->NetGraph().Style(), 2);
}

TEST_F(FrmMainTest, ATunerSpeltOtherwiseHidesItsItem) {
    files.Write(std::string(kFolder) + "\\QUILLON.EXE", "MZ");
    auto form = Load();
    for (const MenuEntry& entry : form->mnuMain()) EXPECT_NE(entry.name, "mnuQuillon");
}

TEST_F(FrmMainTest, ExitWritesTheSettingsAndLogsTheWholeRunInOrder) {
    Save("Settings", "Logging", "True");
    Save("Settings", "Interface", "eth0");
    Save("Graph", "ShowOnStartup", "False");
    auto form = Load();
    form->NetGraph().SetStyle(1);
    form->mnuExit_Click();
    EXPECT_EQ(Setting("Settings", "Interface"), "eth0");
    EXPECT_EQ(Setting("Graph", "BackColor"), "0");
    EXPECT_EQ(Setting("Graph", "FillUnderGraph"), "False");
    EXPECT_EQ(Setting("Graph", "AutoScale"), "True");
    EXPECT_EQ(windows.calls.back(), "end");
    EXPECT_EQ(LogLines(),
              (std::vector<std::string>{
                  std::string(50, '='), "Dapplet build: 7 Loading...", "frmMain_Load", "First Run",
                  "NumInterfaces: 2", "Interface 1: lo", "Interface 2: eth0", "cGraph_Initialize",
                  "cNetStatus_Initialize", "Adding SysTray", "frmMain_Unload", "Unloading All",
                  "Cleaning up...", "cNetStatus_Terminate", "cGraph_Terminate", "End"}));
    EXPECT_EQ(shell.calls.back().operation, kNimDelete) << "the icon goes with the program";
}

}  // namespace
}  // namespace qn::meter
