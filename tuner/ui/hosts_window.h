#pragma once
// The hosts editor ("Quillon Local DNS"): the hosts file as a table of names
// and addresses. While it is open the hosts file itself is taken away, so that
// look-ups go to DNS; Ok writes a new one, Cancel puts the old one back.
#include <optional>
#include <string>

#include "tuner/core/environment.h"
#include "tuner/core/tuner_settings.h"
#include "tuner/hosts/hosts_files.h"
#include "tuner/hosts/hosts_format.h"
#include "tuner/hosts/hosts_table.h"
#include "tuner/ui/mtu_detection.h"
#include "tuner/ui/tuner_services.h"
#include "ui/check_box.h"
#include "ui/command_button.h"
#include "ui/form.h"
#include "ui/list_control.h"
#include "ui/menu_item.h"
#include "ui/simple_controls.h"
#include "ui/text_box.h"

namespace qn {

class HostsWindow : public ui::Form {
  public:
    // mainWindow is shown again when the editor closes; detection gives the
    // busy pointer and the stop flag that closing sets.
    HostsWindow(ui::Application& app, TunerServices& services, mtudetection& detection,
                ui::Form& mainWindow);

    ui::Label Label1{*this, "Label1"};  // the hosts path
    ui::ListBox List1{*this, "List1"};
    ui::Label Label3{*this, "Label3"};
    ui::Label Label2{*this, "Label2"};  // entries
    ui::Label Label5{*this, "Label5"};
    ui::Label Label6{*this, "Label6"};  // current position
    ui::Label Label11{*this, "Label11"};
    ui::Label Label10{*this, "Label10"};  // marked to skip
    ui::Label Label12{*this, "Label12"};
    ui::TextBox Text1{*this, "Text1"};  // name
    ui::Label Label13{*this, "Label13"};
    ui::TextBox Text2{*this, "Text2"};  // address
    ui::CheckBox Check1{*this, "Check1"};
    ui::CommandButton Command5{*this, "Command5"};  // Ok
    ui::CommandButton Command2{*this, "Command2"};  // Cancel
    ui::CommandButton Command3{*this, "Command3"};  // Refresh from Hosts
    ui::CommandButton cmdNew{*this, "cmdNew"};
    ui::CommandButton cmdExport{*this, "cmdExport"};
    ui::CommandButton cmdImport{*this, "cmdImport"};

    ui::MenuItem mnuFile{*this, "mnuFile", "&File"};
    ui::MenuItem mnuNew{mnuFile, "mnuNew", "&New..."};
    ui::MenuItem mnuExport{mnuFile, "mnuExport", "&Export..."};
    ui::MenuItem mnuImport{mnuFile, "mnuImport", "&Import"};
    ui::MenuItem mnuImportOver{mnuImport, "mnuImportOver", "&Over Current..."};
    ui::MenuItem mnuAppend{mnuImport, "mnuAppend", "&Append..."};
    ui::MenuItem mnuFileBar{mnuFile, "mnuFileBar", "-"};
    ui::MenuItem mnuExitSave{mnuFile, "mnuExitSave", "E&xit and Save Changes"};
    ui::MenuItem mnuExitDiscard{mnuFile, "mnuExitDiscard", "Exit &without Saving"};

    // Ok, for callers outside the window.
    void ExitAndSave() { Command5_Click(); }
    // Set by the wizard while it fills the editor: Ok then leaves the main
    // window hidden. Every unloading clears it.
    bool HostsOpenedByWizard = false;

    const HostsTable& Table() const { return table_; }

  protected:
    void Form_Load() override;
    void Form_QueryUnload(bool& cancel, int unloadMode) override;
    void Form_Unload(bool& cancel) override;

  private:
    void LayOut();
    void ConnectEvents();

    std::string HostsPath() const { return Label1.Caption(); }
    void ReadHosts();
    void ShowTable();
    void EmptyList();
    void ShowMarkedCount();
    void Reread();
    void LeaveUntouched();

    void Command5_Click();
    void Command2_Click();
    void Command3_Click();
    void NewList();
    void ExportBackup();
    void ImportOverCurrent();
    void AppendBackup();
    std::optional<std::string> ChooseBackupToRead();
    void List1_Click();
    void Text1_Change();
    void Check1_Click();
    // The file side of Cancel: the hosts file as it was read goes back.
    void PutHostsFileBack();
    HostsHeader Header() const;

    TunerServices& services_;
    mtudetection& detection_;
    ui::Form& mainWindow_;
    Environment environment_;
    TunerSettings settings_;
    HostsFiles files_;
    HostsTable table_;
    // Ok or Cancel has done the files' part; the unloading that follows must
    // not do it again.
    bool filesSettled_ = false;
};

}  // namespace qn
