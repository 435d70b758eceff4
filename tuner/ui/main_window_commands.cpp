// The main window's commands that lead elsewhere: control-panel applets, the
// meter, the updater, help, the About box, the adapter-information box, the
// windows in front of the MTU finder and the hosts editor, and the hosts
// switch.
#include "tuner/core/adapter_discovery.h"
#include "tuner/core/adapter_information.h"
#include "tuner/core/hosts_switch.h"
#include "tuner/ui/about_window.h"
#include "tuner/ui/help_topics.h"
#include "tuner/ui/main_window.h"
#include "ui/application.h"

namespace qn {

namespace {

constexpr const char* kControlPanel = "rundll32.exe shell32.dll,Control_RunDLL ";

// A program path in quotes, so that a folder with spaces cannot start another
// program whose name is the path's first part.
std::string ProgramCommand(const std::string& path) {
    return "\"" + path + "\"";
}

}  // namespace

void MainWindow::ConnectCommandHandlers() {
    CPLNetwork.Click.Connect([this] { CPLNetwork_Click(); });
    CPLModems.Click.Connect([this] { CPLModems_Click(); });
    CPLInternet.Click.Connect([this] { CPLInternet_Click(); });
    CPLSystem.Click.Connect([this] { CPLSystem_Click(); });
    mnuDapplet.Click.Connect([this] { mnuDapplet_Click(); });
    pDapplet.Click.Connect([this] { pDapplet_Click(); });
    mtufind.Click.Connect([this] { mtufind_Click(); });
    cmd_mtu_find.Click.Connect([this] { cmd_mtu_find_Click(); });
    confighosts.Click.Connect([this] { confighosts_Click(); });
    cmd_hosts.Click.Connect([this] { cmd_hosts_Click(); });
    mnuOptWiz.Click.Connect([this] { mnuOptWiz_Click(); });
    DownloadUpdate.Click.Connect([this] { DownloadUpdate_Click(); });
    contents.Click.Connect([this] { contents_Click(); });
    aboutmenu.Click.Connect([this] { aboutmenu_Click(); });
    cmd_about.Click.Connect([this] { cmd_about_Click(); });
    cmd_mtu_info.Click.Connect([this] { cmd_mtu_info_Click(); });
}

void MainWindow::RunControlPanel(const char* applet) {
    if (const auto started =
            services_.processes.Start(kControlPanel + std::string(applet), WindowState::Shown)) {
        services_.processes.Close(*started);
    }
}

void MainWindow::CPLNetwork_Click() {
    RunControlPanel(environment_.IsWinNT() ? "ncpa.cpl" : "netcpl.cpl");
}

void MainWindow::StartMeter() {
    const auto started = services_.processes.Start(
        ProgramCommand(environment_.AppPath() + "\\Dapplet.exe"), WindowState::Normal);
    if (!started) {
        App().MsgBox("Dapplet Not Found!!!");
        return;
    }
    services_.processes.Close(*started);
}

void MainWindow::DownloadUpdate_Click() {
    const std::string question = std::string("This will exit Quillon and run the Internet ") +
                                 "Update Utility,\rdo you wish to continue?";
    if (App().MsgBox(question, ui::vbYesNo, "Quillon") != ui::vbYes) return;
    const auto started = services_.processes.Start(
        ProgramCommand(environment_.AppPath() + "\\Rellsync.exe") + " StartIt",
        WindowState::Normal);
    if (!started) {
        App().MsgBox("Internet Update Utility Not Found!!!");
        return;
    }
    services_.processes.Close(*started);
    // The updater replaces the program's files: nothing is saved and no exit
    // question is asked.
    StopThroughputGraph();
    App().End();
}

void MainWindow::contents_Click() {
    ShowHelpTopics(*this, services_.files, services_.shell, helpFile_);
}

void MainWindow::cmd_about_Click() {
    AboutWindow about(App(), services_.shell);
    about.Show(ui::ShowMode::Modal, this);
}

void MainWindow::ShowInsteadOfMainWindow(bool (TunerWindows::*open)()) {
    if ((windows_.*open)()) Hide();
}

void MainWindow::cmd_mtu_info_Click() {
    const int position = cmbMTUSel.ListIndex();
    if (position < 0 || position >= static_cast<int>(listToAdapter_.size())) return;
    AdapterDiscovery discovery = Discovery();
    const AdapterInformation information = DescribeAdapterLocation(
        discovery, environment_, Settings.Adapters[listToAdapter_[position]], position + 1);
    App().MsgBox(information.text, ui::vbOKOnly, information.title);
}

// The check box's action: the file moves only once loading has set the flag,
// and a move that fails leaves every file and the box as they were.
void MainWindow::chk_hosts_Click() {
    if (restoringHostsOption_) return;
    HostsSwitch hostsSwitch(services_.files, Context(), environment_);
    bool enabled = chk_hosts.Value() == ui::vbChecked;
    if (formLoaded_) {
        const HostsMove move = enabled ? hostsSwitch.MoveFileOn() : hostsSwitch.MoveFileOff();
        if (!move.message.empty()) App().MsgBox(move.message, ui::vbExclamation);
        if (!move.moved) {
            enabled = services_.files.FileExists(environment_.GetHostsPath());
            restoringHostsOption_ = true;
            chk_hosts.SetValue(enabled ? ui::vbChecked : ui::vbUnchecked);
            restoringHostsOption_ = false;
        }
    }
    Settings.HostsFileEnabled = enabled ? 1 : 0;
    cmd_hosts.SetEnabled(enabled);
    confighosts.SetEnabled(enabled);
    if (enabled) {
        hostsSwitch.WriteRunValue();
    } else {
        hostsSwitch.DeleteRunValue();
    }
}

}  // namespace qn
