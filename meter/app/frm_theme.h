#pragma once
// frmTheme: edits the graph's look on a live preview whose two series cross,
// and keeps looks as named themes (its own store, written back on Apply).
#include <cstdint>
#include <memory>
#include <string>

#include "meter/app/graph_theme.h"
#include "platform/drawing_surface.h"
#include "throughput/graph.h"
#include "ui/check_box.h"
#include "ui/command_button.h"
#include "ui/form.h"
#include "ui/list_control.h"
#include "ui/option_button.h"
#include "ui/simple_controls.h"
#include "ui/text_box.h"

namespace qn::meter {

class FrmMain;

class FrmTheme : public ui::Form {
  public:
    FrmTheme(ui::Application& app, FrmMain& main);
    ~FrmTheme() override;

    static constexpr const char* kCurrentSettings = "Current Settings";

    ui::Label lblTheme{*this, "lblTheme"};
    ui::ComboBox cmbTheme{*this, "cmbTheme"};
    ui::PictureBox picSample{*this, "picSample"};
    ui::Label lblProperty{*this, "lblProperty"};
    ui::ComboBox cmbProperty{*this, "cmbProperty"};
    ui::PictureBox Picture1{*this, "Picture1"};
    ui::CommandButton cmdChange{*this, "cmdChange"};
    ui::CheckBox chkFill{*this, "chkFill"};
    ui::Frame Frame1{*this, "Frame1"};
    ui::OptionButton optStretch{*this, "optStretch", &Frame1};
    ui::OptionButton optTile{*this, "optTile", &Frame1};
    ui::TextBox txtBackground{*this, "txtBackground", &Frame1};
    ui::CommandButton cmdBrowse{*this, "cmdBrowse", &Frame1};
    ui::CommandButton cmdClear{*this, "cmdClear", &Frame1};
    ui::CommandButton cmdSave{*this, "cmdSave"};
    ui::CommandButton cmdDel{*this, "cmdDel"};
    ui::CommandButton cmdApply{*this, "cmdApply"};
    ui::CommandButton cmdOk{*this, "cmdOk"};
    ui::CommandButton cmdCancel{*this, "cmdCancel"};

    // Null while the window is closed.
    const cGraph* Preview() const { return sample_.get(); }
    const cGraphTheme* Themes() const { return themes_.get(); }

  protected:
    void Form_Load() override;
    void Form_Unload(bool& cancel) override;

  private:
    void LayOut();
    void ConnectEvents();
    void FillThemeList();
    void SelectCurrentSettings();
    // The preview's field that the chosen cmbProperty item names.
    Colour* PropertyField();
    void ShowSwatch();
    void DrawSample(bool refreshBackground);
    void cmbTheme_Click();
    void cmbProperty_Click();
    void cmdChange_Click();
    void chkFill_Click();
    void optStretch_Click();
    void cmdBrowse_Click();
    void cmdClear_Click();
    void picSample_MouseDown();
    void cmdSave_Click();
    void cmdDel_Click();
    void cmdApply_Click();
    void cmdOk_Click();

    FrmMain& main_;
    std::unique_ptr<cGraphTheme> themes_;
    std::unique_ptr<DrawingSurface> sampleSurface_;
    std::unique_ptr<cGraph> sample_;
    bool updating_ = false;
};

}  // namespace qn::meter
