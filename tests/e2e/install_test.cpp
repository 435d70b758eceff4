// The setup program as a user runs it: silently installed, both programs
// started from the installed folder, then uninstalled, which removes what
// setup put there and leaves the user's settings and hosts file alone.
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

std::string FileName(const std::string& path) {
    return path.substr(path.find_last_of("\\/") + 1);
}

class Installation : public TunerRunOnMachine {
  protected:
    void SetUp() override {
#ifndef QN_SETUP_PATH
        GTEST_SKIP() << "this tree makes no setup program (makensis or zip missing)";
#else
        TunerRunOnMachine::SetUp();
        if (IsSkipped() || HasFatalFailure()) return;
        setup_ = UnixToWinePath(QN_SETUP_PATH);
        ASSERT_TRUE(FileExists(setup_)) << setup_;
        for (const std::string& program : Programs()) {
            ASSERT_TRUE(SetProgramWindowsVersion(program, GetParam()));
        }
        ASSERT_TRUE(FileExists(hosts_) || WriteText(hosts_, "127.0.0.1 localhost\r\n"));
        ASSERT_TRUE(ReadWholeFile(hosts_, hostsBefore_));
#endif
    }

    void TearDown() override {
        for (const std::string& program : Programs()) ClearProgramWindowsVersion(program);
        TunerRunOnMachine::TearDown();
    }

    std::vector<std::string> Programs() const {
        return {FileName(setup_), "uninstall.exe", kMeterExe};
    }

    std::string setup_;
    const std::string hosts_ = HostsPathOn(GetParam());
    const SavedFile savedHosts_{hosts_};
    std::string hostsBefore_;
};

TEST_P(Installation, InstallsBothProgramsAndUninstallsLeavingTheUsersFiles) {
    ASSERT_EQ(RunAndWait("\"" + setup_ + "\" /S", kSetupTimeoutMs), 0);
    std::string folder;
    ASSERT_TRUE(ReadRegistryString(HKEY_LOCAL_MACHINE, kUninstallKey, "InstallLocation", folder))
        << "no uninstall entry";
    EXPECT_EQ(folder, ShellFolder(CSIDL_PROGRAM_FILES) + "\\Quillon");
    std::string uninstall;
    ReadRegistryString(HKEY_LOCAL_MACHINE, kUninstallKey, "UninstallString", uninstall);
    EXPECT_EQ(uninstall, "\"" + folder + "\\uninstall.exe\"");
    std::vector<std::string> installed = {"quillon.exe", "Dapplet.exe", "sample.qlh"};
    if (FileExists(BesideProgram("quillon.hlp"))) installed.push_back("quillon.hlp");
    for (const std::string& file : installed) {
        EXPECT_TRUE(FileExists(folder + "\\" + file)) << file;
    }
    const std::string menu = ShellFolder(CSIDL_PROGRAMS) + "\\Quillon";
    for (const std::string& shortcut : kShortcuts) {
        EXPECT_TRUE(FileExists(menu + "\\" + shortcut)) << shortcut;
    }

    ASSERT_TRUE(tuner_.Start(folder + "\\quillon.exe", "classic"));
    main_ = WaitForMainWindow(tuner_);
    ASSERT_NE(main_, nullptr) << "the installed tuner did not start";
    ASSERT_TRUE(CloseTuner(tuner_, main_));
    main_ = nullptr;
    SetMeterSetting("Graph", "ShowOnStartup", "False");
    Process meter;
    const std::vector<TrayIcon> before = TrayIcons();
    ASSERT_TRUE(meter.Start(folder + "\\" + kMeterExe));
    TrayIcon icon;
    ASSERT_TRUE(WaitForNewTrayIcon(before, meter, icon)) << "the installed meter did not start";
    ASSERT_TRUE(ExitMeterByMenu(meter, icon));

    // Started at log-on by the programs' own choices.
    ASSERT_TRUE(WriteRegistryString(HKEY_LOCAL_MACHINE, kRunKey, kReminderRunValue,
                                    folder + "\\quillon.exe splash"));
    ASSERT_TRUE(WriteRegistryString(HKEY_CURRENT_USER, kRunKey, "Dapplet",
                                    "\"" + folder + "\\Dapplet.exe\""));
    // The uninstaller runs on from a copy in the temporary folder.
    ASSERT_EQ(RunAndWait("\"" + folder + "\\uninstall.exe\" /S", kSetupTimeoutMs), 0);
    PollUntil(
        [&] {
            return !FolderExists(folder) && !FolderExists(menu) &&
                   !RegistryKeyExists(HKEY_LOCAL_MACHINE, kUninstallKey);
        },
        kSetupTimeoutMs);
    EXPECT_FALSE(FolderExists(folder));
    EXPECT_FALSE(FolderExists(menu));
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

}  // namespace
}  // namespace qn::e2e
