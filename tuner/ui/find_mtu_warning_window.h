#pragma once
// The warning in front of the MaxMTU finder, which a tick can keep away.
#include <functional>

#include "tuner/core/tuner_settings.h"
#include "ui/check_box.h"
#include "ui/command_button.h"
#include "ui/form.h"
#include "ui/simple_controls.h"

namespace qn {

class FindMtuWarningWindow : public ui::Form {
  public:
    // openFinder shows the finder; it runs when the warning is done with,
    // however it closed, and at once when the user asked not to see it.
    FindMtuWarningWindow(ui::Application& app, TunerSettings& settings,
                         std::function<void()> openFinder);

    ui::Label Label1{*this, "Label1"};
    ui::Label Label2{*this, "Label2"};
    ui::CheckBox Check1{*this, "Check1"};
    ui::CommandButton Command1{*this, "Command1"};

  protected:
    void Form_Load() override;
    void Form_QueryUnload(bool& cancel, int unloadMode) override;

  private:
    void Check1_Click();
    void Command1_Click();

    TunerSettings& settings_;
    std::function<void()> openFinder_;
};

}  // namespace qn
