#include "tuner/ui/main_window.h"

#include "ui/application.h"
#include "version.h"

namespace qn {

std::string VersionCaption() {
    return "Quillon v" + std::to_string(QN_VERSION_MAJOR) + "." + std::to_string(QN_VERSION_MINOR);
}

MainWindow::MainWindow(ui::Application& app, TunerServices& services, TunerWindows& windows)
    : ui::Form(app, "MainWindow"),
      services_(services),
      windows_(windows),
      environment_(services.os, services.directories, services.versions),
      options_(services.settings) {
    SetCaption(VersionCaption());
    SetBorderStyle(ui::BorderStyle::FixedSingle);
    SetCaptionsAndTips();
    LayOutControls();
    ConnectHandlers();
}

MainWindow::~MainWindow() = default;

void MainWindow::ConnectHandlers() {
    ConnectModelHandlers();
    chk_splash.Click.Connect([this] { chk_splash_Click(); });
    chk_hosts.Click.Connect([this] { chk_hosts_Click(); });
    cmbMTUSel.Click.Connect([this] { cmbMTUSel_Click(); });
    cmbRWINCalc.Click.Connect([this] { cmbRWINCalc_Click(); });
    CPLNetwork.Click.Connect([this] { CPLNetwork_Click(); });
    CPLModems.Click.Connect([this] { CPLModems_Click(); });
    CPLInternet.Click.Connect([this] { CPLInternet_Click(); });
    CPLSystem.Click.Connect([this] { CPLSystem_Click(); });
    mnuDapplet.Click.Connect([this] { mnuDapplet_Click(); });
    pDapplet.Click.Connect([this] { pDapplet_Click(); });
    mtufind.Click.Connect([this] { mtufind_Click(); });
    confighosts.Click.Connect([this] { confighosts_Click(); });
    cmd_hosts.Click.Connect([this] { cmd_hosts_Click(); });
    mnuOptWiz.Click.Connect([this] { mnuOptWiz_Click(); });
    mnuStartupAdvanced.Click.Connect([this] { mnuStartupAdvanced_Click(); });
    mnuStartupWizard.Click.Connect([this] { mnuStartupWizard_Click(); });
    DownloadUpdate.Click.Connect([this] { DownloadUpdate_Click(); });
    contents.Click.Connect([this] { contents_Click(); });
    resetmessages.Click.Connect([this] { resetmessages_Click(); });
    aboutmenu.Click.Connect([this] { aboutmenu_Click(); });
}

void MainWindow::chk_splash_Click() {
    options_.SetNoSplash(chk_splash.Value() == ui::vbChecked);
}

void MainWindow::cmbMTUSel_Click() {
    const int position = cmbMTUSel.ListIndex();
    if (position < 0 || position >= static_cast<int>(listToAdapter_.size())) return;
    Settings.MtuAdapter = static_cast<std::int16_t>(listToAdapter_[position]);
    cmbMTUSel.SetToolTipText(Settings.Adapters[Settings.MtuAdapter].Label);
    UpdateMTUUI();
    cmbMTUSel.SetFocus();
}

void MainWindow::cmbRWINCalc_Click() {
    const int position = cmbRWINCalc.ListIndex();
    if (position < 0 || position >= static_cast<int>(listToAdapter_.size())) return;
    Settings.RwinCalc = static_cast<std::int16_t>(listToAdapter_[position]);
    cmbRWINCalc.SetToolTipText(Settings.Adapters[Settings.RwinCalc].Label);
    UpdateRwinUI();
    cmbRWINCalc.SetFocus();
}

// The record follows the box; moving the file itself comes with the hosts
// manager, and never while the window is still loading.
void MainWindow::chk_hosts_Click() {
    Settings.HostsFileEnabled = chk_hosts.Value() == ui::vbChecked ? 1 : 0;
}

void MainWindow::mnuStartupAdvanced_Click() {
    mnuStartupAdvanced.SetChecked(true);
    mnuStartupWizard.SetChecked(false);
    options_.SetStartupView(StartupView::Classic);
}

void MainWindow::mnuStartupWizard_Click() {
    mnuStartupWizard.SetChecked(true);
    mnuStartupAdvanced.SetChecked(false);
    options_.SetStartupView(StartupView::Wizard);
}

void MainWindow::resetmessages_Click() {
    options_.ResetWarningMessages();
}

}  // namespace qn
