#include "tuner/ui/wizard_window.h"

#include "tuner/core/settings_loading.h"
#include "tuner/ui/about_window.h"
#include "tuner/ui/help_topics.h"
#include "tuner/ui/main_window.h"
#include "tuner/ui/tuner_forms.h"
#include "ui/application.h"

namespace qn {

namespace {

constexpr int kWizardPageLeft = 2160;
constexpr int kWizardPageTop = 240;

}  // namespace

WizardWindow::WizardWindow(ui::Application& app, MainWindow& mainWindow, TunerServices& services,
                           TunerForms& forms)
    : ui::Form(app, "FrmWizard1"), mainWindow_(mainWindow), services_(services), forms_(forms) {
    LayOut();
    cmdNext.Click.Connect([this] { cmdNext_Click(); });
    cmdBack.Click.Connect([this] { cmdBack_Click(); });
    optOptimal.Click.Connect([this] { optOptimal_Click(); });
    optDefault.Click.Connect([this] { optDefault_Click(); });
    cmdDetails.Click.Connect([this] { cmdDetails_Click(); });
    lstAdapterList.Click.Connect([this] { lstAdapterList_Click(); });
    lstAdapterList.MouseDown.Connect([this] { lstAdapterList_MouseDown(); });
    lstAdapterList.MouseMove.Connect([this] { lstAdapterList_MouseMove(); });
    cmdAdvanced.Click.Connect([this] { cmdAdvanced_Click(); });
    cmdCancel.Click.Connect([this] { cmdCancel_Click(); });
    cmdAbout.Click.Connect([this] { cmdAbout_Click(); });
    cmdhelp.Click.Connect([this] { cmdhelp_Click(); });
}

void WizardWindow::LayOut() {
    SetBorderStyle(ui::BorderStyle::FixedDialog);
    Move(-1, -1, 7440, 4200);
    // The picture's own size (128 x 216 pixels).
    PicSide.Move(120, 240, 1920, 3240);
    PicSide.SetPicture(kWizardSidePicture);
    for (ui::Frame* page : {&frmWiz1_0, &frmWiz1_1, &frmWiz1_2}) {
        page->Move(kWizardPageLeft, kWizardPageTop, 5160, 3240);
    }
    Label1.SetCaption("Welcome to the Quillon optimization wizard!");
    Label1.Move(120, 240, 4920, 255);
    Label2.SetCaption(
        "This wizard will assist you in optimizing your Internet Connection.  Please press Next "
        "to continue or Advanced to load the classic Quillon interface.");
    Label2.Move(120, 600, 4920, 855);
    optOptimal.SetCaption("Optimize");
    optOptimal.Move(360, 1560, 4200, 255);
    optOptimal.SetValue(true);
    optDefault.SetCaption("Restore Windows Defaults");
    optDefault.Move(360, 1860, 4200, 255);
    cmdAbout.SetCaption("About...");
    cmdAbout.Move(3720, 2700, 1200, 375);
    Label3.SetCaption(
        "Quillon will now Optimize all found network adapters that are binded to the TCP/IP "
        "protocol giving you maximum data transfer performance!");
    Label3.Move(120, 240, 4920, 855);
    lstAdapterList.Move(120, 1200, 4920, 1320);
    lstAdapterList.SetVisible(false);
    cmdDetails.SetCaption("Details");
    cmdDetails.Move(3720, 2700, 1200, 375);
    Label4.SetCaption(
        "Quillon will now attempt to cache the IP addresses of all your favorite websites in "
        "order to optimized their loading time.");
    Label4.Move(120, 240, 4920, 855);
    Label5.SetCaption("Please select all that you would like to import to your Hosts file:");
    Label5.Move(120, 1200, 4920, 255);
    chkIE.SetCaption("Internet Explorer Favorites");
    chkIE.Move(360, 1560, 4200, 255);
    chkIE.SetValue(ui::vbChecked);
    chkNetscape.SetCaption("Netscape Navigator Bookmarks");
    chkNetscape.Move(360, 1860, 4200, 255);
    chkNetscape.SetValue(ui::vbChecked);
    chkManual.SetCaption("Run Hosts Editor for Manual Input");
    chkManual.Move(360, 2160, 4200, 255);
    const int buttonsTop = 3660;
    cmdhelp.SetCaption("Help");
    cmdhelp.Move(120, buttonsTop, 1200, 375);
    cmdhelp.SetVisible(false);
    cmdAdvanced.SetCaption("Advanced");
    cmdAdvanced.Move(1440, buttonsTop, 1200, 375);
    cmdBack.SetCaption("< Back");
    cmdBack.Move(3480, buttonsTop, 1200, 375);
    cmdNext.SetCaption("Next >");
    cmdNext.Move(4740, buttonsTop, 1200, 375);
    cmdCancel.SetCaption("Cancel");
    cmdCancel.Move(6120, buttonsTop, 1200, 375);
    SetDefaultButton(&cmdNext);
}

// Each opening starts as designed, whatever the last one left chosen.
void WizardWindow::Form_Load() {
    mainWindow_.CurrentView = 0;
    optOptimal.SetValue(true);
    chkIE.SetValue(ui::vbChecked);
    chkNetscape.SetValue(ui::vbChecked);
    chkManual.SetValue(ui::vbUnchecked);
    lstAdapterList.SetVisible(false);
    cmdDetails.SetCaption("Details");
    LastStep = 2;
    Step = 0;
    ShowStep();
    lstAdapterList.Clear();
    for (int adapter : ListedAdapters(mainWindow_.Settings)) {
        lstAdapterList.AddItem(mainWindow_.Settings.Adapters[adapter].Label);
    }
}

void WizardWindow::ShowStep() {
    cmdNext.SetCaption(Step == LastStep ? "Finish" : "Next >");
    cmdNext.SetEnabled(true);
    ui::Frame* pages[] = {&frmWiz1_0, &frmWiz1_1, &frmWiz1_2};
    for (int page = 0; page < 3; ++page) pages[page]->SetVisible(page == Step);
    cmdBack.SetEnabled(Step != 0);
    SetCaption(App().Title() + " - Step " + std::to_string(Step + 1) + " of " +
               std::to_string(LastStep + 1));
}

void WizardWindow::cmdNext_Click() {
    if (Step == LastStep) return FinishWizard();
    ++Step;
    ShowStep();
}

void WizardWindow::WaitWhile(const bool& flag) {
    App().WaitUntil([&flag] { return !flag; });
}

// The imports run one after the other, each waited for; their names reach
// the hosts file through the editor's Ok, unseen, unless the user asked to
// edit by hand.
void WizardWindow::FinishWizard() {
    Hide();
    if (optDefault.Value()) {
        mainWindow_.cmd_preset_defaults_Click();
        for (ui::CheckBox* box : {&chkIE, &chkNetscape, &chkManual}) box->SetValue(ui::vbUnchecked);
    }
    if (optOptimal.Value()) mainWindow_.cmd_preset_optimum_Click();
    const auto ticked = [](const ui::CheckBox& box) { return box.Value() == ui::vbChecked; };
    HostsWindow* hosts = nullptr;
    if (ticked(chkIE) || ticked(chkNetscape) || ticked(chkManual)) {
        hosts = &forms_.HostsEditor();
        hosts->Load();
    }
    if (hosts != nullptr && hosts->Loaded()) {
        if (ticked(chkIE)) {
            FavoritesWindow& favorites = hosts->Favorites();
            favorites.FavoritesImportByWizard = true;
            favorites.Load();
            WaitWhile(favorites.FavoritesImportByWizard);
        }
        if (ticked(chkNetscape)) {
            BookmarksWindow& bookmarks = hosts->Bookmarks();
            bookmarks.BookmarksImportByWizard = true;
            bookmarks.Show();
            WaitWhile(bookmarks.BookmarksImportByWizard);
        }
        if (ticked(chkManual)) {
            hosts->HostsOpenedByWizard = true;
            hosts->Show();
            WaitWhile(hosts->HostsOpenedByWizard);
        }
        if (!ticked(chkManual) && (ticked(chkIE) || ticked(chkNetscape)) && hosts->Loaded()) {
            hosts->HostsOpenedByWizard = true;
            hosts->ExitAndSave();
            WaitWhile(hosts->HostsOpenedByWizard);
        }
    }
    if (App().Ended()) return;
    App().MsgBox(optDefault.Value() ? "Windows defaults have been restored."
                                    : "Optimal settings have been applied!",
                 ui::vbOKOnly | ui::vbInformation);
    mainWindow_.cmd_ok_Click();
}

void WizardWindow::cmdBack_Click() {
    if (Step == 0) return;
    --Step;
    ShowStep();
}

void WizardWindow::optOptimal_Click() {
    LastStep = 2;
    Step = 0;
    ShowStep();
}

void WizardWindow::optDefault_Click() {
    LastStep = 0;
    Step = 0;
    ShowStep();
}

void WizardWindow::cmdDetails_Click() {
    const bool show = !lstAdapterList.Visible();
    lstAdapterList.SetVisible(show);
    cmdDetails.SetCaption(show ? "No Details" : "Details");
}

// The list only shows what will be optimized: no click, press or drag
// leaves an item selected.
void WizardWindow::lstAdapterList_Click() {
    lstAdapterList.SetListIndex(ui::ListControl::kNone);
}

void WizardWindow::cmdAdvanced_Click() {
    mainWindow_.CurrentView = 1;
    mainWindow_.Show();
    Unload();
}

void WizardWindow::cmdCancel_Click() {
    Hide();
    mainWindow_.cmd_cancel_Click();
}

// The close box cancels as Cancel does; any other unloading (Advanced, the
// end of the program) only takes the wizard away.
void WizardWindow::Form_QueryUnload(bool& /*cancel*/, int unloadMode) {
    Hide();
    if (unloadMode == ui::vbFormControlMenu) mainWindow_.cmd_cancel_Click();
}

void WizardWindow::cmdAbout_Click() {
    AboutWindow about(App(), services_.shell);
    about.Show(ui::ShowMode::Modal, this);
}

void WizardWindow::cmdhelp_Click() {
    ShowHelpTopics(*this, services_.files, services_.shell, mainWindow_.Env().HelpFile());
}

}  // namespace qn
