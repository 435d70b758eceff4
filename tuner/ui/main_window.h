#pragma once
// The tuner's main window: the classic view of the TCP/IP settings, and the
// program's start.
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "platform/drawing_surface.h"
#include "throughput/graph.h"
#include "throughput/net_status.h"
#include "tuner/core/adapter_discovery.h"
#include "tuner/core/environment.h"
#include "tuner/core/tcpip_parameters.h"
#include "tuner/core/tcpip_settings.h"
#include "tuner/core/tuner_settings.h"
#include "tuner/ui/tuner_services.h"
#include "ui/check_box.h"
#include "ui/command_button.h"
#include "ui/form.h"
#include "ui/list_control.h"
#include "ui/menu_item.h"
#include "ui/option_button.h"
#include "ui/scroll_bar.h"
#include "ui/simple_controls.h"
#include "ui/text_box.h"

namespace qn {

// "Quillon v" + major + "." + minor.
std::string VersionCaption();

class MainWindow : public ui::Form {
  public:
    MainWindow(ui::Application& app, TunerServices& services, TunerWindows& windows);
    ~MainWindow() override;

    // Loads the window and shows it, unless the wizard opened in its place.
    void Start() {
        Load();
        if (Loaded() && !openedInWizard_) Show();
    }

    const Environment& Env() const { return environment_; }
    // The record the window edits, and the one read at start.
    TcpipSettings Settings;
    TcpipSettings Previous;
    // Set by saving; asks for a restart on the way out.
    bool RestartNeeded = false;
    // 1 while the classic view is in use, 0 while the wizard is.
    int CurrentView = 1;
    bool ViewChosenByCommandLine() const { return viewChosenByCommandLine_; }
    // The adapter behind each position of the two adapter lists.
    const std::vector<int>& ListAdapters() const { return listToAdapter_; }

    ui::Frame frm_mtu{*this, "frm_mtu"};
    ui::ComboBox cmbMTUSel{*this, "cmbMTUSel", &frm_mtu};
    ui::CommandButton cmd_mtu_info{*this, "cmd_mtu_info", &frm_mtu};
    ui::OptionButton opt_mtu_auto{*this, "opt_mtu_auto", &frm_mtu};
    ui::OptionButton opt_mtu_576{*this, "opt_mtu_576", &frm_mtu};
    ui::OptionButton opt_mtu_1500{*this, "opt_mtu_1500", &frm_mtu};
    ui::OptionButton opt_mtu_custom{*this, "opt_mtu_custom", &frm_mtu};
    ui::TextBox txt_mtu_custom{*this, "txt_mtu_custom", &frm_mtu};
    ui::CommandButton cmd_mtu_find{*this, "cmd_mtu_find", &frm_mtu};
    ui::Label Label9{*this, "Label9", &frm_mtu};
    ui::Label Label8{*this, "Label8", &frm_mtu};

    ui::Frame frm_rwin{*this, "frm_rwin"};
    ui::Label lblRwinCalc{*this, "lblRwinCalc", &frm_rwin};
    ui::ComboBox cmbRWINCalc{*this, "cmbRWINCalc", &frm_rwin};
    ui::OptionButton opt_rwin_default{*this, "opt_rwin_default", &frm_rwin};
    ui::OptionButton opt_rwin_x4{*this, "opt_rwin_x4", &frm_rwin};
    ui::OptionButton opt_rwin_x6{*this, "opt_rwin_x6", &frm_rwin};
    ui::OptionButton opt_rwin_x8{*this, "opt_rwin_x8", &frm_rwin};
    ui::OptionButton opt_rwin_custom{*this, "opt_rwin_custom", &frm_rwin};
    ui::TextBox txt_rwin_custom{*this, "txt_rwin_custom", &frm_rwin};
    ui::Label Label10{*this, "Label10", &frm_rwin};
    ui::Label Label11{*this, "Label11", &frm_rwin};

    ui::Frame frm_ttl{*this, "frm_ttl"};
    ui::OptionButton opt_ttl_32{*this, "opt_ttl_32", &frm_ttl};
    ui::OptionButton opt_ttl_128{*this, "opt_ttl_128", &frm_ttl};

    ui::Frame frm_session{*this, "frm_session"};
    ui::OptionButton opt_Session_60{*this, "opt_Session_60", &frm_session};
    ui::OptionButton opt_Session_Cst{*this, "opt_Session_Cst", &frm_session};
    ui::TextBox txt_Session_Cst{*this, "txt_Session_Cst", &frm_session};
    ui::ScrollBar vscr_session_custom{*this, "vscr_session_custom", true, &frm_session};
    ui::Label lblSessionUnit{*this, "lblSessionUnit", &frm_session};

    ui::Frame frm_misc{*this, "frm_misc"};
    ui::CheckBox chk_black{*this, "chk_black", &frm_misc};
    ui::CheckBox chk_auto{*this, "chk_auto", &frm_misc};

    ui::Frame frm_selvalues{*this, "frm_selvalues"};
    ui::Label lblMtuValue{*this, "lblMtuValue", &frm_selvalues};
    ui::Label Label7{*this, "Label7", &frm_selvalues};
    ui::Label lblMssValue{*this, "lblMssValue", &frm_selvalues};
    ui::Label Label13{*this, "Label13", &frm_selvalues};
    ui::Label lblRwinValue{*this, "lblRwinValue", &frm_selvalues};
    ui::Label Label4{*this, "Label4", &frm_selvalues};

    ui::Frame frm_presets{*this, "frm_presets"};
    ui::CommandButton cmdPresetPrevious{*this, "cmdPresetPrevious", &frm_presets};
    ui::CommandButton cmd_preset_optimum{*this, "cmd_preset_optimum", &frm_presets};
    ui::CommandButton cmd_preset_defaults{*this, "cmd_preset_defaults", &frm_presets};

    ui::Frame frm_hosts{*this, "frm_hosts"};
    ui::CheckBox chk_hosts{*this, "chk_hosts", &frm_hosts};
    ui::CommandButton cmd_hosts{*this, "cmd_hosts", &frm_hosts};

    ui::TextBox Text1{*this, "Text1"};
    ui::PictureBox pDapplet{*this, "pDapplet"};
    ui::CheckBox chk_splash{*this, "chk_splash"};
    ui::Label Label2{*this, "Label2"};
    ui::CommandButton cmd_ok{*this, "cmd_ok"};
    ui::CommandButton cmd_cancel{*this, "cmd_cancel"};
    ui::CommandButton cmd_about{*this, "cmd_about"};

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

    // Fills the adapter table; the scanning notice is up meanwhile.
    void FindAdapters();
    // Sets every control from the record.
    void UpdateMainForm();
    // Sets the MaxMTU options from the adapter the MaxMTU list shows.
    void UpdateMTUUI();
    // Recomputes RWIN from the multiplier and shows the calculator's values.
    void UpdateRwinUI();
    // True when saving would change what was read at start.
    bool SettingsChanged() const;

    // The commands the wizard drives as well.
    void cmd_ok_Click();
    void cmd_cancel_Click();
    void cmd_preset_defaults_Click();
    void cmd_preset_optimum_Click();
    void cmdPresetPrevious_Click();

  protected:
    void Form_Load() override;
    void Form_QueryUnload(bool& cancel, int unloadMode) override;
    void Form_Unload(bool& cancel) override;

  private:
    // The registry for one task, and adapter discovery that reports each
    // broken binding once per run.
    RegistryContext Context();
    AdapterDiscovery Discovery();

    void LayOutControls();
    void SetCaptionsAndTips();
    void ConnectHandlers();

    // Loading, in its order.
    bool RunSplashOnly();
    bool RefuseSecondInstance();
    void ShowFamilyInCaption();
    void RestoreSplashOption();
    void RevealSplashOption();
    void HideMissingProgramCommands();
    void NoteHostsFile();
    void ScanAdapters();
    void FillAdapterLists();
    void ChooseRwinCalculator();
    void OpenStartupView();

    // The settings model: what each control does to the record.
    void ConnectModelHandlers();
    void MtuGroupBecomesValid();
    void RwinGroupBecomesValid();
    void CheckCustomMtu();
    void CheckCustomRwin();
    void SetAdapterMtu(std::int16_t mtu, std::int16_t ipMtu);
    AdapterEntry* ShownAdapter();
    void SelectOption(ui::OptionButton& option);
    void SetRwinMultiplier(double multiplier);
    void RestoreHostsOption();
    // UpdateMainForm's work, done while the record is kept as it is.
    void ShowRecord();
    void SelectMtuOption();
    // The list position of an adapter, or 0 when the lists do not show it.
    int ListPosition(int adapter) const;
    void RestartOrRemind();

    void opt_mtu_auto_Click();
    void opt_mtu_576_Click();
    void opt_mtu_1500_Click();
    void opt_mtu_custom_Click();
    void txt_mtu_custom_Change();
    void opt_rwin_default_Click();
    void opt_rwin_custom_Click();
    void txt_rwin_custom_Change();
    void opt_Session_60_Click();
    void opt_Session_Cst_Click();
    void txt_Session_Cst_Change();
    void vscr_session_custom_Change();
    void chk_auto_Click();
    void chk_black_Click();
    void chk_splash_Click();
    void cmbMTUSel_Click();
    void cmbRWINCalc_Click();
    void chk_hosts_Click();
    void mnuStartupAdvanced_Click();
    void mnuStartupWizard_Click();
    void SetStartupViewTicks(bool advanced);
    void resetmessages_Click();

    // The small throughput graph.
    void StartThroughputGraph();
    void StopThroughputGraph();
    void NetStats_Status(std::int32_t lIn, std::int32_t lOut);
    void pDapplet_Click();

    // The commands that lead elsewhere.
    void ConnectCommandHandlers();
    void RunControlPanel(const char* applet);
    void StartMeter();
    // Opens a window that takes the main window's place until it closes.
    void ShowInsteadOfMainWindow(bool (TunerWindows::*open)());
    void ApplyHostsSwitch();
    void CPLNetwork_Click();
    void CPLModems_Click() { RunControlPanel("modem.cpl"); }
    void CPLInternet_Click() { RunControlPanel("inetcpl.cpl"); }
    void CPLSystem_Click() { RunControlPanel("sysdm.cpl"); }
    void mnuDapplet_Click() { StartMeter(); }
    void cmd_mtu_find_Click() { ShowInsteadOfMainWindow(&TunerWindows::OpenFindMtuWarning); }
    void mtufind_Click() { cmd_mtu_find_Click(); }
    void cmd_hosts_Click() { ShowInsteadOfMainWindow(&TunerWindows::OpenHostsWarning); }
    void confighosts_Click() { cmd_hosts_Click(); }
    void mnuOptWiz_Click() { ShowInsteadOfMainWindow(&TunerWindows::OpenWizard); }
    void DownloadUpdate_Click();
    void contents_Click();
    void cmd_about_Click();
    void aboutmenu_Click() { cmd_about_Click(); }
    void cmd_mtu_info_Click();

    TunerServices& services_;
    TunerWindows& windows_;
    Environment environment_;
    TunerSettings options_;
    std::string helpFile_;
    std::string restartQuestion_;
    std::string restartReminder_;
    // Clear while loading, so that setting the hosts check box touches no file.
    bool formLoaded_ = false;
    bool splashOptionRevealed_ = false;
    bool viewChosenByCommandLine_ = false;
    bool openedInWizard_ = false;
    // Set once the program itself closes the window (after OK or Cancel).
    bool exiting_ = false;
    // Set while the hosts check box is put back after a failed move.
    bool restoringHostsOption_ = false;
    // Adapters whose broken transport binding the user has heard of.
    std::set<std::string> reportedRegistryErrors_;
    std::vector<int> listToAdapter_;
    std::vector<int> adapterToList_;
    // In this order, so that the sampler goes first and the surface last.
    std::unique_ptr<DrawingSurface> graphSurface_;
    std::unique_ptr<cGraph> graph_;
    std::unique_ptr<cNetStatus> netStats_;
};

}  // namespace qn
