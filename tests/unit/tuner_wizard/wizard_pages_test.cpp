// The wizard's pages: which one shows, the caption, Back and Next/Finish, for
// both choices of the first page; the adapter list is for display only.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/unit/tuner_ui/tuner_session_helpers.h"
#include "tuner/ui/tuner_forms.h"
#include "tuner/ui/wizard_window.h"
#include "ui/headless/user_actions.h"

namespace qn {
namespace {

using testing::HeadlessTuner;
using ui::headless::Click;

std::string PageState(const WizardWindow& wizard) {
    const ui::Frame* pages[] = {&wizard.frmWiz1_0, &wizard.frmWiz1_1, &wizard.frmWiz1_2};
    std::string shown;
    for (int page = 0; page < 3; ++page) {
        if (pages[page]->Visible()) shown += std::to_string(page);
    }
    return shown + " " + wizard.Caption() + " " + wizard.cmdNext.Caption() +
           (wizard.cmdBack.Enabled() ? " back" : "");
}

TEST(WizardPages, FollowTheChoiceOfTheFirstPage) {
    HeadlessTuner tuner("win98");
    tuner.window->Show();
    TunerForms forms(tuner.app, tuner.services);
    forms.SetMainWindow(*tuner.window);
    WizardWindow wizard(tuner.app, *tuner.window, tuner.services, forms);
    wizard.Show();
    EXPECT_EQ(tuner.window->CurrentView, 0);
    std::vector<std::string> states{PageState(wizard)};
    Click(wizard.cmdNext);
    states.push_back(PageState(wizard));
    Click(wizard.cmdNext);
    states.push_back(PageState(wizard));
    Click(wizard.cmdBack);
    Click(wizard.cmdBack);
    Click(wizard.optDefault);
    states.push_back(PageState(wizard));
    Click(wizard.optOptimal);
    states.push_back(PageState(wizard));
    EXPECT_EQ(states, (std::vector<std::string>{
                          "0 Quillon - Step 1 of 3 Next >", "1 Quillon - Step 2 of 3 Next > back",
                          "2 Quillon - Step 3 of 3 Finish back", "0 Quillon - Step 1 of 1 Finish",
                          "0 Quillon - Step 1 of 3 Next >"}));
}

TEST(WizardPages, TheAdapterListShowsOnDemandAndKeepsNoSelection) {
    HeadlessTuner tuner("win98");
    tuner.window->Show();
    TunerForms forms(tuner.app, tuner.services);
    forms.SetMainWindow(*tuner.window);
    WizardWindow wizard(tuner.app, *tuner.window, tuner.services, forms);
    wizard.Show();
    Click(wizard.cmdNext);
    EXPECT_FALSE(wizard.lstAdapterList.Visible());
    Click(wizard.cmdDetails);
    EXPECT_TRUE(wizard.lstAdapterList.Visible());
    EXPECT_EQ(wizard.cmdDetails.Caption(), "No Details");
    EXPECT_EQ(wizard.lstAdapterList.ListCount(),
              static_cast<int>(tuner.window->ListAdapters().size()));
    if (wizard.lstAdapterList.ListCount() > 0) {
        Click(wizard.lstAdapterList, 0);
        EXPECT_EQ(wizard.lstAdapterList.ListIndex(), ui::ListControl::kNone);
    }
    Click(wizard.cmdDetails);
    EXPECT_EQ(wizard.cmdDetails.Caption(), "Details");
}

}  // namespace
}  // namespace qn

namespace qn {
namespace {

TEST(WizardWays, AdvancedOpensTheClassicViewAndTheCloseBoxCancels) {
    for (bool advanced : {true, false}) {
        testing::HeadlessTuner tuner("win98");
        tuner.window->Show();
        tuner.window->Hide();
        TunerForms forms(tuner.app, tuner.services);
        forms.SetMainWindow(*tuner.window);
        WizardWindow wizard(tuner.app, *tuner.window, tuner.services, forms);
        wizard.Show();
        if (advanced) {
            ui::headless::Click(wizard.cmdAdvanced);
            EXPECT_EQ(tuner.window->CurrentView, 1);
            EXPECT_TRUE(tuner.window->Visible());
            EXPECT_FALSE(tuner.app.Ended());
        } else {
            ui::headless::Close(wizard);
            EXPECT_TRUE(tuner.app.Ended());  // the main window's Cancel ends the tuner
            EXPECT_TRUE(tuner.host.Script().Shown().empty());
        }
        EXPECT_FALSE(wizard.Loaded());
    }
}

}  // namespace
}  // namespace qn

namespace qn {
namespace {

// The wizard takes the main window's place: at a start in the wizard view,
// and from the menu, where each opening starts as designed.
TEST(WizardWays, ItOpensInsteadOfTheMainWindow) {
    for (const char* commandLine : {"", "classic"}) {
        HeadlessTuner tuner("win98", commandLine);
        TunerForms forms(tuner.app, tuner.services);
        forms.SetMainWindow(*tuner.window);
        tuner.windows.forward = &forms;
        tuner.window->Start();
        const bool wizardView = std::string(commandLine).empty();
        EXPECT_EQ(tuner.window->Visible(), !wizardView) << commandLine;
        EXPECT_EQ(forms.Wizard() != nullptr && forms.Wizard()->Visible(), wizardView);
        EXPECT_EQ(tuner.Setting("Settings", "StartupMode"), wizardView ? "0" : "1");
        if (wizardView) continue;

        ui::headless::Choose(tuner.window->mnuOptWiz);
        WizardWindow& wizard = *forms.Wizard();
        EXPECT_FALSE(tuner.window->Visible());
        Click(wizard.optDefault);
        Click(wizard.cmdAdvanced);
        ui::headless::Choose(tuner.window->mnuOptWiz);
        EXPECT_EQ(PageState(wizard), "0 Quillon - Step 1 of 3 Next >");
        EXPECT_TRUE(wizard.optOptimal.Value());
    }
}

}  // namespace
}  // namespace qn
