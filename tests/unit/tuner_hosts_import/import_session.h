#pragma once
// An import window of the hosts editor on the headless tuner: a stand-in for
// the editor that it hides behind, and the names handed to the editor.
#include <functional>
#include <string>
#include <vector>

#include "tests/unit/tuner_ui/tuner_session_helpers.h"
#include "tuner/core/environment.h"
#include "tuner/ui/import_window.h"
#include "tuner/ui/mtu_detection.h"
#include "ui/headless/user_actions.h"

namespace qn::testing {

// What the window showed when the editor was handed a name.
struct HandedName {
    std::string name;
    std::string status;
    std::string caption;
    bool stopRequested;
};

class ImportSession : public ::testing::Test {
  protected:
    ImportSession() { tuner.files.AddDirectory("C:\\WINDOWS\\Favorites"); }

    void AnswerOk(const std::string& prompt) { tuner.host.Script().Answer(ui::vbOK, prompt); }
    const std::vector<ui::headless::ShownBox>& Shown() { return tuner.host.Script().Shown(); }
    std::vector<std::string> Names() const {
        std::vector<std::string> names;
        for (const HandedName& handed : handed) names.push_back(handed.name);
        return names;
    }
    // What the editor is handed is noted with what window shows then.
    void Describe(const ImportWindow& window) {
        describe = [this, &window](const std::string& name) {
            return HandedName{name, window.Label1.Caption(), window.Caption(),
                              detection.StopRequested()};
        };
    }
    // The window after a run: gone, the editor back, the pointer as it was.
    void ExpectBackInEditor(const ui::Form& window) {
        EXPECT_FALSE(window.Loaded());
        EXPECT_TRUE(hostsWindow.Visible());
        EXPECT_EQ(detection.BusyCount(), 0);
        EXPECT_EQ(tuner.app.MousePointer(), kDefaultPointer);
    }
    // The user's click, handled at the next pump of events.
    void PostClick(ui::CommandButton& button) {
        tuner.host.Post([&button] { ui::headless::Click(button); });
    }

    HeadlessTuner tuner{"win98"};
    Environment environment{tuner.services.os, tuner.services.directories, tuner.services.versions};
    mtudetection detection{tuner.app, tuner.processes, tuner.files, tuner.clock, environment};
    ui::Form hostsWindow{tuner.app, "hosts"};
    std::vector<HandedName> handed;
    // Runs after each name is handed over, with its number from 1.
    std::function<void(int)> afterHanding;
    std::function<HandedName(const std::string&)> describe;
    AddToHostsFunction addToHosts = [this](const std::string& name) {
        handed.push_back(describe ? describe(name) : HandedName{name, "", "", false});
        if (afterHanding) afterHanding(static_cast<int>(handed.size()));
    };
};

}  // namespace qn::testing
