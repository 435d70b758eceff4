#pragma once
// The hosts editor ("Quillon Local DNS"): the hosts file as a table of names
// and addresses. While it is open the hosts file itself is taken away, so that
// look-ups go to DNS; Ok writes a new one, Cancel puts the old one back.
#include <memory>
#include <optional>
#include <string>

#include "tuner/core/environment.h"
#include "tuner/core/tuner_settings.h"
#include "tuner/hosts/get_dns.h"
#include "tuner/hosts/hosts_files.h"
#include "tuner/hosts/hosts_format.h"
#include "tuner/hosts/hosts_table.h"
#include "tuner/ui/bookmarks_window.h"
#include "tuner/ui/favorites_window.h"
#include "tuner/ui/mtu_detection.h"
#include "tuner/ui/tuner_services.h"
#include "ui/check_box.h"
#include "ui/command_button.h"
#include "ui/form.h"
#include "ui/list_control.h"
#include "ui/menu_item.h"
#include "ui/option_button.h"
#include "ui/simple_controls.h"
#include "ui/text_box.h"
#include "ui/timer.h"

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
    ui::Frame Frame1{*this, "Frame1"};  // "Server"
    ui::OptionButton Option1{*this, "Option1", &Frame1};
    ui::OptionButton Option2{*this, "Option2", &Frame1};
    ui::OptionButton Option3{*this, "Option3", &Frame1};
    ui::OptionButton Option4{*this, "Option4", &Frame1};
    ui::OptionButton Option5{*this, "Option5", &Frame1};
    ui::OptionButton Option6{*this, "Option6", &Frame1};
    ui::CommandButton Command4{*this, "Command4", &Frame1};  // Go
    ui::CommandButton Command1{*this, "Command1", &Frame1};  // Stop
    ui::CommandButton Command6{*this, "Command6"};           // Update All
    // The progress bar: the fill before the track, so that it lies above it.
    ui::Label Label9{*this, "Label9"};
    ui::Label Label8{*this, "Label8"};
    ui::CommandButton cmdHelp{*this, "cmdHelp"};
    // The lookup animation, and the two buttons without size whose access
    // keys (Alt+X, Alt+Z) start and stop it.
    ui::PictureBox imgLookup{*this, "imgLookup", &Frame1};
    ui::CommandButton Command7{*this, "Command7"};
    ui::CommandButton Command8{*this, "Command8"};
    ui::Timer AnimationTimer{*this, "AnimationTimer"};
    ui::CommandButton Command5{*this, "Command5"};  // Ok
    ui::CommandButton Command2{*this, "Command2"};  // Cancel
    ui::CommandButton Command3{*this, "Command3"};  // Refresh from Hosts
    ui::CommandButton cmdNew{*this, "cmdNew"};
    ui::CommandButton cmdExport{*this, "cmdExport"};
    ui::CommandButton cmdImport{*this, "cmdImport"};
    ui::CommandButton cmdBookmarks{*this, "cmdBookmarks"};
    ui::CommandButton cmdFavorites{*this, "cmdFavorites"};

    ui::MenuItem mnuFile{*this, "mnuFile", "&File"};
    ui::MenuItem mnuNew{mnuFile, "mnuNew", "&New..."};
    ui::MenuItem mnuExport{mnuFile, "mnuExport", "&Export..."};
    ui::MenuItem mnuImport{mnuFile, "mnuImport", "&Import"};
    ui::MenuItem mnuImportOver{mnuImport, "mnuImportOver", "&Over Current..."};
    ui::MenuItem mnuAppend{mnuImport, "mnuAppend", "&Append..."};
    ui::MenuItem mnuImportBar{mnuImport, "mnuImportBar", "-"};
    ui::MenuItem mnuBookmarks{mnuImport, "mnuBookmarks", "Netscape Navigator &Bookmarks..."};
    ui::MenuItem mnuFavorites{mnuImport, "mnuFavorites", "Internet Explorer &Favorites..."};
    ui::MenuItem mnuFileBar{mnuFile, "mnuFileBar", "-"};
    ui::MenuItem mnuExitSave{mnuFile, "mnuExitSave", "E&xit and Save Changes"};
    ui::MenuItem mnuExitDiscard{mnuFile, "mnuExitDiscard", "Exit &without Saving"};
    ui::MenuItem mnuMark{*this, "mnuMark", "&Mark"};
    ui::MenuItem mnuSkip{mnuMark, "mnuSkip", "&Skip in Update All"};
    ui::MenuItem mnuInclude{mnuMark, "mnuInclude", "&Include in Update All"};
    ui::MenuItem mnuMarkBar{mnuMark, "mnuMarkBar", "-"};
    ui::MenuItem mnuSkipAll{mnuMark, "mnuSkipAll", "Skip All in Update All"};
    ui::MenuItem mnuIncludeAll{mnuMark, "mnuIncludeAll", "Include All in Update All"};
    ui::MenuItem mnuHelp{*this, "mnuHelp", "&Help"};

    // Ok, for callers outside the window.
    void ExitAndSave() { Command5_Click(); }
    // "Update All", for callers outside the window.
    void UpdAll() { Command6_Click(); }
    // Looks the name up and adds it when it resolves and is not listed yet;
    // shows nothing, for the imports.
    void AddToHosts(const std::string& name);
    // The progress bar at fraction f (0 hides it).
    void progress(double f);
    void StartAni();
    void EndAni();
    // Set by the wizard while it fills the editor: Ok then leaves the main
    // window hidden. Every unloading clears it.
    bool HostsOpenedByWizard = false;

    const HostsTable& Table() const { return table_; }

    // The import windows, made when first opened and kept while the editor
    // lives (a run may still be winding down after its window closed).
    BookmarksWindow& Bookmarks();
    FavoritesWindow& Favorites();

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
    void Command4_Click();
    void Command6_Click();
    void Command1_Click();
    void SearchOption();
    void AddOption();
    void RemoveOption();
    void UpdateIpOption();
    void ManualAddOption();
    void ManualEditOption();
    // The first slot whose name matches Text1, made current; -1 when none.
    int SearchInList(bool reportFound, bool quiet);
    int SearchInList2();
    void MakeCurrent(int position);
    // A new entry at the end of the table and the list, made current; false
    // when the table has no slot left.
    bool AppendEntry(const std::string& name, const std::string& address, bool include,
                     bool quiet = false);
    void RemoveEntry(int slot);
    void SetLookupMode(bool on);
    void AnimationTimer_Timer();
    void OpenImport(ui::Form& import);
    void MarkCurrent(bool include);
    void MarkAll(bool include);
    std::string GetIpAddress(const std::string& name);
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
    std::unique_ptr<BookmarksWindow> bookmarks_;
    std::unique_ptr<FavoritesWindow> favorites_;
    GetDns dns_;
    // Ok or Cancel has done the files' part; the unloading that follows must
    // not do it again.
    bool filesSettled_ = false;
    // Counts the openings: a run that pumps events ends when its window
    // closed, even if it opened again meanwhile.
    int session_ = 0;
    int animationFrame_ = 0;
};

}  // namespace qn
