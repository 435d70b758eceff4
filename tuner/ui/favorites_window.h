#pragma once
// "Quillon Importing Favorites": the host names of Internet Explorer's
// favorites (the ".url" shortcuts of a folder tree the user picks) into the
// hosts editor.
#include <string>

#include "tuner/ui/import_window.h"

namespace qn {

class FavoritesWindow : public ImportWindow {
  public:
    // As BookmarksWindow's.
    FavoritesWindow(ui::Application& app, TunerServices& services, mtudetection& detection,
                    ui::Form& hostsWindow, AddToHostsFunction addToHosts);

    // Set by the wizard while it runs the import. Every unloading clears it.
    bool FavoritesImportByWizard = false;

    // The folder whose tree is imported; empty when none was chosen.
    const std::string& ImportFolder() const { return importFolder_; }
    // Collects the host of every shortcut directly in the folder.
    void ListFavorites(const std::string& folder);

  protected:
    void Form_Load() override;
    bool& WizardFlag() override { return FavoritesImportByWizard; }

  private:
    void CmdStart_Click();
    void CollectFavorites();

    std::string importFolder_;
};

}  // namespace qn
