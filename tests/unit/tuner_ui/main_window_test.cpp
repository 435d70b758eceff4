#include "tuner/ui/main_window.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/unit/tuner_ui/tuner_session_helpers.h"
#include "ui/headless/user_actions.h"
#include "version.h"

namespace qn {
namespace {

struct MenuLine {
    std::string name;
    std::string caption;
    int depth;
    bool operator==(const MenuLine& o) const {
        return name == o.name && caption == o.caption && depth == o.depth;
    }
};

void Flatten(const std::vector<ui::MenuItem*>& items, int depth, std::vector<MenuLine>& out) {
    for (const ui::MenuItem* item : items) {
        out.push_back({item->Name(), item->Caption(), depth});
        Flatten(item->Items(), depth + 1, out);
    }
}

class MainWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        // Every command is offered: the programs it starts lie beside the tuner.
        tuner.files.Write("C:\\Program Files\\Quillon\\Rellsync.exe", "MZ");
        tuner.files.Write("C:\\Program Files\\Quillon\\Dapplet.exe", "MZ");
    }
    testing::HeadlessTuner tuner{"win98"};
    ui::Application& app = tuner.app;
    MainWindow& window = *tuner.window;
};

TEST_F(MainWindowTest, MenuTreeMatchesTheCommandTable) {
    std::vector<MenuLine> menus;
    Flatten(window.Menus(), 0, menus);
    const std::vector<MenuLine> expected = {
        {"tools", "&Tools", 0},
        {"mnuControlPanel", "&Control Panel", 1},
        {"CPLNetwork", "&Network...", 2},
        {"CPLModems", "&Modems...", 2},
        {"CPLInternet", "&Internet...", 2},
        {"CPLSystem", "&System...", 2},
        {"mnuDapplet", "&Dapplet", 1},
        {"mtufind", "&MaxMTU Finder", 1},
        {"confighosts", "&Configure Hosts File", 1},
        {"mnuWizardMain", "&Wizards", 0},
        {"mnuOptWiz", "&Optimization Wizard...", 1},
        {"mnuStartupAdvanced", "Start Quillon with &Advanced View", 1},
        {"mnuStartupWizard", "Start Quillon with &Wizard View", 1},
        {"InetUpdate", "Product &Updates", 0},
        {"DownloadUpdate", "&Download from Internet", 1},
        {"topics", "&Help", 0},
        {"contents", "&Contents", 1},
        {"resetmessages", "&Reset Warning Messages", 1},
        {"aboutmenu", "&About", 1},
    };
    ASSERT_EQ(menus.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(menus[i], expected[i]) << "menu line " << i << ": " << menus[i].name;
    }
}

TEST_F(MainWindowTest, CaptionAndVersionLabelCarryMajorAndMinorVersion) {
    window.Show();
    const std::string expected =
        "Quillon v" + std::to_string(QN_VERSION_MAJOR) + "." + std::to_string(QN_VERSION_MINOR);
    EXPECT_EQ(window.Caption(), expected + " Win98");
    EXPECT_EQ(window.Label2.Caption(), expected);
}

TEST_F(MainWindowTest, ClosingByTheTitleBarEndsTheProgramOnceConfirmed) {
    window.Show();
    tuner.host.Script().Answer(ui::vbYes,
                               "Are you sure you wish to exit Quillon and cancel all settings?");
    EXPECT_TRUE(ui::headless::Close(window));
    EXPECT_TRUE(app.Ended());
    EXPECT_TRUE(app.Forms().empty());
}

}  // namespace
}  // namespace qn
