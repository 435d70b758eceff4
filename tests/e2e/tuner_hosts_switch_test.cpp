// The hosts switch ("Enable" in "Local Domain Name Lookup") on a Windows 98
// and a Windows XP machine: the file moves aside and back, the log-on
// reminder's Run value follows, and a copy that fails loses nothing.
#include <windows.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "tests/e2e/driver/control_input.h"
#include "tests/e2e/driver/files.h"
#include "tests/e2e/driver/menus.h"
#include "tests/e2e/driver/poll.h"
#include "tests/e2e/driver/process.h"
#include "tests/e2e/driver/saved_file.h"
#include "tests/e2e/driver/saved_registry_value.h"
#include "tests/e2e/driver/window_finder.h"
#include "tests/e2e/run_key.h"
#include "tests/e2e/tuner_machines.h"
#include "tests/e2e/tuner_session.h"

namespace qn::e2e {
namespace {

constexpr const char* kMine = "127.0.0.1 localhost\r\n10.0.0.2 printer\r\n";
constexpr DWORD kMoveTimeoutMs = 3000;

std::string Contents(const std::string& path) {
    std::string contents;
    return ReadWholeFile(path, contents) ? contents : "<none>";
}

class HostsSwitch : public TunerRunOnMachine {
  protected:
    void SetUp() override {
        TunerRunOnMachine::SetUp();
        if (IsSkipped() || HasFatalFailure()) return;
        ASSERT_TRUE(WriteWholeFile(hosts_, std::vector<uint8_t>(kMine, kMine + strlen(kMine))));
        DeleteFileA(disabled_.c_str());
    }

    void TearDown() override {
        TunerRunOnMachine::TearDown();
        DeleteFileA(disabled_.c_str());
    }

    // Starts the tuner and finds the check box and the button beside it.
    void Start() {
        ASSERT_NO_FATAL_FAILURE(StartClassic());
        enable_ = FindButtonInFrame(main_, "Local Domain Name Lookup", "Enable");
        configure_ = FindButton(main_, "Configure Hosts File");
        ASSERT_TRUE(enable_ != nullptr && configure_ != nullptr);
    }

    bool MenuItemGrayed() {
        const MenuEntry* item = FindMenuEntry(MenuTree(main_), {"&Tools", "&Configure Hosts File"});
        return item == nullptr || item->Grayed();
    }

    // The box, both ways to the hosts editor and the Run value show on; the
    // handler may still be at work when the file has moved.
    void ExpectSwitch(bool on) {
        const std::string run = on ? TunerRunValueWhileHostsOn() : "<absent>";
        PollUntil(
            [&] {
                return IsChecked(enable_) == on && IsEnabled(configure_) == on &&
                       MenuItemGrayed() == !on && TunerRunValue() == run;
            },
            kMoveTimeoutMs);
        EXPECT_EQ(IsChecked(enable_), on);
        EXPECT_EQ(IsEnabled(configure_), on);
        EXPECT_EQ(MenuItemGrayed(), !on);
        EXPECT_EQ(TunerRunValue(), run);
    }

    const std::string hosts_ = HostsPathOn(GetParam());
    const std::string disabled_ = BesideProgram("Disabled Hosts.qlh");
    const SavedFile savedHosts_{hosts_};
    const SavedRegistryValue savedRun_{HKEY_LOCAL_MACHINE, kRunKey, kReminderRunValue};
    HWND enable_ = nullptr;
    HWND configure_ = nullptr;
};

TEST_P(HostsSwitch, ClearingMovesTheFileAsideAndTickingBringsItBack) {
    ASSERT_NO_FATAL_FAILURE(Start());
    ExpectSwitch(true);

    Click(enable_);
    EXPECT_TRUE(PollUntil([&] { return !FileExists(hosts_); }, kMoveTimeoutMs)) << hosts_;
    EXPECT_EQ(Contents(disabled_), kMine);
    ExpectSwitch(false);

    Click(enable_);
    EXPECT_TRUE(PollUntil([&] { return !FileExists(disabled_); }, kMoveTimeoutMs)) << disabled_;
    EXPECT_EQ(Contents(hosts_), kMine);
    ExpectSwitch(true);
}

// Root ignores file permissions under Wine: a folder in the way makes the
// copy fail instead.
TEST_P(HostsSwitch, ACopyThatFailsKeepsTheFileAndSaysSo) {
    ASSERT_TRUE(CreateDirectoryA(disabled_.c_str(), nullptr));
    struct RemoveFolder {
        std::string path;
        ~RemoveFolder() { RemoveDirectoryA(path.c_str()); }
    } removeFolder{disabled_};
    ASSERT_NO_FATAL_FAILURE(Start());

    Click(enable_);
    AnswerMessageBox(tuner_,
                     "Quillon could not copy \"" + hosts_ + "\" to \"" + disabled_ +
                         "\". The hosts file has been left as it was.",
                     {"OK"}, "OK");
    EXPECT_EQ(Contents(hosts_), kMine);
    ExpectSwitch(true);
}

INSTANTIATE_TEST_SUITE_P(Machines, HostsSwitch, ::testing::Values("win98", "winxp"),
                         VersionTestName);

}  // namespace
}  // namespace qn::e2e
