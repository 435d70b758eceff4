#pragma once
// The tuner's main window: its menus and version label so far.
#include <string>

#include "ui/form.h"
#include "ui/menu_item.h"
#include "ui/simple_controls.h"

namespace qn {

// "Quillon v" + major + "." + minor.
std::string VersionCaption();

class MainWindow : public ui::Form {
  public:
    explicit MainWindow(ui::Application& app);

    ui::Label Label2{*this, "Label2"};

    ui::MenuItem tools{*this, "tools", "&Tools"};
    ui::MenuItem mnuControlPanel{tools, "mnuControlPanel", "&Control Panel"};
    ui::MenuItem CPLNetwork{mnuControlPanel, "CPLNetwork", "&Network..."};
    ui::MenuItem CPLModems{mnuControlPanel, "CPLModems", "&Modems..."};
    ui::MenuItem CPLInternet{mnuControlPanel, "CPLInternet", "&Internet..."};
    ui::MenuItem CPLSystem{mnuControlPanel, "CPLSystem", "&System..."};
    ui::MenuItem mnuDapplet{tools, "mnuDapplet", "&Dapplet"};
    ui::MenuItem mtufind{tools, "mtufind", "&MaxMTU Finder"};
    ui::MenuItem confighosts{tools, "confighosts", "&Configure Hosts File"};

    ui::MenuItem mnuWizardMain{*this, "mnuWizardMain", "&Wizards"};
    ui::MenuItem mnuOptWiz{mnuWizardMain, "mnuOptWiz", "&Optimization Wizard..."};
    ui::MenuItem mnuStartupAdvanced{mnuWizardMain, "mnuStartupAdvanced",
                                    "Start Quillon with &Advanced View"};
    ui::MenuItem mnuStartupWizard{mnuWizardMain, "mnuStartupWizard",
                                  "Start Quillon with &Wizard View"};

    ui::MenuItem InetUpdate{*this, "InetUpdate", "Product &Updates"};
    ui::MenuItem DownloadUpdate{InetUpdate, "DownloadUpdate", "&Download from Internet"};

    ui::MenuItem topics{*this, "topics", "&Help"};
    ui::MenuItem contents{topics, "contents", "&Contents"};
    ui::MenuItem resetmessages{topics, "resetmessages", "&Reset Warning Messages"};
    ui::MenuItem aboutmenu{topics, "aboutmenu", "&About"};

  protected:
    void Form_Load() override;
    void Form_Unload(bool& cancel) override;

  private:
    void ConnectHandlers();

    // Commands still to be wired to their windows and services.
    void CPLNetwork_Click() {}
    void CPLModems_Click() {}
    void CPLInternet_Click() {}
    void CPLSystem_Click() {}
    void mnuDapplet_Click() {}
    void mtufind_Click() {}
    void confighosts_Click() {}
    void mnuOptWiz_Click() {}
    void mnuStartupAdvanced_Click() {}
    void mnuStartupWizard_Click() {}
    void DownloadUpdate_Click() {}
    void contents_Click() {}
    void resetmessages_Click() {}
    void aboutmenu_Click() {}
};

}  // namespace qn
