#pragma once
// The tuner's windows that the main window opens, made when first needed and
// kept, with what lives as long as the program (the MTU search's busy count).
#include <memory>

#include "tuner/core/environment.h"
#include "tuner/core/tuner_settings.h"
#include "tuner/ui/find_mtu_window.h"
#include "tuner/ui/hosts_window.h"
#include "tuner/ui/mtu_detection.h"
#include "tuner/ui/startup_view_window.h"
#include "tuner/ui/tuner_services.h"
#include "tuner/ui/warning_window.h"
#include "tuner/ui/wizard_window.h"

namespace qn {

class MainWindow;

class TunerForms : public TunerWindows {
  public:
    TunerForms(ui::Application& app, TunerServices& services);
    ~TunerForms() override;

    // The window the finder hides behind it and whose custom MaxMTU box its
    // Apply fills; set before anything is opened.
    void SetMainWindow(MainWindow& mainWindow) { mainWindow_ = &mainWindow; }

    void ShowSplashReminder() override;
    bool OpenFindMtuWarning() override;
    bool OpenHostsWarning() override;
    bool OpenWizard() override;
    // The hosts editor, made when first needed; not loaded by this.
    HostsWindow& HostsEditor();
    WizardWindow* Wizard() const { return wizard_.get(); }
    void ShowStartupViewDialog() override;
    StartupViewWindow* StartupViewDialog() const { return startupView_.get(); }

    // Null until first opened.
    WarningWindow* FindMtuWarning() const { return findMtuWarning_.get(); }
    FindMtuWindow* FindMtu() const { return findMtu_.get(); }
    mtudetection& Detection() { return detection_; }
    WarningWindow* HostsWarning() const { return hostsWarning_.get(); }
    HostsWindow* Hosts() const { return hosts_.get(); }

  private:
    void OpenFindMtu();
    void OpenHosts();

    ui::Application& app_;
    TunerServices& services_;
    Environment environment_;
    TunerSettings settings_;
    mtudetection detection_;
    MainWindow* mainWindow_ = nullptr;
    std::unique_ptr<WarningWindow> findMtuWarning_;
    std::unique_ptr<FindMtuWindow> findMtu_;
    std::unique_ptr<WarningWindow> hostsWarning_;
    std::unique_ptr<HostsWindow> hosts_;
    std::unique_ptr<StartupViewWindow> startupView_;
    std::unique_ptr<WizardWindow> wizard_;
};

}  // namespace qn
