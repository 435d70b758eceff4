#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/unit/tuner_ui/tuner_session_helpers.h"
#include "tuner/core/settings_loading.h"
#include "ui/headless/user_actions.h"
#include "version.h"

namespace qn {
namespace {

using testing::HeadlessTuner;
using testing::SetDword;

std::vector<std::string> Items(const ui::ListControl& list) {
    std::vector<std::string> items;
    for (int i = 0; i < list.ListCount(); ++i) items.push_back(list.List(i));
    return items;
}

const char* const kNtTcpip = "System\\CurrentControlSet\\Services\\Tcpip\\Parameters";

class TunerOnEachMachine : public ::testing::TestWithParam<std::string> {};

TEST_P(TunerOnEachMachine, CaptionNamesTheWindowsFamily) {
    HeadlessTuner tuner(GetParam());
    tuner.window->Show();
    const std::string machine = GetParam();
    const std::string suffix = machine == "win95"         ? " Win95"
                               : machine == "win95-dun13" ? " Win95(DUN1.3)"
                               : machine == "win98"       ? " Win98"
                               : machine == "winme"       ? " Win98"
                               : machine == "nt40"        ? " WinNT"
                               : machine == "win2k"       ? " Windows 2000"
                                                          : " Windows XP";
    EXPECT_EQ(tuner.window->Caption(), VersionCaption() + suffix);
    EXPECT_EQ(tuner.window->Label2.Caption(), VersionCaption());
}

TEST_P(TunerOnEachMachine, BothListsOfferTheValidAdaptersAndTheTextNamesTheInvalidOnes) {
    HeadlessTuner tuner(GetParam());
    MainWindow& window = *tuner.window;
    window.Show();
    const TcpipSettings& settings = window.Settings;
    ASSERT_GT(settings.AdapterCount, 0) << "every machine has adapters";

    std::vector<std::string> expected;
    for (int index : ListedAdapters(settings)) expected.push_back(settings.Adapters[index].Label);
    EXPECT_EQ(Items(window.cmbMTUSel), expected);
    EXPECT_EQ(Items(window.cmbRWINCalc), expected);
    EXPECT_EQ(window.ListAdapters(), ListedAdapters(settings));

    std::string invalid = "Invalid Adapters:\r\n";
    for (int index = 1; index <= settings.AdapterCount; ++index) {
        if (settings.Adapters[index].Invalid)
            invalid += " * " + settings.Adapters[index].Label + "\r\n";
    }
    EXPECT_EQ(window.Text1.Text(), invalid);

    ASSERT_FALSE(expected.empty());
    EXPECT_EQ(window.cmbMTUSel.ListIndex(), 0);
    EXPECT_EQ(window.cmbRWINCalc.ListIndex(), 0);
    EXPECT_EQ(settings.MtuAdapter, window.ListAdapters().front());
    EXPECT_EQ(window.cmbMTUSel.ToolTipText(), expected.front());
}

TEST_P(TunerOnEachMachine, LoadingTakesTheSnapshotAndLeavesTheRegistryAlone) {
    HeadlessTuner tuner(GetParam());
    std::string before;
    ASSERT_EQ(SaveRegFile(tuner.machine.registry, kHkeyLocalMachine, "", &before), kRegSuccess);
    tuner.window->Show();
    std::string after;
    ASSERT_EQ(SaveRegFile(tuner.machine.registry, kHkeyLocalMachine, "", &after), kRegSuccess);
    EXPECT_EQ(after, before);
    EXPECT_EQ(tuner.machine.registry.OpenHandleCount(), 0u) << "every key opened was closed";

    const TcpipSettings& now = tuner.window->Settings;
    const TcpipSettings& previous = tuner.window->Previous;
    EXPECT_EQ(previous.AdapterCount, now.AdapterCount);
    EXPECT_EQ(previous.Rwin, now.Rwin);
    EXPECT_EQ(previous.Ttl, now.Ttl);
    EXPECT_EQ(previous.RwinCalc, now.RwinCalc);
    EXPECT_EQ(previous.Adapters[1].Label, now.Adapters[1].Label);
}

INSTANTIATE_TEST_SUITE_P(Machines, TunerOnEachMachine, ::testing::ValuesIn(testing::MachineNames()),
                         [](const ::testing::TestParamInfo<std::string>& info) {
                             std::string name = info.param;
                             for (char& c : name) {
                                 if (c == '-') c = '_';
                             }
                             return name;
                         });

TEST(TunerStart, TheNtFamilyHasNoKeepAliveAndNoMtuFinder) {
    for (const char* machine : {"nt40", "win2k", "winxp", "win98", "win95"}) {
        HeadlessTuner tuner(machine);
        MainWindow& window = *tuner.window;
        window.Show();
        const bool nt = window.Env().IsWinNT();
        for (ui::Control* control : std::initializer_list<ui::Control*>{
                 &window.opt_Session_60, &window.opt_Session_Cst, &window.txt_Session_Cst,
                 &window.vscr_session_custom, &window.cmd_mtu_find}) {
            EXPECT_EQ(control->Enabled(), !nt) << machine << " " << control->Name();
        }
        EXPECT_EQ(window.mtufind.Enabled(), !nt) << machine;
    }
}

TEST(TunerStart, ASplashRunShowsOnlyTheReminderAndEnds) {
    HeadlessTuner shown("win98", "splash");
    shown.window->Show();
    EXPECT_EQ(shown.windows.calls, std::vector<std::string>{"splash"});
    EXPECT_TRUE(shown.app.Ended());
    EXPECT_FALSE(shown.window->Loaded());
    EXPECT_EQ(shown.Setting("Version", "Build"), "<absent>") << "nothing else of the start ran";

    HeadlessTuner disabled("win98", "splash");
    disabled.machine.settings.Save("Quillon", "Settings", "NoSplash", "1");
    disabled.window->Show();
    EXPECT_TRUE(disabled.windows.calls.empty());
    EXPECT_TRUE(disabled.app.Ended());

    HeadlessTuner capital("win98", "Splash");
    capital.window->Show();
    EXPECT_TRUE(capital.window->Loaded()) << "only the exact word is a splash run";
    EXPECT_FALSE(capital.app.Ended());
}

TEST(TunerStart, ASecondInstanceSaysSoAndEndsBeforeTouchingAnything) {
    HeadlessTuner tuner("win98", "classic", true);
    tuner.host.Script().Answer(ui::vbOK, "A previous instance of Quillon is running.");
    tuner.window->Show();
    ASSERT_EQ(tuner.host.Script().Shown().size(), 1u);
    EXPECT_EQ(tuner.host.Script().Shown()[0].title, "Quillon");
    EXPECT_EQ(tuner.host.Script().Shown()[0].buttons, ui::vbOKOnly);
    EXPECT_TRUE(tuner.app.Ended());
    EXPECT_EQ(tuner.Setting("Version", "Build"), "<absent>");
    EXPECT_EQ(tuner.Setting("Settings", "StartupMode"), "<absent>");
}

TEST(TunerStart, TheSplashOptionIsRevealedOnlyWhenItIsSet) {
    HeadlessTuner plain("win98");
    const int height = plain.window->ClientHeight();
    plain.window->Show();
    EXPECT_FALSE(plain.window->chk_splash.Visible());
    EXPECT_EQ(plain.window->ClientHeight(), height);
    EXPECT_EQ(plain.Setting("Settings", "NoSplash"), "<absent>");

    HeadlessTuner set("win98");
    set.machine.settings.Save("Quillon", "Settings", "NoSplash", "1");
    set.window->Show();
    MainWindow& window = *set.window;
    EXPECT_TRUE(window.chk_splash.Visible());
    EXPECT_EQ(window.chk_splash.Value(), ui::vbChecked);
    EXPECT_EQ(window.ClientHeight(), height + 400);
    // Below everything else, inside the added band.
    EXPECT_GT(window.chk_splash.GetBounds().top, height);
    EXPECT_LE(window.chk_splash.GetBounds().top + window.chk_splash.GetBounds().height,
              height + 400);
    EXPECT_EQ(set.Setting("Settings", "NoSplash"), "1");

    ui::headless::Click(window.chk_splash);
    EXPECT_EQ(set.Setting("Settings", "NoSplash"), "<absent>");
}

TEST(TunerStart, ANewBuildBringsTheWarningsBackOnce) {
    HeadlessTuner tuner("win98");
    SettingsStore& store = tuner.machine.settings;
    store.Save("Quillon", "Version", "Build", "0");
    store.Save("Quillon", "Warnings", "findmtu", "1");
    store.Save("Quillon", "Warnings", "Startup", "0");
    tuner.window->Show();
    EXPECT_EQ(tuner.Setting("Version", "Build"), std::to_string(QN_VERSION_REVISION));
    EXPECT_EQ(tuner.Setting("Warnings", "findmtu"), "0");
    EXPECT_EQ(tuner.Setting("Warnings", "hosts"), "0");
    EXPECT_EQ(tuner.Setting("Warnings", "Startup"), "1");

    HeadlessTuner again("win98");
    again.machine.settings.Save("Quillon", "Version", "Build", std::to_string(QN_VERSION_REVISION));
    again.machine.settings.Save("Quillon", "Warnings", "findmtu", "1");
    again.window->Show();
    EXPECT_EQ(again.Setting("Warnings", "findmtu"), "1");
}

TEST(TunerStart, CommandsForMissingProgramsAreHidden) {
    HeadlessTuner missing("win98");
    missing.window->Show();
    EXPECT_FALSE(missing.window->InetUpdate.Visible());
    EXPECT_FALSE(missing.window->mnuDapplet.Visible());

    HeadlessTuner present("win98");
    present.files.Write("C:\\Program Files\\Quillon\\Rellsync.exe", "MZ");
    present.files.Write("C:\\Program Files\\Quillon\\Dapplet.exe", "MZ");
    present.window->Show();
    EXPECT_TRUE(present.window->InetUpdate.Visible());
    EXPECT_TRUE(present.window->mnuDapplet.Visible());
}

TEST(TunerStart, TheHostsFileCountsWhereTheFamilyKeepsIt) {
    HeadlessTuner nine("win98");
    nine.files.Write("C:\\WINDOWS\\hosts", "127.0.0.1 localhost\r\n");
    nine.window->Show();
    EXPECT_EQ(nine.window->Settings.HostsFileEnabled, 1);
    EXPECT_EQ(nine.window->chk_hosts.Value(), ui::vbChecked);

    HeadlessTuner nt("winxp");
    nt.files.Write("C:\\WINDOWS\\hosts", "127.0.0.1 localhost\r\n");
    nt.window->Show();
    EXPECT_EQ(nt.window->Settings.HostsFileEnabled, 0) << "NT keeps it in drivers\\etc";

    HeadlessTuner ntWithFile("winxp");
    ntWithFile.files.Write("C:\\WINDOWS\\system32\\drivers\\etc\\hosts", "");
    ntWithFile.window->Show();
    EXPECT_EQ(ntWithFile.window->Settings.HostsFileEnabled, 1);
}

TEST(TunerStart, TheRwinMultiplierComesFromTheStoredCalculatorAdapter) {
    HeadlessTuner whole("winxp");
    SetDword(whole.machine.registry, kNtTcpip, "TcpWindowSize", 5840);
    whole.machine.settings.Save("Quillon", "Settings", "RWINCalc", "7");
    whole.window->Show();
    const TcpipSettings& settings = whole.window->Settings;
    ASSERT_LT(settings.AdapterCount, 7);
    EXPECT_EQ(settings.RwinCalc, 1);
    ASSERT_EQ(settings.Adapters[1].Mtu, 1500);
    EXPECT_EQ(settings.RwinMultiplier, 4.0);

    HeadlessTuner fraction("winxp");
    SetDword(fraction.machine.registry, kNtTcpip, "TcpWindowSize", 8192);
    fraction.window->Show();
    EXPECT_EQ(fraction.window->Settings.RwinMultiplier, 1.0);
}

TEST(TunerStart, TheViewComesFromTheCommandLineOrTheStoredChoice) {
    HeadlessTuner capitals("win98", "CLASSIC");
    capitals.machine.settings.Save("Quillon", "Settings", "StartupMode", "0");
    capitals.window->Show();
    EXPECT_TRUE(capitals.window->ViewChosenByCommandLine());
    EXPECT_TRUE(capitals.window->mnuStartupAdvanced.Checked());
    EXPECT_FALSE(capitals.window->mnuStartupWizard.Checked());
    EXPECT_EQ(capitals.Setting("Settings", "StartupMode"), "1");
    EXPECT_TRUE(capitals.windows.calls.empty());

    HeadlessTuner stored("win98", "");
    stored.window->Show();
    EXPECT_FALSE(stored.window->ViewChosenByCommandLine());
    EXPECT_EQ(stored.windows.calls, std::vector<std::string>{"wizard"});
    EXPECT_TRUE(stored.window->mnuStartupWizard.Checked());
    EXPECT_EQ(stored.Setting("Settings", "StartupMode"), "0");
    EXPECT_TRUE(stored.window->Loaded()) << "without a wizard the classic view stays";

    HeadlessTuner wizard("win98", "wizard");
    wizard.machine.settings.Save("Quillon", "Settings", "StartupMode", "1");
    wizard.window->Show();
    EXPECT_EQ(wizard.windows.calls, std::vector<std::string>{"wizard"});
    EXPECT_EQ(wizard.Setting("Settings", "StartupMode"), "0");
}

}  // namespace
}  // namespace qn
