#include "tuner/ui/startup_view_window.h"

#include "ui/application.h"

namespace qn {

StartupViewWindow::StartupViewWindow(ui::Application& app, TunerSettings& settings)
    : ui::Form(app, "FrmWizOpt"), settings_(settings) {
    SetCaption("Quillon Startup Mode");
    SetBorderStyle(ui::BorderStyle::FixedDialog);
    Move(-1, -1, 5040, 2520);
    lblMainMsg.Move(240, 180, 4560, 615);
    optWiz.SetCaption("Start Quillon with Wizard View");
    optWiz.Move(480, 900, 4080, 255);
    optAdv.SetCaption("Start Quillon with Advanced View");
    optAdv.Move(480, 1200, 4080, 255);
    Line1.Move(240, 825, 4560, 30);
    Line2.Move(240, 1620, 4560, 30);
    chkAlwaysShow.SetCaption("Always show this Dialog");
    chkAlwaysShow.Move(240, 1920, 2760, 255);
    cmdOk.SetCaption("Ok");
    cmdOk.Move(3600, 1860, 1200, 375);
    SetDefaultButton(&cmdOk);
    optWiz.Click.Connect([this] { optWiz_Click(); });
    optAdv.Click.Connect([this] { optAdv_Click(); });
    chkAlwaysShow.Click.Connect([this] { chkAlwaysShow_Click(); });
    cmdOk.Click.Connect([this] { Unload(); });
}

void StartupViewWindow::Ask(int currentView) {
    currentView_ = currentView;
    ViewDialogPending = true;
    Load();
    App().WaitUntil([this] { return !ViewDialogPending; });
}

// A stored start-up mode other than 0 or 1 counts as the view the tuner
// then starts in: the wizard, unless it is exactly 1; selecting the option
// here stores that view.
void StartupViewWindow::Form_Load() {
    chkAlwaysShow.SetValue(settings_.ShowStartupViewDialog() ? ui::vbChecked : ui::vbUnchecked);
    const int startupMode = settings_.GetStartupView() == StartupView::Classic ? 1 : 0;
    if (chkAlwaysShow.Value() == ui::vbChecked && startupMode != currentView_) {
        if (startupMode == 0) {
            optWiz.SetValue(true);
            lblMainMsg.SetCaption(
                "Quillon was closed in Advanced view and the default view is currently the "
                "Wizard view.");
        } else {
            optAdv.SetValue(true);
            lblMainMsg.SetCaption(
                "Quillon was closed in Wizard view and the default view is currently the "
                "Advanced view.");
        }
        Show();
        return;
    }
    // Nothing to ask: a window left loaded and hidden would only outlive
    // the tuner's last visible one.
    Unload();
}

void StartupViewWindow::Form_Unload(bool& /*cancel*/) {
    ViewDialogPending = false;
}

void StartupViewWindow::optWiz_Click() {
    if (optWiz.Value()) settings_.SetStartupView(StartupView::Wizard);
}

void StartupViewWindow::optAdv_Click() {
    if (optAdv.Value()) settings_.SetStartupView(StartupView::Classic);
}

void StartupViewWindow::chkAlwaysShow_Click() {
    settings_.SetShowStartupViewDialog(chkAlwaysShow.Value() == ui::vbChecked);
}

}  // namespace qn
