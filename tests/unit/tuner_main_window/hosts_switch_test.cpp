// The hosts switch: the file moves between its place and the switched-off
// copy, the log-on reminder's Run value follows, and no file is ever lost.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "tests/unit/tuner_main_window/window_on_machine.h"
#include "ui/headless/user_actions.h"

namespace qn {
namespace {

using testing::HeadlessTuner;
using testing::ValueText;
using ui::headless::Click;

const std::string kHosts = "C:\\WINDOWS\\hosts";  // Windows 98
const std::string kDisabled = testing::kTunerFolder + "\\Disabled Hosts.qlh";
const std::string kRunKey = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
const std::string kMine = "127.0.0.1 localhost\r\n10.0.0.2 printer\r\n";
const std::string kOther = "127.0.0.1 localhost\r\n";

class HostsSwitchTest : public ::testing::Test {
  protected:
    // Loads with the files as given; the box follows the hosts file.
    void Load(std::optional<std::string> hosts, std::optional<std::string> disabled) {
        if (hosts) tuner.files.Write(kHosts, *hosts);
        if (disabled) tuner.files.Write(kDisabled, *disabled);
        window.Show();
    }
    std::optional<std::string> File(const std::string& path) const {
        return tuner.files.ReadAll(path);
    }
    std::optional<std::string> RunValue() {
        return ValueText(tuner.machine.registry, kRunKey, "Quillon");
    }
    void ExpectSwitch(bool on) {
        EXPECT_EQ(window.chk_hosts.Value(), on ? ui::vbChecked : ui::vbUnchecked);
        EXPECT_EQ(window.Settings.HostsFileEnabled, on ? 1 : 0);
        EXPECT_EQ(window.cmd_hosts.Enabled(), on);
        EXPECT_EQ(window.confighosts.Enabled(), on);
        EXPECT_EQ(RunValue(),
                  on ? std::optional<std::string>(testing::kTunerFolder + "\\quillon.exe splash")
                     : std::nullopt);
    }
    size_t BoxesShown() { return tuner.host.Script().Shown().size(); }

    HeadlessTuner tuner{"win98"};
    MainWindow& window = *tuner.window;
};

TEST_F(HostsSwitchTest, OffMovesTheFileAsideAndOnBringsItBack) {
    Load(kMine, std::nullopt);
    ExpectSwitch(true);
    Click(window.chk_hosts);
    EXPECT_EQ(File(kHosts), std::nullopt);
    EXPECT_EQ(File(kDisabled), kMine);
    ExpectSwitch(false);
    Click(window.chk_hosts);
    EXPECT_EQ(File(kHosts), kMine);
    EXPECT_EQ(File(kDisabled), std::nullopt);
    ExpectSwitch(true);
    EXPECT_EQ(BoxesShown(), 0u);
}

TEST_F(HostsSwitchTest, WithoutFilesOnlyTheRunValueAndTheButtonsFollow) {
    Load(std::nullopt, std::nullopt);
    ExpectSwitch(false);
    Click(window.chk_hosts);
    EXPECT_EQ(File(kHosts), std::nullopt) << "nothing to bring back";
    ExpectSwitch(true);
    Click(window.chk_hosts);
    EXPECT_EQ(File(kDisabled), std::nullopt) << "nothing to move aside";
    ExpectSwitch(false);
}

TEST_F(HostsSwitchTest, CancelAndPresetsPutTheFileWhereTheBoxSays) {
    Load(kMine, std::nullopt);
    Click(window.chk_hosts);
    Click(window.cmd_preset_optimum);
    EXPECT_EQ(File(kHosts), kMine);
    Click(window.chk_hosts);
    Click(window.cmd_cancel);
    EXPECT_EQ(File(kHosts), kMine) << "as it was at load";
    EXPECT_EQ(File(kDisabled), std::nullopt);
}

// Loading finds the file switched off and a new hosts file in its place (put
// there by other software): the box is ticked, so the switched-off copy comes
// back, and the newer file is kept beside it.
TEST_F(HostsSwitchTest, AFileAlreadyInPlaceIsKeptBesideIt) {
    tuner.files.Write(kHosts + ".bak", "an older backup");
    tuner.host.Script().Answer(ui::vbOK, "A file was already at \"" + kHosts +
                                             "\". It has been kept as \"" + kHosts + ".2.bak\".");
    Load(kOther, kMine);
    EXPECT_EQ(File(kHosts), kMine);
    EXPECT_EQ(File(kHosts + ".2.bak"), kOther);
    EXPECT_EQ(File(kHosts + ".bak"), "an older backup");
    EXPECT_EQ(File(kDisabled), std::nullopt);
    EXPECT_EQ(BoxesShown(), 1u) << "loading runs the switch once";
}

TEST_F(HostsSwitchTest, AReadOnlyApplicationFolderKeepsTheFileInPlace) {
    Load(kMine, std::nullopt);
    tuner.files.SetReadOnly(testing::kTunerFolder);
    tuner.host.Script().Answer(ui::vbOK);
    Click(window.chk_hosts);
    EXPECT_EQ(File(kHosts), kMine);
    EXPECT_EQ(File(kDisabled), std::nullopt);
    ExpectSwitch(true);
    EXPECT_EQ(tuner.host.Script().Shown().back().prompt,
              "Quillon could not copy \"" + kHosts + "\" to \"" + kDisabled +
                  "\". The hosts file has been left as it was.");
}

// Through the box and through a preset: each failed move is reported once.
TEST_F(HostsSwitchTest, AFullDiskKeepsTheSwitchedOffCopyAndLeavesNoShortFile) {
    Load(std::nullopt, kMine);
    tuner.files.SetCapacity(kMine.size() + 10);
    tuner.host.Script().Answer(ui::vbOK);
    Click(window.chk_hosts);
    EXPECT_EQ(File(kDisabled), kMine);
    EXPECT_EQ(File(kHosts), std::nullopt);
    ExpectSwitch(false);
    EXPECT_EQ(BoxesShown(), 1u);
    tuner.host.Script().Answer(ui::vbOK);
    Click(window.cmd_preset_defaults);
    EXPECT_EQ(BoxesShown(), 2u);
    EXPECT_EQ(File(kDisabled), kMine);
}

}  // namespace
}  // namespace qn
