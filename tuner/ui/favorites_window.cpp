#include "tuner/ui/favorites_window.h"

#include "tuner/hosts/favorite_folders.h"
#include "ui/application.h"

namespace qn {

FavoritesWindow::FavoritesWindow(ui::Application& app, TunerServices& services,
                                 mtudetection& detection, ui::Form& hostsWindow,
                                 AddToHostsFunction addToHosts)
    : ImportWindow(app, "FavoritesImp", "Quillon Importing Favorites", services, detection,
                   hostsWindow, std::move(addToHosts)) {
    LayOutRun(120);
    CmdStart.Click.Connect([this] { CmdStart_Click(); });
}

void FavoritesWindow::Form_Load() {
    ResetRun();
    Show();
    progress(0);
    const auto folder = services_.shell.BrowseForFolder(hWnd(), "Select a Folder to Import",
                                                        SpecialFolder::Favorites);
    if (folder && !folder->empty()) {
        importFolder_ = *folder;
        Label1.SetCaption("Click Start to Begin Importing Favorites.");
    } else {
        importFolder_.clear();
        Label1.SetCaption("Quillon was Unable to find your Favorites!!");
        CmdStart.SetEnabled(false);
    }
}

void FavoritesWindow::CmdStart_Click() {
    if (StopIfRunning()) return;
    Command1.SetEnabled(false);
    hosts_.Clear();
    Label1.SetCaption("Importing Favorites...");
    RunImport([this] { CollectFavorites(); }, "Importing Favorites... ",
              "Favorites have been imported to hosts file.");
}

// The folders first, with events let run after each so that Stop is seen,
// then the shortcuts in them.
void FavoritesWindow::CollectFavorites() {
    const std::vector<std::string> folders =
        FavoriteFolders(services_.files, importFolder_, kFavoriteFolderLimit, [this] {
            App().DoEvents();
            return Running();
        });
    for (const std::string& folder : folders) {
        if (!Running()) return;
        ListFavorites(folder);
    }
}

void FavoritesWindow::ListFavorites(const std::string& folder) {
    qn::ListFavorites(services_.files, folder, hosts_);
}

}  // namespace qn
