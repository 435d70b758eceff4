#pragma once
// The small notice shown while the tuner looks for network adapters.
#include "ui/form.h"
#include "ui/simple_controls.h"

namespace qn {

class ScanningWindow : public ui::Form {
  public:
    explicit ScanningWindow(ui::Application& app);

    ui::Label Label1{*this, "Label1"};

  protected:
    // Above every other window, so that the notice is seen whatever is open.
    void Form_Load() override { SetTopMost(true); }
};

}  // namespace qn
