#include "tuner/ui/main_window.h"

#include "ui/application.h"
#include "version.h"

namespace qn {

std::string VersionCaption() {
    return "Quillon v" + std::to_string(QN_VERSION_MAJOR) + "." + std::to_string(QN_VERSION_MINOR);
}

MainWindow::MainWindow(ui::Application& app) : ui::Form(app, "MainWindow") {
    SetCaption(VersionCaption());
    Move(-1, -1, 7200, 5400);
    Label2.Move(120, 4920, 3000, 255);
    ConnectHandlers();
}

void MainWindow::ConnectHandlers() {
    CPLNetwork.Click.Connect([this] { CPLNetwork_Click(); });
    CPLModems.Click.Connect([this] { CPLModems_Click(); });
    CPLInternet.Click.Connect([this] { CPLInternet_Click(); });
    CPLSystem.Click.Connect([this] { CPLSystem_Click(); });
    mnuDapplet.Click.Connect([this] { mnuDapplet_Click(); });
    mtufind.Click.Connect([this] { mtufind_Click(); });
    confighosts.Click.Connect([this] { confighosts_Click(); });
    mnuOptWiz.Click.Connect([this] { mnuOptWiz_Click(); });
    mnuStartupAdvanced.Click.Connect([this] { mnuStartupAdvanced_Click(); });
    mnuStartupWizard.Click.Connect([this] { mnuStartupWizard_Click(); });
    DownloadUpdate.Click.Connect([this] { DownloadUpdate_Click(); });
    contents.Click.Connect([this] { contents_Click(); });
    resetmessages.Click.Connect([this] { resetmessages_Click(); });
    aboutmenu.Click.Connect([this] { aboutmenu_Click(); });
}

void MainWindow::Form_Load() {
    Label2.SetCaption(VersionCaption());
}

// Closing the window ends the program.
void MainWindow::Form_Unload(bool&) {
    App().End();
}

}  // namespace qn
