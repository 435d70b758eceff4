#include "tuner/ui/warning_window.h"

#include "ui/application.h"

namespace qn {

// Carriage returns alone, as the label breaks its lines on them.
const WarningKind kFindMtuWarning = {
    "FindMTUWarning", "Find MaxMTU Warning",
    "Quillon is unable to detect a MaxMTU greater than the current settings.  For optimum "
    "detection, please set MaxMTU to Windows Default (1500) and Reboot before running the "
    "detection.\r\rThis may not always be the optimum setting.\r\rWARNING: May not work with "
    "some video cards!",
    &TunerSettings::SkipMtuFinderWarning, &TunerSettings::SetSkipMtuFinderWarning};

const WarningKind kHostsWarning = {
    "HostsWarning", "Hosts File Warning",
    "Hosts file should be updated often.  If you use this feature you should update all entries "
    "weekly.  If a domain will not load, you might need to update that entry in the hosts "
    "file.\r\rFor a sample hosts file, please import \"sample.qlh\" from the Quillon directory.",
    &TunerSettings::SkipHostsWarning, &TunerSettings::SetSkipHostsWarning};

WarningWindow::WarningWindow(ui::Application& app, const WarningKind& kind, TunerSettings& settings,
                             std::function<void()> openTool)
    : ui::Form(app, kind.formName),
      kind_(kind),
      settings_(settings),
      openTool_(std::move(openTool)) {
    SetCaption("Quillon - Warning");
    SetBorderStyle(ui::BorderStyle::FixedDialog);
    Move(-1, -1, 5160, 3120);
    Label1.SetCaption(kind.heading);
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

void WarningWindow::Form_Load() {
    Label2.SetCaption(kind_.message);
    if (!(settings_.*kind_.skipped)()) {
        Check1.SetValue(ui::vbChecked);
        return;
    }
    Check1.SetValue(ui::vbUnchecked);
    App().DoEvents();
    Command1_Click();
}

void WarningWindow::Check1_Click() {
    (settings_.*kind_.setSkipped)(Check1.Value() != ui::vbChecked);
}

void WarningWindow::Command1_Click() {
    openTool_();
    Unload();
}

void WarningWindow::Form_QueryUnload(bool& /*cancel*/, int unloadMode) {
    if (unloadMode == ui::vbFormControlMenu) openTool_();
}

}  // namespace qn
