#include "tuner/ui/tuner_forms.h"

#include "tuner/ui/hosts_enabled_window.h"
#include "tuner/ui/main_window.h"

namespace qn {

TunerForms::TunerForms(ui::Application& app, TunerServices& services)
    : app_(app),
      services_(services),
      environment_(services.os, services.directories, services.versions),
      settings_(services.settings),
      detection_(app, services.processes, services.files, services.clock, environment_) {}

TunerForms::~TunerForms() = default;

void TunerForms::ShowSplashReminder() {
    HostsEnabled reminder(app_, services_.drawing);
    reminder.Show();
    app_.WaitUntil([&reminder] { return reminder.SplashClosed(); });
}

bool TunerForms::OpenFindMtuWarning() {
    if (!findMtuWarning_) {
        findMtuWarning_ = std::make_unique<WarningWindow>(app_, kFindMtuWarning, settings_,
                                                          [this] { OpenFindMtu(); });
    }
    findMtuWarning_->Show();
    return true;
}

bool TunerForms::OpenHostsWarning() {
    if (!hostsWarning_) {
        hostsWarning_ = std::make_unique<WarningWindow>(app_, kHostsWarning, settings_,
                                                        [this] { OpenHosts(); });
    }
    hostsWarning_->Show();
    return true;
}

HostsWindow& TunerForms::HostsEditor() {
    if (!hosts_) hosts_ = std::make_unique<HostsWindow>(app_, services_, detection_, *mainWindow_);
    return *hosts_;
}

void TunerForms::OpenHosts() {
    HostsEditor().Show();
}

bool TunerForms::OpenWizard() {
    if (!wizard_) wizard_ = std::make_unique<WizardWindow>(app_, *mainWindow_, services_, *this);
    wizard_->Show();
    return true;
}

void TunerForms::ShowStartupViewDialog() {
    if (!startupView_) startupView_ = std::make_unique<StartupViewWindow>(app_, settings_);
    startupView_->Ask(mainWindow_->CurrentView);
}

void TunerForms::OpenFindMtu() {
    if (!findMtu_) {
        findMtu_ = std::make_unique<FindMtuWindow>(app_, detection_, *mainWindow_,
                                                   mainWindow_->txt_mtu_custom);
    }
    findMtu_->Show();
}

}  // namespace qn
