#pragma once
// A warning in front of a tool of the tuner (the MaxMTU finder, the hosts
// editor), which a cleared tick keeps away from then on.
#include <functional>

#include "tuner/core/tuner_settings.h"
#include "ui/check_box.h"
#include "ui/command_button.h"
#include "ui/form.h"
#include "ui/simple_controls.h"

namespace qn {

// What tells the warnings apart.
struct WarningKind {
    const char* formName;
    const char* heading;
    const char* message;
    // The stored "do not show again" of this warning.
    bool (TunerSettings::*skipped)() const;
    void (TunerSettings::*setSkipped)(bool skip);
};

extern const WarningKind kFindMtuWarning;
extern const WarningKind kHostsWarning;

class WarningWindow : public ui::Form {
  public:
    // openTool shows the tool behind the warning; it runs when the warning is
    // done with, however it closed, and at once when it is not to be shown.
    WarningWindow(ui::Application& app, const WarningKind& kind, TunerSettings& settings,
                  std::function<void()> openTool);

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

    const WarningKind& kind_;
    TunerSettings& settings_;
    std::function<void()> openTool_;
};

}  // namespace qn
