#pragma once
// The small notice shown while the tuner looks for network adapters.
#include "ui/form.h"
#include "ui/simple_controls.h"

namespace qn {

class ScanningWindow : public ui::Form {
  public:
    explicit ScanningWindow(ui::Application& app);

    ui::Label lblScanning{*this, "lblScanning"};
};

}  // namespace qn
