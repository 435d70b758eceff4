#pragma once
// frmStatistics: the statistics of frmMain in a grid of read-only fields, in
// bytes, kilobytes or megabytes, refreshed with every sample unless paused.
#include <array>
#include <cstdint>
#include <string>

#include "meter/app/statistics_format.h"
#include "ui/check_box.h"
#include "ui/command_button.h"
#include "ui/form.h"
#include "ui/option_button.h"
#include "ui/simple_controls.h"
#include "ui/text_box.h"

namespace qn::meter {

class FrmMain;

class FrmStatistics : public ui::Form {
  public:
    FrmStatistics(ui::Application& app, FrmMain& main);

    // Every field from the statistics as they are now; nothing while paused.
    void UpdateStats();
    // A byte count in the selected unit.
    std::string Format(std::int64_t value) const;

    ui::Frame Frame1{*this, "Frame1"};
    ui::Label lblTotal{*this, "lblTotal", &Frame1};
    ui::Label lblCurrent{*this, "lblCurrent", &Frame1};
    ui::Label lblAverage{*this, "lblAverage", &Frame1};
    ui::Label lblMax{*this, "lblMax", &Frame1};
    ui::Label lblIn{*this, "lblIn", &Frame1};
    ui::Label lblOut{*this, "lblOut", &Frame1};
    ui::Label lblBoth{*this, "lblBoth", &Frame1};
    ui::TextBox txtTotalIn{*this, "txtTotalIn", &Frame1};
    ui::TextBox txtTotalOut{*this, "txtTotalOut", &Frame1};
    ui::TextBox txtTotalTotal{*this, "txtTotalTotal", &Frame1};
    ui::TextBox txtCurrentIn{*this, "txtCurrentIn", &Frame1};
    ui::TextBox txtCurrentOut{*this, "txtCurrentOut", &Frame1};
    ui::TextBox txtCurrentTotal{*this, "txtCurrentTotal", &Frame1};
    ui::TextBox txtAverageIn{*this, "txtAverageIn", &Frame1};
    ui::TextBox txtAverageOut{*this, "txtAverageOut", &Frame1};
    ui::TextBox txtAverageTotal{*this, "txtAverageTotal", &Frame1};
    ui::TextBox txtMaxIn{*this, "txtMaxIn", &Frame1};
    ui::TextBox txtMaxOut{*this, "txtMaxOut", &Frame1};
    ui::TextBox txtMaxTotal{*this, "txtMaxTotal", &Frame1};
    ui::Frame Frame2{*this, "Frame2"};
    ui::OptionButton optB{*this, "optB", &Frame2};
    ui::OptionButton optKb{*this, "optKb", &Frame2};
    ui::OptionButton optMb{*this, "optMb", &Frame2};
    ui::CheckBox chkPause{*this, "chkPause"};
    ui::CheckBox chkOnTop{*this, "chkOnTop"};
    ui::CommandButton cmdReset{*this, "cmdReset"};
    ui::CommandButton cmdClose{*this, "cmdClose"};

  protected:
    void Form_Load() override;
    void Form_Unload(bool& cancel) override;

  private:
    void LayOut();
    ByteUnit SelectedUnit() const;
    void chkPause_Click();
    void chkOnTop_Click();
    void cmdReset_Click();

    FrmMain& main_;
    // Row by row: total, current, average, maximum; In, Out, Total in each.
    const std::array<ui::TextBox*, 12> fields_;
};

}  // namespace qn::meter
