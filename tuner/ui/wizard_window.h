#pragma once
// The optimization wizard: the tuner's simple view, three questions on three
// pages, the work done through the main window's own commands.
#include <string>

#include "tuner/ui/tuner_services.h"
#include "ui/check_box.h"
#include "ui/command_button.h"
#include "ui/form.h"
#include "ui/list_control.h"
#include "ui/option_button.h"
#include "ui/simple_controls.h"

namespace qn {

inline constexpr const char* kWizardSidePicture = "WIZARD_SIDE";

class MainWindow;
class TunerForms;

class WizardWindow : public ui::Form {
  public:
    // services: the shell and files for About and Help.
    // forms: the hosts editor and its imports, which Finish may run.
    WizardWindow(ui::Application& app, MainWindow& mainWindow, TunerServices& services,
                 TunerForms& forms);

    ui::Frame frmWiz1_0{*this, "frmWiz1_0"};
    ui::Label Label1{*this, "Label1", &frmWiz1_0};
    ui::Label Label2{*this, "Label2", &frmWiz1_0};
    ui::OptionButton optOptimal{*this, "optOptimal", &frmWiz1_0};
    ui::OptionButton optDefault{*this, "optDefault", &frmWiz1_0};
    ui::CommandButton cmdAbout{*this, "cmdAbout", &frmWiz1_0};
    ui::Frame frmWiz1_1{*this, "frmWiz1_1"};
    ui::Label Label3{*this, "Label3", &frmWiz1_1};
    ui::ListBox lstAdapterList{*this, "lstAdapterList", &frmWiz1_1};
    ui::CommandButton cmdDetails{*this, "cmdDetails", &frmWiz1_1};
    ui::Frame frmWiz1_2{*this, "frmWiz1_2"};
    ui::Label Label4{*this, "Label4", &frmWiz1_2};
    ui::Label Label5{*this, "Label5", &frmWiz1_2};
    ui::CheckBox chkIE{*this, "chkIE", &frmWiz1_2};
    ui::CheckBox chkNetscape{*this, "chkNetscape", &frmWiz1_2};
    ui::CheckBox chkManual{*this, "chkManual", &frmWiz1_2};
    ui::PictureBox PicSide{*this, "PicSide"};
    ui::CommandButton cmdAdvanced{*this, "cmdAdvanced"};
    ui::CommandButton cmdBack{*this, "cmdBack"};
    ui::CommandButton cmdNext{*this, "cmdNext"};
    ui::CommandButton cmdCancel{*this, "cmdCancel"};
    ui::CommandButton cmdhelp{*this, "cmdhelp"};

    int Step = 0;
    int LastStep = 2;

  protected:
    void Form_Load() override;
    void Form_QueryUnload(bool& cancel, int unloadMode) override;

  private:
    void LayOut();
    void ShowStep();
    void cmdNext_Click();
    void cmdBack_Click();
    void optOptimal_Click();
    void optDefault_Click();
    void cmdDetails_Click();
    void lstAdapterList_Click();
    void lstAdapterList_MouseDown() { lstAdapterList_Click(); }
    void lstAdapterList_MouseMove() { lstAdapterList_Click(); }
    void cmdAdvanced_Click();
    void cmdCancel_Click();
    void cmdAbout_Click();
    void cmdhelp_Click();
    void FinishWizard();
    // Handles events until the flag is cleared (or the program ends).
    void WaitWhile(const bool& flag);

    MainWindow& mainWindow_;
    TunerServices& services_;
    TunerForms& forms_;
};

}  // namespace qn
