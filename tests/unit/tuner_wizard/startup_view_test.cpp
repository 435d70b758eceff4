// The question at exit about the view the tuner starts in: when it comes,
// what it proposes, and what its choices store.
#include <gtest/gtest.h>

#include <string>

#include "tests/unit/tuner_ui/tuner_session_helpers.h"
#include "tuner/ui/tuner_forms.h"
#include "ui/headless/user_actions.h"

namespace qn {
namespace {

using testing::HeadlessTuner;
using ui::headless::Click;

constexpr int kWizardView = 0;
constexpr int kClassicView = 1;

struct DialogCase {
    const char* name;
    const char* storedMode;  // nullptr: absent
    const char* alwaysShow;  // nullptr: absent
    int closingView;
    bool shown;
    bool proposesWizard;
};

class StartupViewDialog : public ::testing::TestWithParam<DialogCase> {
  protected:
    StartupViewDialog() {
        forms.SetMainWindow(*tuner.window);
        tuner.windows.forward = &forms;
    }
    void Store(const char* section, const char* key, const char* value) {
        if (value != nullptr) tuner.machine.settings.Save("Quillon", section, key, value);
    }
    HeadlessTuner tuner{"win98"};
    TunerForms forms{tuner.app, tuner.services};
};

TEST_P(StartupViewDialog, ComesOnlyWhenTheClosingViewIsNotTheStartingOne) {
    const DialogCase& c = GetParam();
    Store("Settings", "StartupMode", c.storedMode);
    Store("Warnings", "Startup", c.alwaysShow);
    tuner.window->CurrentView = c.closingView;
    bool seen = false;
    tuner.host.Post([&] {
        StartupViewWindow& dialog = *forms.StartupViewDialog();
        seen = dialog.Visible();
        EXPECT_EQ(dialog.optWiz.Value(), c.proposesWizard);
        EXPECT_EQ(dialog.optAdv.Value(), !c.proposesWizard);
        EXPECT_EQ(dialog.lblMainMsg.Caption(),
                  c.proposesWizard ? "Quillon was closed in Advanced view and the default view "
                                     "is currently the Wizard view."
                                   : "Quillon was closed in Wizard view and the default view is "
                                     "currently the Advanced view.");
        Click(dialog.cmdOk);
    });
    forms.ShowStartupViewDialog();
    EXPECT_EQ(seen, c.shown);
    EXPECT_EQ(tuner.host.PendingEvents(), c.shown ? 0u : 1u);
    EXPECT_FALSE(forms.StartupViewDialog()->ViewDialogPending);
    EXPECT_FALSE(forms.StartupViewDialog()->Loaded());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, StartupViewDialog,
    ::testing::Values(DialogCase{"FreshInstallClosingClassic", nullptr, nullptr, kClassicView, true,
                                 true},
                      DialogCase{"ClassicStartClosingWizard", "1", "1", kWizardView, true, false},
                      DialogCase{"SameView", "1", nullptr, kClassicView, false, false},
                      DialogCase{"SameWizardView", "0", "1", kWizardView, false, true},
                      DialogCase{"NotToBeShown", "0", "0", kClassicView, false, true},
                      // Anything but 1 starts the wizard, so it counts as the wizard.
                      DialogCase{"UnknownMode", "7", "1", kClassicView, true, true}),
    [](const ::testing::TestParamInfo<DialogCase>& info) { return info.param.name; });

TEST(StartupViewChoices, AreStoredAtOnce) {
    HeadlessTuner tuner("win98");
    TunerForms forms(tuner.app, tuner.services);
    forms.SetMainWindow(*tuner.window);
    tuner.window->CurrentView = kClassicView;
    tuner.host.Post([&] {
        StartupViewWindow& dialog = *forms.StartupViewDialog();
        Click(dialog.optAdv);
        EXPECT_EQ(tuner.Setting("Settings", "StartupMode"), "1");
        Click(dialog.optWiz);
        EXPECT_EQ(tuner.Setting("Settings", "StartupMode"), "0");
        Click(dialog.chkAlwaysShow);
        EXPECT_EQ(tuner.Setting("Warnings", "Startup"), "0");
        ui::headless::Close(dialog);
    });
    forms.ShowStartupViewDialog();
    EXPECT_FALSE(forms.StartupViewDialog()->ViewDialogPending);
}

}  // namespace
}  // namespace qn
