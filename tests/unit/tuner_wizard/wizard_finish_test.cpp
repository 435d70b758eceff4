// Finish: the preset, then the ticked imports one after the other, each
// waited for, and the hosts editor's Ok run on the user's behalf only when
// the user did not ask to edit by hand.
#include <gtest/gtest.h>

#include <string>

#include "tests/unit/tuner_ui/tuner_session_helpers.h"
#include "tuner/ui/tuner_forms.h"
#include "tuner/ui/wizard_window.h"
#include "ui/headless/user_actions.h"

namespace qn {
namespace {

using ui::headless::Click;

const std::string kWizardHosts = "C:\\WINDOWS\\hosts";

struct FinishCase {
    const char* name;
    bool ie, netscape, manual;
    const char* seen;  // the windows the user met, in order
    bool editorMade;
    bool importSaved;
};

class WizardFinish : public ::testing::TestWithParam<FinishCase> {
  protected:
    WizardFinish() {
        forms.SetMainWindow(*tuner.window);
        tuner.files.AddDirectory("C:\\WINDOWS");
        tuner.files.Write(kWizardHosts, "10.0.0.1 one.example\r\n");
        tuner.files.AddDirectory("C:\\Favorites");
        tuner.files.Write("C:\\Favorites\\New.url",
                          "[InternetShortcut]\r\nURL=http://new.example/\r\n");
        tuner.shell.browseAnswer = "C:\\Favorites";
        tuner.resolver.Add("new.example", {"10.0.0.7"});
        tuner.window->Show();
        tuner.window->Hide();
    }

    // The user at each wait: chooses the folder offered and starts the favorites import, cancels
    // the bookmarks one and leaves the editor with Cancel.
    void ActAsUser(int patience = 10) {
        if (patience < 0 || tuner.app.Ended()) return;
        tuner.host.Post([this, patience] {
            HostsWindow* hosts = forms.Hosts();
            // Start once the folder has been chosen.
            if (hosts != nullptr && hosts->Favorites().Visible()) {
                if (tuner.shell.browsed.empty()) return ActAsUser(patience - 1);
                seen += "favorites ";
                Click(hosts->Favorites().CmdStart);
            } else if (hosts != nullptr && hosts->Bookmarks().Visible()) {
                seen += "bookmarks ";
                Click(hosts->Bookmarks().Command1);
            } else if (hosts != nullptr && hosts->Visible()) {
                seen += "editor ";
                Click(hosts->Command2);
            }
            ActAsUser(patience - 1);
        });
    }

    void Answer(int answer, const std::string& prompt) {
        tuner.host.Script().Answer(answer, prompt);
    }

    testing::HeadlessTuner tuner{"win98"};
    TunerForms forms{tuner.app, tuner.services};
    std::string seen;
};

TEST_P(WizardFinish, RunsTheTickedImportsAndSavesOnlyWhatTheUserDidNotEdit) {
    const FinishCase& c = GetParam();
    ASSERT_TRUE(forms.OpenWizard());
    WizardWindow& wizard = *forms.Wizard();
    Click(wizard.cmdNext);
    Click(wizard.cmdNext);
    const auto tick = [](ui::CheckBox& box, bool on) {
        box.SetValue(on ? ui::vbChecked : ui::vbUnchecked);
    };
    tick(wizard.chkIE, c.ie);
    tick(wizard.chkNetscape, c.netscape);
    tick(wizard.chkManual, c.manual);
    if (c.ie) Answer(ui::vbOK, "Favorites have been imported to hosts file.");
    Answer(ui::vbOK, "Optimal settings have been applied!");
    Answer(ui::vbNo, "Restart Windows?");
    Answer(ui::vbOK, "Please restart Windows for changes to take effect.");
    ActAsUser();
    Click(wizard.cmdNext);

    EXPECT_EQ(seen, c.seen);
    EXPECT_EQ(forms.Hosts() != nullptr, c.editorMade);
    EXPECT_EQ(
        tuner.files.ReadAll(kWizardHosts).value_or("").find("new.example") != std::string::npos,
        c.importSaved);
    EXPECT_EQ(tuner.host.Script().Pending(), 0u);
    EXPECT_TRUE(tuner.app.Ended());
}

INSTANTIATE_TEST_SUITE_P(
    Boxes, WizardFinish,
    ::testing::Values(
        FinishCase{"None", false, false, false, "", false, false},
        FinishCase{"Favorites", true, false, false, "favorites ", true, true},
        FinishCase{"Bookmarks", false, true, false, "bookmarks ", true, false},
        FinishCase{"ManualOnly", false, false, true, "editor ", true, false},
        FinishCase{"FavoritesAndManual", true, false, true, "favorites editor ", true, false},
        FinishCase{"All", true, true, true, "favorites bookmarks editor ", true, false},
        FinishCase{"BothImports", true, true, false, "favorites bookmarks ", true, true}),
    [](const ::testing::TestParamInfo<FinishCase>& info) { return info.param.name; });

// Restoring the defaults is one page: the boxes of the last page, ticked or
// not, import nothing.
TEST_F(WizardFinish, RestoringDefaultsImportsNothingAndSays) {
    ASSERT_TRUE(forms.OpenWizard());
    WizardWindow& wizard = *forms.Wizard();
    wizard.chkManual.SetValue(ui::vbChecked);
    Click(wizard.optDefault);
    Answer(ui::vbOK, "Windows defaults have been restored.");
    Answer(ui::vbNo, "Restart Windows?");
    Answer(ui::vbOK, "Please restart Windows for changes to take effect.");
    Click(wizard.cmdNext);
    for (ui::CheckBox* box : {&wizard.chkIE, &wizard.chkNetscape, &wizard.chkManual}) {
        EXPECT_EQ(box->Value(), ui::vbUnchecked) << box->Name();
    }
    EXPECT_EQ(forms.Hosts(), nullptr);
    EXPECT_TRUE(tuner.app.Ended());
}

}  // namespace
}  // namespace qn
