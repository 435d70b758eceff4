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
    ConnectCommandHandlers();
    chk_hosts.Click.Connect([this] { chk_hosts_Click(); });
    cmbMTUSel.Click.Connect([this] { cmbMTUSel_Click(); });
    cmbRWINCalc.Click.Connect([this] { cmbRWINCalc_Click(); });
    mnuStartupAdvanced.Click.Connect([this] { mnuStartupAdvanced_Click(); });
    mnuStartupWizard.Click.Connect([this] { mnuStartupWizard_Click(); });
    resetmessages.Click.Connect([this] { resetmessages_Click(); });
}

RegistryContext MainWindow::Context() {
    return RegistryContext{services_.registry, App().GetHost().Boxes()};
}

AdapterDiscovery MainWindow::Discovery() {
    AdapterDiscovery discovery(Context(), environment_);
    discovery.ReportRegistryErrorsOnce(reportedRegistryErrors_);
    return discovery;
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

// Each item flips its own tick; the other always shows the opposite, and the
// view ticked is the one stored.
void MainWindow::mnuStartupAdvanced_Click() {
    SetStartupViewTicks(!mnuStartupAdvanced.Checked());
}

void MainWindow::mnuStartupWizard_Click() {
    SetStartupViewTicks(mnuStartupWizard.Checked());
}

void MainWindow::SetStartupViewTicks(bool advanced) {
    mnuStartupAdvanced.SetChecked(advanced);
    mnuStartupWizard.SetChecked(!advanced);
    options_.SetStartupView(advanced ? StartupView::Classic : StartupView::Wizard);
}

void MainWindow::resetmessages_Click() {
    options_.ResetWarningMessages();
}

}  // namespace qn
