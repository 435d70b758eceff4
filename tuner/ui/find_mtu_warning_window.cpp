#include "tuner/ui/find_mtu_warning_window.h"

#include <string>

#include "ui/application.h"

namespace qn {

namespace {

// Carriage returns alone, as the label breaks its lines on them.
const char* const kFindMtuWarningText =
    "Quillon is unable to detect a MaxMTU greater than the current settings.  For optimum "
    "detection, please set MaxMTU to Windows Default (1500) and Reboot before running the "
    "detection.\r\rThis may not always be the optimum setting.\r\rWARNING: May not work with "
    "some video cards!";

}  // namespace

FindMtuWarningWindow::FindMtuWarningWindow(ui::Application& app, TunerSettings& settings,
                                           std::function<void()> openFinder)
    : ui::Form(app, "FindMTUWarning"), settings_(settings), openFinder_(std::move(openFinder)) {
    SetCaption("Quillon - Warning");
    SetBorderStyle(ui::BorderStyle::FixedDialog);
    Move(-1, -1, 5160, 3120);
    Label1.SetCaption("Find MaxMTU Warning");
    Label1.SetFont(ui::Font{"Arial", 12, true});
    Label1.Move(240, 180, 4680, 360);
    Label2.Move(240, 660, 4680, 1620);
    Check1.SetCaption("Always show warning");
    Check1.Move(240, 2460, 2640, 315);
    Command1.SetCaption("Ok");
    Command1.Move(3720, 2400, 1200, 375);
    SetDefaultButton(&Command1);
    Check1.Click.Connect([this] { Check1_Click(); });
    Command1.Click.Connect([this] { Command1_Click(); });
}

void FindMtuWarningWindow::Form_Load() {
    Label2.SetCaption(kFindMtuWarningText);
    if (!settings_.SkipMtuFinderWarning()) {
        Check1.SetValue(ui::vbChecked);
        return;
    }
    Check1.SetValue(ui::vbUnchecked);
    App().DoEvents();
    Command1_Click();
}

void FindMtuWarningWindow::Check1_Click() {
    settings_.SetSkipMtuFinderWarning(Check1.Value() != ui::vbChecked);
}

void FindMtuWarningWindow::Command1_Click() {
    openFinder_();
    Unload();
}

void FindMtuWarningWindow::Form_QueryUnload(bool& /*cancel*/, int unloadMode) {
    if (unloadMode == ui::vbFormControlMenu) openFinder_();
}

}  // namespace qn
