// What OK may write: only values the user changed, never a rejected MTU, and
// nothing at all after loading or after a preset that matches the registry.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "platform/memory/reg_file.h"
#include "tests/unit/tuner_main_window/window_on_machine.h"
#include "tuner/core/tcpip_parameters.h"
#include "ui/headless/user_actions.h"

namespace qn {
namespace {

using testing::HeadlessTuner;
using testing::LocalMachine;
using testing::SetDword;
using testing::SetText;
using testing::ValueText;
using ui::headless::Click;
using ui::headless::Select;
using ui::headless::Type;

// Replaces everything under HKEY_LOCAL_MACHINE of one machine by another's.
void CopyLocalMachine(Registry& from, Registry& to) {
    std::vector<std::string> roots;
    char name[256];
    std::uint32_t size = sizeof name;
    for (std::uint32_t index = 0; to.EnumKey(kHkeyLocalMachine, index, name, &size) == kRegSuccess;
         ++index) {
        roots.emplace_back(name, size);
        size = sizeof name;
    }
    for (const std::string& root : roots) testing::DeleteTree(to, root);
    ASSERT_TRUE(LoadRegFile(to, LocalMachine(from)).ok());
}

void AnswerRestartWithNo(HeadlessTuner& tuner) {
    tuner.host.Script().Answer(ui::vbNo, "Restart Windows?");
    tuner.host.Script().Answer(ui::vbOK, "Please restart Windows for changes to take effect.");
}

// A stored value the window shows differently: Windows 95's 20 seconds of
// keep-alive read as 0 minutes (shown as "60mins"), an unusual TTL, an RWIN
// of 1, an MTU beyond 16 bits.
struct StoredCase {
    const char* name;
    const char* machine;
    void (*store)(Registry&);
};

class LoadThenOk : public ::testing::TestWithParam<StoredCase> {};

TEST_P(LoadThenOk, WritesNothingAndAsksNothing) {
    HeadlessTuner tuner(GetParam().machine);
    if (GetParam().store) GetParam().store(tuner.machine.registry);
    const std::string before = LocalMachine(tuner.machine.registry);
    tuner.window->Show();
    Click(tuner.window->cmd_ok);
    EXPECT_TRUE(tuner.host.Script().Shown().empty());
    EXPECT_FALSE(tuner.window->RestartNeeded);
    EXPECT_EQ(LocalMachine(tuner.machine.registry), before);
}

INSTANTIATE_TEST_SUITE_P(
    Machines, LoadThenOk,
    ::testing::Values(
        StoredCase{"win95", "win95", nullptr}, StoredCase{"dun13", "win95-dun13", nullptr},
        StoredCase{"win98", "win98", nullptr}, StoredCase{"winme", "winme", nullptr},
        StoredCase{"nt40", "nt40", nullptr}, StoredCase{"win2k", "win2k", nullptr},
        StoredCase{"winxp", "winxp", nullptr},
        StoredCase{"KeepAliveOfZeroMinutes", "win95",
                   [](Registry& r) { SetDword(r, kMstcpKey9x, "SessionKeepAlive", 20000); }},
        StoredCase{"KeepAliveTextZero", "win98",
                   [](Registry& r) { SetText(r, kMstcpKey9x, "SessionKeepAlive", "0"); }},
        StoredCase{"Ttl64", "nt40",
                   [](Registry& r) { SetDword(r, kTcpipKeyNt, "DefaultTTL", 64); }},
        StoredCase{"Rwin1", "win2k",
                   [](Registry& r) { SetDword(r, kTcpipKeyNt, "TcpWindowSize", 1); }},
        StoredCase{"Mtu40000", "winxp",
                   [](Registry& r) {
                       SetDword(
                           r,
                           std::string(kInterfacesKeyNt) + "{7A2C5E90-4B1D-4F3A-8C6E-2D9B0F1A7E34}",
                           "MTU", 40000);
                   }},
        StoredCase{"MaxMtu40000", "win98",
                   [](Registry& r) {
                       SetText(r, std::string(kNetTransKey9x) + "0005", "MaxMTU", "40000");
                   }}),
    [](const ::testing::TestParamInfo<StoredCase>& info) { return std::string(info.param.name); });

struct DefaultCase {
    const char* machine;
    std::int16_t ttl;
};

class DefaultSaved : public ::testing::TestWithParam<DefaultCase> {};

// Once Default has been saved the registry is at the defaults, and the next
// run's Default then OK finds nothing to write.
TEST_P(DefaultSaved, ThenDefaultAndOkWriteNothing) {
    const std::string hosts = "C:\\WINDOWS\\hosts";
    HeadlessTuner first(GetParam().machine);
    first.files.Write(hosts, "127.0.0.1 localhost\r\n");
    first.files.Write("C:\\WINDOWS\\system32\\drivers\\etc\\hosts", "127.0.0.1 localhost\r\n");
    first.window->Show();
    Click(first.window->cmd_preset_defaults);
    EXPECT_EQ(first.window->Settings.Ttl, GetParam().ttl);
    for (int index = 1; index <= first.window->Settings.AdapterCount; ++index) {
        const AdapterEntry& adapter = first.window->Settings.Adapters[index];
        if (adapter.Kind == kKindConnectionSharing) {
            EXPECT_EQ(adapter.Mtu, 512);
        }
    }
    AnswerRestartWithNo(first);
    Click(first.window->cmd_ok);

    HeadlessTuner second(GetParam().machine);
    CopyLocalMachine(first.machine.registry, second.machine.registry);
    second.files.Write(hosts, "127.0.0.1 localhost\r\n");
    second.files.Write("C:\\WINDOWS\\system32\\drivers\\etc\\hosts", "127.0.0.1 localhost\r\n");
    second.window->Show();
    const std::string before = LocalMachine(second.machine.registry);
    Click(second.window->cmd_preset_defaults);
    Click(second.window->cmd_ok);
    EXPECT_TRUE(second.host.Script().Shown().empty());
    EXPECT_EQ(LocalMachine(second.machine.registry), before);
}

INSTANTIATE_TEST_SUITE_P(Machines, DefaultSaved,
                         ::testing::Values(DefaultCase{"win95", 32},
                                           DefaultCase{"win95-dun13", 128},
                                           DefaultCase{"winme", 128}, DefaultCase{"nt40", 32},
                                           DefaultCase{"win2k", 128}),
                         [](const ::testing::TestParamInfo<DefaultCase>& info) {
                             std::string name = info.param.machine;
                             return name == "win95-dun13" ? std::string("win95_dun13") : name;
                         });

struct RejectedCase {
    const char* name;
    const char* machine;
    const char* typed;
};

class RejectedMtu : public ::testing::TestWithParam<RejectedCase> {};

// Choosing another adapter makes the MaxMTU group valid again; the rejected
// number must not come along to OK.
TEST_P(RejectedMtu, NeverReachesTheRegistryThroughAnotherAdapter) {
    HeadlessTuner tuner(GetParam().machine);
    MainWindow& window = *tuner.window;
    window.Show();
    const std::string before = LocalMachine(tuner.machine.registry);
    Click(window.opt_mtu_custom);
    Type(window.txt_mtu_custom, GetParam().typed);
    EXPECT_FALSE(window.cmd_ok.Enabled());
    Select(window.cmbMTUSel, 1);
    ASSERT_TRUE(window.cmd_ok.Enabled());
    Select(window.cmbMTUSel, 0);
    EXPECT_GT(window.Settings.Adapters[window.Settings.MtuAdapter].Mtu, 40);
    Click(window.cmd_ok);
    EXPECT_TRUE(tuner.host.Script().Shown().empty());
    EXPECT_EQ(LocalMachine(tuner.machine.registry), before);
}

INSTANTIATE_TEST_SUITE_P(Typed, RejectedMtu,
                         ::testing::Values(RejectedCase{"Forty", "winxp", "40"},
                                           RejectedCase{"Negative", "winxp", "-5"}),
                         [](const ::testing::TestParamInfo<RejectedCase>& info) {
                             return std::string(info.param.name);
                         });

// Choosing Custom takes the box's "1500" for the dial-up adapter; the "40"
// typed after it is refused, and x4 saves 4 x 1460, never 0.
TEST(RejectedMtuWithCalculator, LeavesTheRwinOfTheLastValidMtu) {
    HeadlessTuner tuner("win98");
    MainWindow& window = *tuner.window;
    window.Show();
    Click(window.opt_rwin_x4);
    Click(window.opt_mtu_custom);
    Type(window.txt_mtu_custom, "40");
    Select(window.cmbMTUSel, 1);
    AnswerRestartWithNo(tuner);
    Click(window.cmd_ok);
    EXPECT_EQ(ValueText(tuner.machine.registry, kMstcpKey9x, "DefaultRcvWindow"), "5840");
    EXPECT_EQ(ValueText(tuner.machine.registry, std::string(kClassNetKey9x) + "0000", "IPMTU"),
              "1500");
}

TEST(AdapterLists, FollowTheRecordAfterPrevious) {
    HeadlessTuner tuner("win98");
    MainWindow& window = *tuner.window;
    window.Show();
    Select(window.cmbMTUSel, 1);
    Click(window.cmdPresetPrevious);
    const int shown = window.ListAdapters()[window.cmbMTUSel.ListIndex()];
    EXPECT_EQ(shown, window.Settings.MtuAdapter);
    Click(window.opt_mtu_1500);
    EXPECT_EQ(window.Settings.Adapters[shown].Mtu, 1500) << "the adapter the list shows";
}

TEST(AdapterLists, TheCalculatorListShowsTheStoredAdapter) {
    HeadlessTuner tuner("win2k");
    SetDword(tuner.machine.registry, kTcpipKeyNt, "TcpWindowSize", 8192);
    tuner.machine.settings.Save("Quillon", "Settings", "RWINCalc", "2");
    MainWindow& window = *tuner.window;
    window.Show();
    ASSERT_EQ(window.Settings.RwinMultiplier, 1.0);
    EXPECT_EQ(window.cmbRWINCalc.ListIndex(), 1);
    EXPECT_EQ(window.Settings.RwinCalc, 2);
    EXPECT_EQ(window.Label7.Caption(), "1492");
}

// The NE2000's MSTCP binding names no transport: loading, the information
// box and saving all meet it, and the user hears of it once.
TEST(BrokenBinding, IsReportedOncePerRun) {
    HeadlessTuner tuner("win95");
    SetText(tuner.machine.registry, "Enum\\Network\\MSTCP\\0001", "Driver", "");
    tuner.host.Script().Answer(ui::vbOK, "Registry Error.");
    MainWindow& window = *tuner.window;
    window.Show();
    Select(window.cmbMTUSel, 1);
    tuner.host.Script().Answer(ui::vbOK);
    Click(window.cmd_mtu_info);
    Click(window.opt_mtu_576);
    AnswerRestartWithNo(tuner);
    Click(window.cmd_ok);
    int reported = 0;
    for (const auto& box : tuner.host.Script().Shown()) reported += box.prompt == "Registry Error.";
    EXPECT_EQ(reported, 1);
}

}  // namespace
}  // namespace qn
