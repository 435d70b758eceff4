#include "tuner/ui/scanning_window.h"

namespace qn {

ScanningWindow::ScanningWindow(ui::Application& app) : ui::Form(app, "scanning") {
    SetBorderStyle(ui::BorderStyle::FixedDialog);
    Move(-1, -1, 4800, 720);
    Label1.SetCaption("Scanning registry for adapter TCP/IP MaxMTU Location...");
    Label1.Move(240, 240, 4320, 255);
}

}  // namespace qn
