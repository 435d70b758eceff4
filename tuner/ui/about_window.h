#pragma once
// The About box: the version, the warranty disclaimer and where to find help.
#include "platform/shell.h"
#include "tuner/core/distribution.h"
#include "ui/command_button.h"
#include "ui/form.h"
#include "ui/simple_controls.h"

namespace qn {

class AboutWindow : public ui::Form {
  public:
    AboutWindow(ui::Application& app, Shell& shell,
                const Distribution& distribution = kDistribution);

    ui::Label lblTitle{*this, "lblTitle"};
    ui::Label lblVersion{*this, "lblVersion"};
    ui::Label lblWarning{*this, "lblWarning"};
    ui::Label lblSupport{*this, "lblSupport"};
    ui::Label Label4{*this, "Label4"};
    ui::Label lblWeb{*this, "lblWeb"};
    ui::Label Label5{*this, "Label5"};
    ui::CommandButton Command1{*this, "Command1"};

  protected:
    void Form_Load() override;

  private:
    void Label4_Click();
    void Label5_Click();

    Shell& shell_;
    const Distribution& distribution_;
};

}  // namespace qn
