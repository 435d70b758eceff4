#pragma once
// The question at exit when the tuner closes in the view that is not the one
// it starts in: which view should it start in from now on?
#include "tuner/core/tuner_settings.h"
#include "ui/check_box.h"
#include "ui/command_button.h"
#include "ui/form.h"
#include "ui/option_button.h"
#include "ui/simple_controls.h"

namespace qn {

class StartupViewWindow : public ui::Form {
  public:
    StartupViewWindow(ui::Application& app, TunerSettings& settings);

    ui::Label lblMainMsg{*this, "lblMainMsg"};
    ui::OptionButton optWiz{*this, "optWiz"};
    ui::OptionButton optAdv{*this, "optAdv"};
    ui::CheckBox chkAlwaysShow{*this, "chkAlwaysShow"};
    ui::CommandButton cmdOk{*this, "cmdOk"};
    ui::Line Line1{*this, "Line1"};
    ui::Line Line2{*this, "Line2"};

    // Loads the dialog for a tuner closing in currentView (0 wizard, 1
    // classic) and returns once it has decided not to show itself or has
    // been closed.
    void Ask(int currentView);
    bool ViewDialogPending = false;

  protected:
    void Form_Load() override;
    void Form_Unload(bool& cancel) override;

  private:
    void optWiz_Click();
    void optAdv_Click();
    void chkAlwaysShow_Click();

    TunerSettings& settings_;
    int currentView_ = 1;
};

}  // namespace qn
