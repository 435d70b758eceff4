// The main window's commands that lead elsewhere, on a Windows 98 and a
// Windows XP machine: a control-panel applet, the meter, the updater, the
// start-up view and warning settings, and help without a help file.
#include <windows.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "tests/e2e/driver/control_input.h"
#include "tests/e2e/driver/files.h"
#include "tests/e2e/driver/menus.h"
#include "tests/e2e/driver/poll.h"
#include "tests/e2e/driver/process.h"
#include "tests/e2e/driver/registry_dump.h"
#include "tests/e2e/driver/saved_registry_value.h"
#include "tests/e2e/driver/tray.h"
#include "tests/e2e/driver/window_finder.h"
#include "tests/e2e/meter_session.h"
#include "tests/e2e/tuner_machines.h"
#include "tests/e2e/tuner_session.h"

namespace qn::e2e {
namespace {

constexpr const char* kSettingsKey = "Software\\Quillon\\";
constexpr DWORD kProgramStartMs = 15000;

std::string TunerSetting(const std::string& section, const std::string& name) {
    std::string value;
    if (!ReadRegistryString(HKEY_CURRENT_USER, kSettingsKey + section, name, value)) {
        return "<absent>";
    }
    return value;
}

// Waits for a process of the program exeName that was not among before and
// takes it on; true when one came.
bool AttachNewProcess(const std::string& exeName, const std::vector<DWORD>& before,
                      Process& process) {
    return PollUntil(
        [&] {
            for (DWORD pid : ProcessIdsNamed(exeName)) {
                if (std::find(before.begin(), before.end(), pid) == before.end()) {
                    return process.Attach(pid);
                }
            }
            return false;
        },
        kProgramStartMs);
}

class TunerCommands : public TunerRunOnMachine {
  protected:
    void Choose(const std::vector<std::string>& path) {
        ASSERT_TRUE(ChooseMenuItem(main_, path)) << path.back() << " cannot be chosen";
    }
};

TEST_P(TunerCommands, InternetOpensTheInternetPropertiesApplet) {
    ASSERT_NO_FATAL_FAILURE(StartClassic());
    const std::vector<DWORD> before = ProcessIdsNamed("rundll32.exe");
    Choose({"&Tools", "&Control Panel", "&Internet..."});
    Process applet;
    ASSERT_TRUE(AttachNewProcess("rundll32.exe", before, applet)) << "no rundll32.exe started";
    HWND sheet = WaitForTopLevelWindow(Caption::Prefix("Internet"), kProgramStartMs, applet.Id());
    ASSERT_NE(sheet, nullptr) << "the applet showed no \"Internet ...\" window";
    PostMessageA(sheet, WM_CLOSE, 0, 0);
    EXPECT_TRUE(applet.WaitForExit(kExitTimeoutMs)) << "the applet stayed after its window closed";
    EXPECT_TRUE(tuner_.Running());
}

TEST_P(TunerCommands, TheMeterStartsFromTheMenuAndFromTheGraph) {
#ifndef QN_E2E_HAVE_DAPPLET
    GTEST_SKIP() << "this tree does not build " << kMeterExe;
#endif
    ASSERT_NO_FATAL_FAILURE(StartClassic());
    HWND graph = FindGraphBox(main_);
    ASSERT_NE(graph, nullptr) << "no single graph box";
    const std::vector<std::pair<const char*, std::function<void()>>> ways = {
        {"menu",
         [this] {
             Choose({"&Tools", "&Dapplet"});
         }},
        {"graph", [graph] { ClickMiddle(graph); }},
    };
    for (const auto& [way, start] : ways) {
        ForgetMeter();
        const std::vector<TrayIcon> icons = TrayIcons();
        const std::vector<DWORD> before = ProcessIdsNamed(kMeterExe);
        start();
        Process meter;
        ASSERT_TRUE(AttachNewProcess(kMeterExe, before, meter)) << "no meter from the " << way;
        TrayIcon icon;
        ASSERT_TRUE(WaitForNewTrayIcon(icons, meter, icon)) << "no meter icon from the " << way;
        EXPECT_TRUE(ExitMeterByMenu(meter, icon)) << way;
    }
    ForgetMeter();
}

// The updater, a stand-in that records its command line, lies beside the
// tuner only for this test.
TEST_P(TunerCommands, TheUpdaterGetsStartItAndTheTunerEndsWithoutAsking) {
    const std::string updater = BesideProgram("Rellsync.exe");
    const std::string record = updater + ".args";
    struct Cleanup {
        std::string updater, record;
        ~Cleanup() {
            PollUntil([&] { return DeleteFileA(updater.c_str()) || !FileExists(updater); }, 5000);
            DeleteFileA(record.c_str());
        }
    } cleanup{updater, record};
    DeleteFileA(record.c_str());
    ASSERT_TRUE(
        CopyFileA(BesideProgram("qn_command_recorder.exe").c_str(), updater.c_str(), FALSE));
    ASSERT_NO_FATAL_FAILURE(StartClassic());

    Choose({"Product &Updates", "&Download from Internet"});
    AnswerMessageBox(tuner_,
                     "This will exit Quillon and run the Internet Update Utility,\r"
                     "do you wish to continue?",
                     {"Yes", "No"}, "Yes");
    std::vector<std::string> shown;
    EXPECT_TRUE(EndsShowing(tuner_, shown)) << "the tuner did not end";
    EXPECT_TRUE(shown.empty()) << "shown on the way out:" << Joined(shown);

    std::string commandLine;
    EXPECT_TRUE(PollUntil([&] { return ReadWholeFile(record, commandLine); }, kProgramStartMs));
    EXPECT_EQ(commandLine, "\"" + updater + "\" StartIt\r\n");
}

TEST_P(TunerCommands, StartupViewItemsAndResetStoreTheirSettings) {
    const SavedRegistryValue savedMode(HKEY_CURRENT_USER, kSettingsKey + std::string("Settings"),
                                       "StartupMode");
    const std::string warnings = kSettingsKey + std::string("Warnings");
    const std::vector<std::pair<const char*, const char*>> reset = {
        {"findmtu", "0"}, {"hosts", "0"}, {"Startup", "1"}};
    std::deque<SavedRegistryValue> savedWarnings;
    for (const auto& [name, value] : reset) {
        savedWarnings.emplace_back(HKEY_CURRENT_USER, warnings, name);
        ASSERT_TRUE(WriteRegistryString(HKEY_CURRENT_USER, warnings, name,
                                        std::string(value) == "0" ? "1" : "0"));
    }
    ASSERT_NO_FATAL_FAILURE(StartClassic());

    const char* const advanced = "Start Quillon with &Advanced View";
    const char* const wizard = "Start Quillon with &Wizard View";
    // Each click flips its own item; the other shows the opposite.
    const std::vector<std::pair<const char*, const char*>> clicks = {
        {wizard, "0"}, {wizard, "1"}, {advanced, "0"}, {advanced, "1"}};
    // Every click changes the setting: the change shows the click was handled.
    for (const auto& [item, mode] : clicks) {
        const std::string before = TunerSetting("Settings", "StartupMode");
        Choose({"&Wizards", item});
        PollUntil([&] { return TunerSetting("Settings", "StartupMode") != before; }, 3000);
        EXPECT_EQ(TunerSetting("Settings", "StartupMode"), mode) << item;
    }
    // The ticks after the last click (each flip is checked natively): every
    // read of the menu loads a probe into the tuner, so they are kept few.
    const std::vector<MenuEntry> tree = MenuTree(main_);
    const MenuEntry* advancedEntry = FindMenuEntry(tree, {"&Wizards", advanced});
    const MenuEntry* wizardEntry = FindMenuEntry(tree, {"&Wizards", wizard});
    ASSERT_TRUE(advancedEntry != nullptr && wizardEntry != nullptr);
    EXPECT_TRUE(advancedEntry->Checked());
    EXPECT_FALSE(wizardEntry->Checked());

    Choose({"&Help", "&Reset Warning Messages"});
    for (const auto& [name, value] : reset) {
        EXPECT_TRUE(PollUntil([&] { return TunerSetting("Warnings", name) == value; }, 3000))
            << name << " is " << TunerSetting("Warnings", name);
    }
    // Before the saved values come back.
    EXPECT_TRUE(CloseTuner(tuner_, main_));
}

INSTANTIATE_TEST_SUITE_P(Machines, TunerCommands, ::testing::Values("win98", "winxp"),
                         VersionTestName);

}  // namespace
}  // namespace qn::e2e
