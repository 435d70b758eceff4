#pragma once
// frmSettings: the watched interface, the graph's scale and display, the
// meter window's border and transparency, and the start-up options. It works
// on frmMain's live sampler and graph; some choices are stored at once, the
// others when the meter ends.
#include <array>

#include "ui/check_box.h"
#include "ui/command_button.h"
#include "ui/form.h"
#include "ui/list_control.h"
#include "ui/option_button.h"
#include "ui/simple_controls.h"

namespace qn::meter {

class FrmMain;

class FrmSettings : public ui::Form {
  public:
    FrmSettings(ui::Application& app, FrmMain& main);

    ui::Frame Frame4{*this, "Frame4"};
    ui::Label Label1{*this, "Label1", &Frame4};
    ui::ComboBox cmbInt{*this, "cmbInt", &Frame4};
    ui::CheckBox chkShowGraph{*this, "chkShowGraph", &Frame4};
    ui::CheckBox chkStartup{*this, "chkStartup", &Frame4};
    ui::Frame Frame3{*this, "Frame3"};
    ui::CheckBox chkAlpha{*this, "chkAlpha", &Frame3};
    ui::ComboBox cmbAlpha{*this, "cmbAlpha", &Frame3};
    ui::CheckBox chkBorder{*this, "chkBorder", &Frame3};
    ui::Frame Frame2{*this, "Frame2"};
    ui::CheckBox chkGridlines{*this, "chkGridlines", &Frame2};
    ui::CheckBox chkNumerical{*this, "chkNumerical", &Frame2};
    ui::Frame Frame1{*this, "Frame1"};
    ui::OptionButton opScaleAuto{*this, "opScaleAuto", &Frame1};
    ui::OptionButton opScale1000{*this, "opScale1000", &Frame1};
    ui::OptionButton opScale500{*this, "opScale500", &Frame1};
    ui::OptionButton opScale56{*this, "opScale56", &Frame1};
    ui::OptionButton opScale336{*this, "opScale336", &Frame1};
    ui::OptionButton opScale288{*this, "opScale288", &Frame1};
    ui::CommandButton cmdOk{*this, "cmdOk"};
    ui::CommandButton cmdCancel{*this, "cmdCancel"};
    ui::CommandButton cmdApply{*this, "cmdApply"};

    void cmdApply_Click();
    void cmdOk_Click();
    void cmdCancel_Click();
    void chkAlpha_Click();

  protected:
    void Form_Load() override;
    void Form_Unload(bool& cancel) override;

  private:
    struct ScaleChoice {
        ui::OptionButton* option;
        bool autoScale;
        std::int32_t scaleValue;
    };

    void LayOut();
    void ResetControls();
    void LoadInterfaces();
    void LoadScale();
    void LoadAlpha();
    void ApplyStartup();

    FrmMain& main_;
    const std::array<ScaleChoice, 6> scales_;
};

}  // namespace qn::meter
