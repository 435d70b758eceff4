// The setup program as a user runs it: silently installed, both programs
// started from the installed folder, then uninstalled, which removes what
// setup put there and leaves the user's settings and hosts file alone. The
// installed programs start and close cleanly on every simulated machine.
#include <windows.h>
#include <gtest/gtest.h>
// shlobj.h needs the types of windows.h.
#include <shlobj.h>

#include <string>
#include <vector>

#include "tests/e2e/driver/files.h"
#include "tests/e2e/driver/poll.h"
#include "tests/e2e/driver/process.h"
#include "tests/e2e/driver/registry_dump.h"
#include "tests/e2e/driver/saved_file.h"
#include "tests/e2e/driver/tray.h"
#include "tests/e2e/driver/wine_prefix.h"
#include "tests/e2e/meter_session.h"
#include "tests/e2e/tuner_hosts_session.h"
#include "tests/e2e/tuner_machines.h"

namespace qn::e2e {
namespace {

constexpr const char* kUninstallKey =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Quillon";
constexpr DWORD kSetupTimeoutMs = 60000;
const std::vector<std::string> kShortcuts = {"Quillon.lnk", "Dapplet.lnk", "Quillon Help.lnk",
                                             "Uninstall Quillon.lnk"};

std::string ShellFolder(int csidl) {
    char path[MAX_PATH] = {};
    return SHGetSpecialFolderPathA(nullptr, path, csidl, FALSE) ? path : "";
}

bool FolderExists(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

std::string StartMenuFolder() {
    return ShellFolder(CSIDL_PROGRAMS) + "\\Quillon";
}

std::string SetupPath() {
#ifdef QN_SETUP_PATH
    return UnixToWinePath(QN_SETUP_PATH);
#else
    return "";
#endif
}

// Runs setup without questions; the folder it names in its uninstall entry,
// "" when it failed.
std::string InstallSilently() {
    if (RunAndWait("\"" + SetupPath() + "\" /S", kSetupTimeoutMs) != 0) return "";
    std::string folder;
    ReadRegistryString(HKEY_LOCAL_MACHINE, kUninstallKey, "InstallLocation", folder);
    return folder;
}

// The uninstaller runs on from a copy in the temporary folder: done when
// the folder, the Start-menu entries and the uninstall entry have gone.
bool UninstallSilently(const std::string& folder) {
    if (RunAndWait("\"" + folder + "\\uninstall.exe\" /S", kSetupTimeoutMs) != 0) return false;
    return PollUntil(
        [&] {
            return !FolderExists(folder) && !FolderExists(StartMenuFolder()) &&
                   !RegistryKeyExists(HKEY_LOCAL_MACHINE, kUninstallKey);
        },
        kSetupTimeoutMs);
}

// A tuner and a meter started from folder and closed as a user closes them;
// each must end with exit code 0.
void StartAndClose(const std::string& folder, Process& tuner, HWND& main) {
    ASSERT_TRUE(tuner.Start(folder + "\\quillon.exe", "classic"));
    main = WaitForTopLevelWindow(Caption::Prefix(kCaptionPrefix), kStartTimeoutMs, tuner.Id());
    ASSERT_NE(main, nullptr) << "the installed tuner did not start";
    PostMessageA(main, WM_CLOSE, 0, 0);
    EXPECT_TRUE(AnswerDialogsUntilExit(tuner, DeclineAllButExit, kExitTimeoutMs));
    EXPECT_EQ(tuner.ExitCode(), 0u);
    main = nullptr;

    SetMeterSetting("Graph", "ShowOnStartup", "False");
    Process meter;
    const std::vector<TrayIcon> before = TrayIcons();
    ASSERT_TRUE(meter.Start(folder + "\\" + kMeterExe));
    TrayIcon icon;
    ASSERT_TRUE(WaitForNewTrayIcon(before, meter, icon)) << "the installed meter did not start";
    ASSERT_TRUE(ExitMeterByMenu(meter, icon));
    EXPECT_TRUE(meter.WaitForExit(kExitTimeoutMs));
    EXPECT_EQ(meter.ExitCode(), 0u);
}

// On the machine the parameter names, with the meter and setup on its
// Windows version too.
class InstalledOnMachine : public TunerRunOnMachine {
  protected:
    void SetUp() override {
        if (SetupPath().empty()) GTEST_SKIP() << "this tree makes no setup program";
        TunerRunOnMachine::SetUp();
        if (IsSkipped() || HasFatalFailure()) return;
        ASSERT_TRUE(FileExists(SetupPath())) << SetupPath();
        const std::string version = MachineNamed(GetParam()).windowsVersion;
        for (const std::string& program : Programs()) {
            ASSERT_TRUE(SetProgramWindowsVersion(program, version));
        }
    }

    void TearDown() override {
        for (const std::string& program : Programs()) ClearProgramWindowsVersion(program);
        TunerRunOnMachine::TearDown();
    }

    static std::vector<std::string> Programs() {
        const std::string setup = SetupPath();
        return {setup.substr(setup.find_last_of('\\') + 1), "uninstall.exe", kMeterExe};
    }
};

class Installation : public InstalledOnMachine {
  protected:
    void SetUp() override {
        InstalledOnMachine::SetUp();
        if (IsSkipped() || HasFatalFailure()) return;
        ASSERT_TRUE(FileExists(hosts_) || WriteText(hosts_, "127.0.0.1 localhost\r\n"));
        hostsBefore_ = Contents(hosts_);
    }

    const std::string hosts_ = HostsPathOn(GetParam());
    const SavedFile savedHosts_{hosts_};
    std::string hostsBefore_;
};

TEST_P(Installation, InstallsBothProgramsAndUninstallsLeavingTheUsersFiles) {
    const std::string folder = InstallSilently();
    ASSERT_FALSE(folder.empty()) << "setup failed or wrote no uninstall entry";
    EXPECT_EQ(folder, ShellFolder(CSIDL_PROGRAM_FILES) + "\\Quillon");
    std::string uninstall;
    ReadRegistryString(HKEY_LOCAL_MACHINE, kUninstallKey, "UninstallString", uninstall);
    EXPECT_EQ(uninstall, "\"" + folder + "\\uninstall.exe\"");
    const std::vector<std::string> installed = {"quillon.exe", "Dapplet.exe", "sample.qlh",
                                                "quillon.hlp", "quillon.cnt"};
    for (const std::string& file : installed) {
        EXPECT_TRUE(FileExists(folder + "\\" + file)) << file;
    }
    for (const std::string& shortcut : kShortcuts) {
        EXPECT_TRUE(FileExists(StartMenuFolder() + "\\" + shortcut)) << shortcut;
    }
    ASSERT_NO_FATAL_FAILURE(StartAndClose(folder, tuner_, main_));

    // Started at log-on by the programs' own choices.
    ASSERT_TRUE(WriteRegistryString(HKEY_LOCAL_MACHINE, kRunKey, kReminderRunValue,
                                    folder + "\\quillon.exe splash"));
    ASSERT_TRUE(WriteRegistryString(HKEY_CURRENT_USER, kRunKey, "Dapplet",
                                    "\"" + folder + "\\Dapplet.exe\""));
    EXPECT_TRUE(UninstallSilently(folder));
    EXPECT_FALSE(FolderExists(folder));
    EXPECT_FALSE(FolderExists(StartMenuFolder()));
    EXPECT_FALSE(RegistryKeyExists(HKEY_LOCAL_MACHINE, kUninstallKey));
    std::string run;
    EXPECT_FALSE(ReadRegistryString(HKEY_LOCAL_MACHINE, kRunKey, kReminderRunValue, run)) << run;
    EXPECT_FALSE(ReadRegistryString(HKEY_CURRENT_USER, kRunKey, "Dapplet", run)) << run;
    std::string startupMode;
    ReadRegistryString(HKEY_CURRENT_USER, std::string(kTunerSettingsRoot) + "Settings",
                       "StartupMode", startupMode);
    EXPECT_EQ(startupMode, "1") << "the tuner's settings went";
    EXPECT_EQ(MeterSetting("Graph", "ShowOnStartup"), "False") << "the meter's settings went";
    EXPECT_EQ(Contents(hosts_), hostsBefore_);
}

INSTANTIATE_TEST_SUITE_P(Machines, Installation, ::testing::Values("win95", "winxp"),
                         VersionTestName);

// Installed once for all machines.
class InstalledPrograms : public InstalledOnMachine {
  protected:
    static void SetUpTestSuite() {
        if (!SetupPath().empty() && FileExists(SetupPath())) folder_ = InstallSilently();
    }
    static void TearDownTestSuite() {
        if (!folder_.empty()) UninstallSilently(folder_);
        folder_.clear();
    }
    static std::string folder_;
};

std::string InstalledPrograms::folder_;

TEST_P(InstalledPrograms, StartAndCloseCleanly) {
    ASSERT_FALSE(folder_.empty()) << "setup failed";
    StartAndClose(folder_, tuner_, main_);
}

std::vector<const char*> AllMachineNames() {
    std::vector<const char*> names;
    for (const Machine& machine : kMachines) names.push_back(machine.name);
    return names;
}

INSTANTIATE_TEST_SUITE_P(Machines, InstalledPrograms, ::testing::ValuesIn(AllMachineNames()),
                         [](const ::testing::TestParamInfo<const char*>& info) {
                             std::string name = info.param;
                             for (char& c : name) {
                                 if (c == '-') c = '_';
                             }
                             return name;
                         });

}  // namespace
}  // namespace qn::e2e
