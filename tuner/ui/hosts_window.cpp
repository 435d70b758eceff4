#include "tuner/ui/hosts_window.h"

#include "tuner/core/distribution.h"
#include "tuner/core/whole_file.h"
#include "tuner/ui/help_topics.h"
#include "ui/application.h"
#include "version.h"

namespace qn {

namespace {

constexpr char kBackupFilter[] = "Quillon Hosts Files(*.qlh)\0*.qlh\0All Files(*.*)\0*.*\0";
constexpr std::uint32_t kOfnOverwritePrompt = 0x2;
constexpr std::uint32_t kOfnHideReadOnly = 0x4;
constexpr std::uint32_t kOfnExplorer = 0x80000;
constexpr std::uint32_t kOfnLongNames = 0x200000;
constexpr char kUnnamedBackup[] = "*.qlh";

std::string BackupFilter() {
    return std::string(kBackupFilter, sizeof(kBackupFilter) - 1);
}

}  // namespace

HostsWindow::HostsWindow(ui::Application& app, TunerServices& services, mtudetection& detection,
                         ui::Form& mainWindow)
    : ui::Form(app, "hosts"),
      services_(services),
      detection_(detection),
      mainWindow_(mainWindow),
      environment_(services.os, services.directories, services.versions),
      settings_(services.settings),
      files_(services.files, services.localTime, environment_.AppPath()),
      dns_(
          app, services.resolver, [this] { return detection_.StopRequested(); },
          // A failing Windows Sockets ends the program: the hosts file goes
          // back first, as Cancel would put it.
          [this] {
              files_.PutBack(HostsPath());
              filesSettled_ = true;
          }) {
    LayOut();
    ConnectEvents();
}

void HostsWindow::ConnectEvents() {
    Command5.Click.Connect([this] { Command5_Click(); });
    mnuExitSave.Click.Connect([this] { Command5_Click(); });
    Command2.Click.Connect([this] { Command2_Click(); });
    mnuExitDiscard.Click.Connect([this] { Command2_Click(); });
    Command3.Click.Connect([this] { Command3_Click(); });
    cmdNew.Click.Connect([this] { NewList(); });
    mnuNew.Click.Connect([this] { NewList(); });
    cmdExport.Click.Connect([this] { ExportBackup(); });
    mnuExport.Click.Connect([this] { ExportBackup(); });
    cmdImport.Click.Connect([this] { ImportOverCurrent(); });
    mnuImportOver.Click.Connect([this] { ImportOverCurrent(); });
    mnuAppend.Click.Connect([this] { AppendBackup(); });
    cmdBookmarks.Click.Connect([this] { OpenImport(Bookmarks()); });
    mnuBookmarks.Click.Connect([this] { OpenImport(Bookmarks()); });
    cmdFavorites.Click.Connect([this] { OpenImport(Favorites()); });
    mnuFavorites.Click.Connect([this] { OpenImport(Favorites()); });
    List1.Click.Connect([this] { List1_Click(); });
    Command4.Click.Connect([this] { Command4_Click(); });
    Command7.Click.Connect([this] { StartAni(); });
    Command8.Click.Connect([this] { EndAni(); });
    AnimationTimer.Elapsed.Connect([this] { AnimationTimer_Timer(); });
    Command6.Click.Connect([this] { Command6_Click(); });
    Command1.Click.Connect([this] { Command1_Click(); });
    mnuSkip.Click.Connect([this] { MarkCurrent(false); });
    mnuInclude.Click.Connect([this] { MarkCurrent(true); });
    mnuSkipAll.Click.Connect([this] { MarkAll(false); });
    mnuIncludeAll.Click.Connect([this] { MarkAll(true); });
    cmdHelp.Click.Connect([this] {
        ShowHelpTopics(*this, services_.files, services_.shell, environment_.HelpFile());
    });
    mnuHelp.Click.Connect([this] {
        ShowHelpTopics(*this, services_.files, services_.shell, environment_.HelpFile());
    });
    Text1.Change.Connect([this] { Text1_Change(); });
    Check1.Click.Connect([this] { Check1_Click(); });
}

// Each opening starts as the window was designed, whatever the last one
// left (an update it ran may have ended after it closed).
void HostsWindow::Form_Load() {
    ++session_;
    progress(0);
    EndAni();
    SetLookupMode(false);
    Option1.SetValue(true);
    Text1.SetText("");
    Text2.SetText("");
    Label6.SetCaption("0");
    Label1.SetCaption(environment_.GetHostsPath());
    if (files_.EditInterrupted() &&
        App().MsgBox("Quillon exited without saving hosts.  Would you like to restore your "
                     "previous hosts file?",
                     ui::vbYesNo) == ui::vbYes) {
        files_.RestoreInterrupted(HostsPath());
    }
    ReadHosts();
    if (!Loaded()) return;
    ShowMarkedCount();
    Check1.SetValue(settings_.AutoDelete() ? ui::vbChecked : ui::vbUnchecked);
}

void HostsWindow::ReadHosts() {
    detection_.SetBusyCursor(kHourglassPointer);
    std::string text;
    switch (files_.Take(HostsPath(), text)) {
        case HostsTaken::NoHostsFile:
            table_.Clear();
            App().MsgBox("No hosts file.  Starting from scratch.", ui::vbOKOnly);
            detection_.SetBusyCursor(kDefaultPointer);
            Label6.SetCaption("0");
            return;
        case HostsTaken::NotCopied:
            detection_.SetBusyCursor(kDefaultPointer);
            App().MsgBox("Quillon could not keep a copy of the hosts file in \"" +
                             environment_.AppPath() +
                             "\", so it cannot be edited now.  The hosts file has been left as it "
                             "was.",
                         ui::vbOKOnly | ui::vbExclamation);
            LeaveUntouched();
            return;
        case HostsTaken::Read:
            break;
    }
    const HostsEntries read = ReadHostsEntries(text);
    table_.Rebuild(read.entries);
    ShowTable();
    Label2.SetCaption(std::to_string(table_.EntryCount()));
    detection_.SetBusyCursor(kDefaultPointer);
    Label6.SetCaption("0");
    Text1.SetText("");
    if (read.entryLines > HostsTable::kSlots) {
        App().MsgBox("The hosts file holds " + std::to_string(read.entryLines) +
                         " entries, more than the " + std::to_string(HostsTable::kSlots) +
                         " Quillon can edit; the editor shows the first " +
                         std::to_string(HostsTable::kSlots) +
                         ".\r\rCancel leaves the hosts file as it was.  Ok saves only the entries "
                         "shown; the whole file as it was read is then kept in the Quillon "
                         "folder.",
                     ui::vbOKOnly | ui::vbExclamation);
    }
}

// The list follows the table: the live entries in slot order, an entry's
// item selected exactly when it takes part in "Update All".
void HostsWindow::ShowTable() {
    List1.SetVisible(false);
    List1.Clear();
    for (int position = 0; position < table_.EntryCount(); ++position) {
        const HostsEntry& entry = table_.Slot(table_.SlotAtListPosition(position));
        List1.AddItem(entry.name);
        List1.SetSelected(position, entry.include);
    }
    List1.SetVisible(true);
}

void HostsWindow::EmptyList() {
    List1.SetVisible(false);
    List1.Clear();
    Label2.SetCaption("0");
    table_.Clear();
    Text1.SetText("");
    Text2.SetText("");
}

void HostsWindow::ShowMarkedCount() {
    Label10.SetCaption(std::to_string(List1.ListCount() - List1.SelCount()));
}

void HostsWindow::Reread() {
    EmptyList();
    ReadHosts();
    List1.SetVisible(true);
}

// Nothing was taken: the window goes without touching any file.
void HostsWindow::LeaveUntouched() {
    filesSettled_ = true;
    mainWindow_.Show();
    Unload();
}

void HostsWindow::Command5_Click() {
    if (!files_.Save(HostsPath(), HostsFileText(table_, Header()))) {
        App().MsgBox("Quillon could not write the hosts file \"" + HostsPath() +
                         "\".  Your entries are still here, and the hosts file as it was read is "
                         "kept in \"" +
                         files_.LocalCopyPath() + "\".",
                     ui::vbOKOnly | ui::vbExclamation);
        return;
    }
    filesSettled_ = true;
    Hide();
    if (!HostsOpenedByWizard) mainWindow_.Show();
    Unload();
}

void HostsWindow::Command2_Click() {
    PutHostsFileBack();
    filesSettled_ = true;
    Hide();
    mainWindow_.Show();
    Unload();
}

void HostsWindow::PutHostsFileBack() {
    if (files_.PutBack(HostsPath())) return;
    App().MsgBox("Quillon could not put the hosts file back at \"" + HostsPath() +
                     "\".  It will be offered back the next time the hosts editor opens.",
                 ui::vbOKOnly | ui::vbExclamation);
}

// Whatever closes the window, the hosts file is never left taken away: the
// close box (which also stops a running update) and the end of the Windows
// session put it back as Cancel does.
void HostsWindow::Form_QueryUnload(bool& /*cancel*/, int unloadMode) {
    if (filesSettled_) return;
    if (unloadMode == ui::vbFormControlMenu) detection_.SetStopFlag(true);
    PutHostsFileBack();
    filesSettled_ = true;
    mainWindow_.Show();
}

void HostsWindow::Form_Unload(bool& /*cancel*/) {
    HostsOpenedByWizard = false;
    filesSettled_ = false;
    table_.Clear();
    List1.Clear();
}

void HostsWindow::Command3_Click() {
    if (App().MsgBox("Revert from saved and discard changes?", ui::vbYesNo) != ui::vbYes) return;
    files_.Revert(HostsPath());
    Text1.SetText("");
    Text2.SetText("");
    Reread();
}

void HostsWindow::NewList() {
    if (App().MsgBox("New list and discard changes?", ui::vbYesNo) != ui::vbYes) return;
    EmptyList();
    Label6.SetCaption("0");
    Label10.SetCaption("0");
    List1.SetVisible(true);
}

void HostsWindow::ExportBackup() {
    FileDialogRequest request;
    request.owner = hWnd();
    request.title = "Save Backup Quillon Hosts File";
    request.filter = BackupFilter();
    request.defaultExtension = "qlh";
    request.fileName = kUnnamedBackup;
    request.flags = kOfnOverwritePrompt | kOfnHideReadOnly;
    const FileDialogResult chosen = services_.dialogs.SaveFile(request);
    if (!chosen.chosen || chosen.fileName.empty() || chosen.fileName == kUnnamedBackup) return;
    const size_t slash = chosen.fileName.find_last_of("\\/");
    const std::string title =
        slash == std::string::npos ? chosen.fileName : chosen.fileName.substr(slash + 1);
    if (!WriteWhole(services_.files, chosen.fileName, HostsBackupText(table_, Header(), title))) {
        App().MsgBox("Quillon could not write \"" + chosen.fileName + "\".",
                     ui::vbOKOnly | ui::vbExclamation);
    }
}

std::optional<std::string> HostsWindow::ChooseBackupToRead() {
    FileDialogRequest request;
    request.owner = hWnd();
    request.title = "Open Backup Quillon Hosts File";
    request.filter = BackupFilter();
    request.initialDirectory = environment_.AppPath();
    request.flags = kOfnHideReadOnly | kOfnExplorer | kOfnLongNames;
    const FileDialogResult chosen = services_.dialogs.OpenFile(request);
    if (!chosen.chosen || chosen.fileName.empty()) return std::nullopt;
    if (!services_.files.FileExists(chosen.fileName)) {
        App().MsgBox("File Not Found!", ui::vbOKOnly | ui::vbExclamation);
        return std::nullopt;
    }
    return chosen.fileName;
}

void HostsWindow::ImportOverCurrent() {
    const std::optional<std::string> backup = ChooseBackupToRead();
    if (!backup || App().MsgBox("Lose current hosts file?", ui::vbYesNo) != ui::vbYes) return;
    if (!CopyWhole(services_.files, *backup, HostsPath())) {
        App().MsgBox("Quillon could not read \"" + *backup + "\".",
                     ui::vbOKOnly | ui::vbExclamation);
        return;
    }
    Reread();
}

void HostsWindow::AppendBackup() {
    const std::optional<std::string> backup = ChooseBackupToRead();
    if (!backup || App().MsgBox("Append to current hosts file?", ui::vbYesNo) != ui::vbYes) {
        return;
    }
    const std::optional<std::string> appended = services_.files.ReadAll(*backup);
    if (!appended ||
        !WriteWhole(services_.files, HostsPath(), HostsAppendText(table_) + *appended)) {
        App().MsgBox("Quillon could not append \"" + *backup + "\".",
                     ui::vbOKOnly | ui::vbExclamation);
        return;
    }
    Reread();
}

BookmarksWindow& HostsWindow::Bookmarks() {
    if (!bookmarks_) {
        bookmarks_ = std::make_unique<BookmarksWindow>(
            App(), services_, detection_, *this,
            [this](const std::string& name) { AddToHosts(name); });
    }
    return *bookmarks_;
}

FavoritesWindow& HostsWindow::Favorites() {
    if (!favorites_) {
        favorites_ = std::make_unique<FavoritesWindow>(
            App(), services_, detection_, *this,
            [this](const std::string& name) { AddToHosts(name); });
    }
    return *favorites_;
}

// The editor stays loaded but hidden while an import runs; the import shows
// it again when it closes.
void HostsWindow::OpenImport(ui::Form& import) {
    Hide();
    import.Show();
}

void HostsWindow::List1_Click() {
    const int current = List1.ListIndex();
    if (current != ui::ListControl::kNone) {
        const int slot = table_.SlotAtListPosition(current);
        Label6.SetCaption(std::to_string(current + 1));
        if (slot >= 0) {
            Text1.SetText(table_.Slot(slot).name);
            Text2.SetText(table_.Slot(slot).address);
            table_.SetInclude(slot, List1.Selected(current));
        }
    } else {
        Label6.SetCaption("0");
    }
    ShowMarkedCount();
}

void HostsWindow::Text1_Change() {
    Text2.SetText("");
}

void HostsWindow::Check1_Click() {
    settings_.SetAutoDelete(Check1.Value() == ui::vbChecked);
}

HostsHeader HostsWindow::Header() const {
    return {kDistribution.webPage,
            std::to_string(QN_VERSION_MAJOR) + "." + std::to_string(QN_VERSION_MINOR) + "." +
                std::to_string(QN_VERSION_REVISION),
            Label2.Caption()};
}

}  // namespace qn
