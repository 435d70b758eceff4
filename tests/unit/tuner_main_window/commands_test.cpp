// The main window's commands that lead elsewhere: programs it starts, help,
// the About box, the adapter-information box and the start-up view.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "tests/unit/tuner_main_window/window_on_machine.h"
#include "tuner/ui/about_window.h"
#include "ui/headless/user_actions.h"
#include "version.h"

namespace qn {
namespace {

using testing::HeadlessTuner;
using ui::headless::Choose;
using ui::headless::Click;

const std::string kMeterCommand = "\"" + testing::kTunerFolder + "\\Dapplet.exe\"";
const std::string kUpdaterCommand = "\"" + testing::kTunerFolder + "\\Rellsync.exe\" StartIt";
const std::string kUpdaterQuestion =
    "This will exit Quillon and run the Internet Update Utility,\rdo you wish to continue?";

// The tuner with the meter and the updater beside it, as installed.
class Commands : public ::testing::Test {
  protected:
    explicit Commands(const char* machine = "win98") : tuner(machine) {
        tuner.files.Write(testing::kTunerFolder + "\\Rellsync.exe", "MZ");
        tuner.files.Write(testing::kTunerFolder + "\\Dapplet.exe", "MZ");
        tuner.window->Show();
    }
    void Runs(const std::string& commandPrefix) {
        tuner.processes.Script(commandPrefix, ScriptedProcess{});
    }
    std::vector<ui::headless::ShownBox> Shown() { return tuner.host.Script().Shown(); }

    HeadlessTuner tuner;
    MainWindow& window = *tuner.window;
};

struct ControlPanelCase {
    const char* machine;
    const char* item;
    const char* applet;
};

class ControlPanel : public ::testing::TestWithParam<ControlPanelCase> {};

TEST_P(ControlPanel, RunsTheAppletShownWithoutWaiting) {
    HeadlessTuner tuner(GetParam().machine);
    tuner.processes.Script("rundll32.exe", ScriptedProcess{});
    tuner.window->Show();
    Choose(*tuner.window->FindMenu(GetParam().item));
    const std::pair<std::string, WindowState> expected{
        std::string("rundll32.exe shell32.dll,Control_RunDLL ") + GetParam().applet,
        WindowState::Shown};
    EXPECT_EQ(tuner.processes.started,
              (std::vector<std::pair<std::string, WindowState>>{expected}));
    EXPECT_EQ(tuner.processes.OpenHandles(), 0u);
    EXPECT_TRUE(tuner.host.Script().Shown().empty());
}

INSTANTIATE_TEST_SUITE_P(Applets, ControlPanel,
                         ::testing::Values(ControlPanelCase{"win95", "CPLNetwork", "netcpl.cpl"},
                                           ControlPanelCase{"winme", "CPLNetwork", "netcpl.cpl"},
                                           ControlPanelCase{"nt40", "CPLNetwork", "ncpa.cpl"},
                                           ControlPanelCase{"winxp", "CPLNetwork", "ncpa.cpl"},
                                           ControlPanelCase{"win98", "CPLModems", "modem.cpl"},
                                           ControlPanelCase{"win2k", "CPLInternet", "inetcpl.cpl"},
                                           ControlPanelCase{"win98", "CPLSystem", "sysdm.cpl"}),
                         [](const ::testing::TestParamInfo<ControlPanelCase>& info) {
                             return std::string(info.param.item) + "_" +
                                    (info.param.machine[3] == 'x' ? "xp" : "9x") +
                                    std::to_string(info.index);
                         });

TEST_F(Commands, TheMeterStartsFromTheMenuAndFromTheGraph) {
    Runs(kMeterCommand);
    Choose(window.mnuDapplet);
    Click(window.pDapplet);
    const std::pair<std::string, WindowState> meter{kMeterCommand, WindowState::Normal};
    EXPECT_EQ(tuner.processes.started,
              (std::vector<std::pair<std::string, WindowState>>{meter, meter}));
    EXPECT_TRUE(Shown().empty());
}

TEST_F(Commands, AMeterThatCannotStartIsNotFound) {
    tuner.host.Script().Answer(ui::vbOK, "Dapplet Not Found!!!");
    Choose(window.mnuDapplet);
    EXPECT_EQ(Shown().size(), 1u);
    EXPECT_TRUE(window.Loaded());
}

TEST(MeterCommand, TheGraphDoesNothingWhenTheMeterIsMissing) {
    HeadlessTuner tuner("win98");
    tuner.processes.Script(kMeterCommand, ScriptedProcess{});
    tuner.window->Show();
    ASSERT_FALSE(tuner.window->mnuDapplet.Visible());
    Click(tuner.window->pDapplet);
    EXPECT_TRUE(tuner.processes.started.empty());
    EXPECT_TRUE(tuner.host.Script().Shown().empty());
}

TEST_F(Commands, TheUpdaterEndsTheTunerAtOnceWithoutSavingOrAsking) {
    Runs(kUpdaterCommand);
    Click(window.opt_ttl_32);  // a change that must not be saved
    const std::string before = testing::LocalMachine(tuner.machine.registry);
    tuner.host.Script().Answer(ui::vbYes, kUpdaterQuestion);
    Choose(window.DownloadUpdate);

    EXPECT_EQ(Shown().front().title, "Quillon");
    EXPECT_EQ(Shown().front().buttons, ui::vbYesNo);
    EXPECT_EQ(
        tuner.processes.started,
        (std::vector<std::pair<std::string, WindowState>>{{kUpdaterCommand, WindowState::Normal}}));
    EXPECT_TRUE(tuner.app.Ended());
    EXPECT_EQ(Shown().size(), 1u) << "no exit question, no restart question";
    EXPECT_TRUE(tuner.windows.calls.empty()) << "no start-up-view dialog";
    EXPECT_EQ(testing::LocalMachine(tuner.machine.registry), before);
}

TEST_F(Commands, TheUpdaterAnsweredNoOrMissingLeavesTheTunerRunning) {
    tuner.host.Script().Answer(ui::vbNo, kUpdaterQuestion);
    Choose(window.DownloadUpdate);
    tuner.host.Script().Answer(ui::vbYes, kUpdaterQuestion);
    tuner.host.Script().Answer(ui::vbOK, "Internet Update Utility Not Found!!!");
    Choose(window.DownloadUpdate);
    EXPECT_TRUE(tuner.processes.started.empty());
    EXPECT_EQ(Shown().size(), 3u);
    EXPECT_TRUE(window.Loaded());
    EXPECT_FALSE(tuner.app.Ended());
}

TEST_F(Commands, StartupViewItemsFlipTogetherAndStoreTheTickedView) {
    ASSERT_TRUE(window.mnuStartupAdvanced.Checked());
    const std::vector<std::pair<ui::MenuItem*, const char*>> clicks = {
        {&window.mnuStartupWizard, "0"},
        {&window.mnuStartupWizard, "1"},
        {&window.mnuStartupAdvanced, "0"},
        {&window.mnuStartupAdvanced, "1"}};
    for (const auto& [item, mode] : clicks) {
        Choose(*item);
        const bool advanced = std::string(mode) == "1";
        EXPECT_EQ(window.mnuStartupAdvanced.Checked(), advanced) << item->Name();
        EXPECT_EQ(window.mnuStartupWizard.Checked(), !advanced) << item->Name();
        EXPECT_EQ(tuner.Setting("Settings", "StartupMode"), mode) << item->Name();
    }
}

TEST_F(Commands, ResetWarningMessagesShowsEveryWarningAgain) {
    tuner.machine.settings.Save("Quillon", "Warnings", "findmtu", "1");
    tuner.machine.settings.Save("Quillon", "Warnings", "hosts", "1");
    tuner.machine.settings.Save("Quillon", "Warnings", "Startup", "0");
    Choose(window.resetmessages);
    EXPECT_EQ(tuner.Setting("Warnings", "findmtu"), "0");
    EXPECT_EQ(tuner.Setting("Warnings", "hosts"), "0");
    EXPECT_EQ(tuner.Setting("Warnings", "Startup"), "1");
}

TEST_F(Commands, ContentsOpensTheHelpTopicsOrSaysTheFileIsMissing) {
    const std::string helpFile = testing::kTunerFolder + "\\quillon.hlp";
    tuner.host.Script().Answer(ui::vbOK, "The help file \"" + helpFile + "\" was not found.");
    Choose(window.contents);
    EXPECT_TRUE(tuner.shell.helped.empty()) << "the help viewer would wait on its own box";

    tuner.files.Write(helpFile, "?_");
    Choose(window.contents);
    ASSERT_EQ(tuner.shell.helped.size(), 1u);
    EXPECT_EQ(tuner.shell.helped[0].helpFile, helpFile);
    EXPECT_EQ(tuner.shell.helped[0].command, 11u);
}

// The warnings in front of the MTU finder and the hosts editor hide the main
// window only once they are there to lead back to it.
TEST_F(Commands, WarningWindowsHideTheMainWindowOnlyWhenTheyOpen) {
    tuner.files.Write("C:\\WINDOWS\\hosts", "127.0.0.1 localhost\r\n");
    Click(window.chk_hosts);  // on: the hosts commands are enabled
    ASSERT_TRUE(window.cmd_hosts.Enabled());
    Click(window.cmd_mtu_find);
    Choose(window.mtufind);
    Click(window.cmd_hosts);
    Choose(window.confighosts);
    EXPECT_TRUE(window.Visible()) << "nothing opened yet: the window stays usable";

    tuner.windows.warningsOpen = true;
    Click(window.cmd_hosts);
    EXPECT_FALSE(window.Visible());
    window.Show();
    Choose(window.mtufind);
    EXPECT_FALSE(window.Visible());
    EXPECT_EQ(tuner.windows.calls,
              (std::vector<std::string>{"find mtu warning", "find mtu warning", "hosts warning",
                                        "hosts warning", "hosts warning", "find mtu warning"}));
}

void CloseAboutWhenShown(HeadlessTuner& tuner, AboutWindow** seen) {
    tuner.host.Post([&tuner, seen] {
        for (ui::Form* form : tuner.app.Forms()) {
            if (auto* about = dynamic_cast<AboutWindow*>(form)) {
                *seen = about;
                Click(about->Label4);
                Click(about->Label5);
                EXPECT_TRUE(about->IsModal());
                EXPECT_EQ(about->lblVersion.Caption(), "Version " +
                                                           std::to_string(QN_VERSION_MAJOR) + "." +
                                                           std::to_string(QN_VERSION_MINOR) + "." +
                                                           std::to_string(QN_VERSION_REVISION));
                EXPECT_NE(about->lblWarning.Caption().find(
                              std::string("In no event will the author or ") + kDistribution.name +
                              " be liable"),
                          std::string::npos);
                Click(about->Command1);
            }
        }
    });
}

TEST_F(Commands, AboutOpensModallyWithTheVersionAndItsLinks) {
    for (auto open : {+[](MainWindow& w) { Click(w.cmd_about); },
                      +[](MainWindow& w) { Choose(w.aboutmenu); }}) {
        AboutWindow* seen = nullptr;
        CloseAboutWhenShown(tuner, &seen);
        open(window);
        EXPECT_NE(seen, nullptr);
    }
    const std::string mail =
        std::string("mailto:") + kDistribution.supportAddress + "?subject=Quillon";
    EXPECT_EQ(tuner.shell.opened,
              (std::vector<std::string>{mail, kDistribution.webPage, mail, kDistribution.webPage}));
    EXPECT_TRUE(window.Loaded());
}

TEST(AboutWindowTest, AnEmptySupportAddressIsHidden) {
    HeadlessTuner tuner("win98");
    const Distribution quiet{"A distributor", "", "http://example.org/"};
    AboutWindow about(tuner.app, tuner.shell, quiet);
    about.Show();
    EXPECT_FALSE(about.Label4.Visible());
    EXPECT_EQ(about.Label5.Caption(), "http://example.org/");
    EXPECT_EQ(about.lblWarning.Caption().rfind("The author and A distributor disclaim", 0), 0u);
}

struct InfoCase {
    const char* machine;
    int listPosition;  // from 1
    const char* label;
    const char* text;
};

class AdapterInformationBox : public ::testing::TestWithParam<InfoCase> {};

TEST_P(AdapterInformationBox, NamesWhereTheAdapterKeepsItsMtu) {
    const InfoCase& c = GetParam();
    HeadlessTuner tuner(c.machine);
    tuner.window->Show();
    ui::headless::Select(tuner.window->cmbMTUSel, c.listPosition - 1);
    tuner.host.Script().Answer(ui::vbOK, std::string(c.text));
    Click(tuner.window->cmd_mtu_info);
    ASSERT_EQ(tuner.host.Script().Shown().size(), 1u);
    EXPECT_EQ(tuner.host.Script().Shown()[0].title, std::string("Quillon - ") + c.label);
    EXPECT_EQ(tuner.host.Script().Shown()[0].buttons, ui::vbOKOnly);
}

INSTANTIATE_TEST_SUITE_P(
    Machines, AdapterInformationBox,
    ::testing::Values(
        InfoCase{"win2k", 2, "Xircom CardBus Ethernet 10/100 Adapter",
                 "MTU Registry Location:\rHKEY_LOCAL_MACHINE\\SYSTEM\\CurrentControlSet\\Services\\"
                 "Tcpip\\Parameters\\Interfaces\\{2F6B9C51-0D7A-4E88-A4C3-7B1E5D20C9A6}\r\r"
                 "Quillon Adapter ID Number: 2"},
        InfoCase{"nt40", 1, "[10] Intel(R) PRO/100B PCI Adapter (TX)",
                 "MTU Registry Location:\rHKEY_LOCAL_MACHINE\\SYSTEM\\CurrentControlSet\\Services\\"
                 "E100B1\\Parameters\\Tcpip\r\rQuillon Adapter ID Number: 1"},
        InfoCase{"win95", 2, "NE2000 Compatible (Hardware - ISA)",
                 "MaxMTU Registry Location:\rHKEY_LOCAL_MACHINE\\System\\CurrentControlSet\\"
                 "Services\\Class\\NetTrans\\0002\r\rQuillon Adapter ID Number: 2"},
        InfoCase{"winme", 1, "Internet Connection Sharing (ICS)",
                 "InternetMTU Registry Location:\rHKEY_LOCAL_MACHINE\\System\\CurrentControlSet\\"
                 "Services\\ICSharing\\Settings\\General\r\rQuillon Adapter ID Number: 1"},
        InfoCase{"winme", 3, "Microsoft Virtual Private Networking Adapter (Software)",
                 "IPMTU Registry Location:\rHKEY_LOCAL_MACHINE\\System\\CurrentControlSet\\"
                 "Services\\Class\\Net\\0002\r\rQuillon Adapter ID Number: 3"},
        InfoCase{"win98", 2, "NE2000 Compatible (Hardware - ISA)",
                 "MaxMTU Registry Location:\rHKEY_LOCAL_MACHINE\\System\\CurrentControlSet\\"
                 "Services\\Class\\NetTrans\\0002\r\rQuillon Adapter ID Number: 2"}),
    [](const ::testing::TestParamInfo<InfoCase>& info) {
        std::string name = info.param.machine;
        return name + "_" + std::to_string(info.param.listPosition);
    });

}  // namespace
}  // namespace qn
