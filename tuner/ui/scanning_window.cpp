#include "tuner/ui/scanning_window.h"

namespace qn {

ScanningWindow::ScanningWindow(ui::Application& app) : ui::Form(app, "ScanningWindow") {
    SetCaption("Quillon");
    SetBorderStyle(ui::BorderStyle::FixedDialog);
    Move(-1, -1, 4320, 720);
    lblScanning.SetCaption("Scanning for network adapters, please wait...");
    lblScanning.Move(240, 240, 3840, 255);
}

}  // namespace qn
