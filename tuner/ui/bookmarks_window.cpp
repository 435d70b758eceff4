#include "tuner/ui/bookmarks_window.h"

#include "tuner/hosts/bookmark_file.h"
#include "ui/application.h"

namespace qn {

BookmarksWindow::BookmarksWindow(ui::Application& app, TunerServices& services,
                                 mtudetection& detection, ui::Form& hostsWindow,
                                 AddToHostsFunction addToHosts)
    : ImportWindow(app, "Bookmarks", "Quillon Importing Bookmarks", services, detection,
                   hostsWindow, std::move(addToHosts)) {
    List1.Move(120, 120, 4440, 1695);
    MoveInTabOrder(List1, 0);
    LayOutRun(1935);
    CmdStart.Click.Connect([this] { CmdStart_Click(); });
}

void BookmarksWindow::Form_Load() {
    ResetRun();
    List1.SetEnabled(true);
    progress(0);
    profiles_ = ReadBookmarkProfiles(RegistryContext{services_.registry, App().GetHost().Boxes()},
                                     services_.files);
    List1.Clear();
    for (const BookmarkProfile& profile : profiles_) List1.AddItem(profile.item);
    Label1.SetCaption("Please select a profile.");
    List1.SetListIndex(0);
}

void BookmarksWindow::CmdStart_Click() {
    if (StopIfRunning()) return;
    const std::string file = ChosenBookmarkFile();
    if (file.empty() || !services_.files.FileExists(file)) {
        App().MsgBox("No bookmarks file could be found for this profile!", ui::vbOKOnly);
        return;
    }
    List1.SetEnabled(false);
    ListBookmarks(file);
    Command1.SetEnabled(false);
    RunImport([] {}, "Importing Bookmarks... ", "Bookmarks have been imported to hosts file.");
}

std::string BookmarksWindow::ChosenBookmarkFile() {
    const int current = List1.ListIndex();
    if (current < 0 || current >= static_cast<int>(profiles_.size())) return std::string();
    BookmarkProfile& profile = profiles_[static_cast<size_t>(current)];
    if (profile.IsBrowseRow()) {
        const auto folder = services_.shell.BrowseForFolder(
            hWnd(), "Select a Folder containing Bookmark.htm", SpecialFolder::Desktop);
        if (folder && !folder->empty()) profile.folder = *folder;
    }
    return BookmarkFilePath(profile.folder);
}

void BookmarksWindow::ListBookmarks(const std::string& path) {
    hosts_.Clear();
    ListBookmarkHosts(services_.files.ReadAll(path).value_or(""), hosts_);
}

}  // namespace qn
