#pragma once
// "Quillon Importing Bookmarks": the host names of Netscape Navigator's
// bookmarks, from the bookmark file of a profile the user picks, into the
// hosts editor.
#include <string>
#include <vector>

#include "tuner/hosts/bookmark_profiles.h"
#include "tuner/ui/import_window.h"
#include "ui/list_control.h"

namespace qn {

class BookmarksWindow : public ImportWindow {
  public:
    // hostsWindow is shown again when the import closes; addToHosts gets
    // every host name found; detection gives the busy pointer and the stop
    // flag of the editor's lookups.
    BookmarksWindow(ui::Application& app, TunerServices& services, mtudetection& detection,
                    ui::Form& hostsWindow, AddToHostsFunction addToHosts);

    ui::ListBox List1{*this, "List1"};  // profiles

    // Set by the wizard while it runs the import. Every unloading clears it.
    bool BookmarksImportByWizard = false;

    const std::vector<BookmarkProfile>& Profiles() const { return profiles_; }
    // Collects the host of every bookmark of the file.
    void ListBookmarks(const std::string& path);

  protected:
    void Form_Load() override;
    bool& WizardFlag() override { return BookmarksImportByWizard; }

  private:
    void CmdStart_Click();
    // The current profile's bookmark file; browses for the folder of the
    // browse row first. Empty when there is none.
    std::string ChosenBookmarkFile();

    std::vector<BookmarkProfile> profiles_;
};

}  // namespace qn
