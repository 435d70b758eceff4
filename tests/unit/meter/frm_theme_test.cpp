// The theme window and the tray's theme items: the preview edited through
// the colour and picture choosers and by picking a colour off it, themes
// saved and deleted, and what reaches the registry and the meter's graph.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "tests/unit/meter/frm_main_fixture.h"
#include "ui/headless/user_actions.h"

namespace qn::meter {
namespace {

using ui::headless::Click;
using ui::headless::Select;
using namespace std::string_literals;

class FrmThemeTest : public FrmMainTest {
  protected:
    void SetUp() override { Save("Graph", "ShowOnStartup", "False"); }
    FrmTheme& Open() {
        if (!main) main = Load();
        main->OnMenuCommand(kThemeCustomCommand);
        return main->frmTheme();
    }
    static std::vector<std::string> Items(const ui::ListControl& list) {
        std::vector<std::string> items;
        for (int i = 0; i < list.ListCount(); ++i) items.push_back(list.List(i));
        return items;
    }
    void ChooseColour(std::uint32_t colour) {
        ColorDialogResult answer;
        answer.chosen = true;
        answer.color = colour;
        dialogs.colorAnswers.push_back(answer);
    }
    std::unique_ptr<FrmMain> main;
};

TEST_F(FrmThemeTest, OpensOnTheMeterGraphsLookWithTheSavedThemesListed) {
    Save("Themes\\Night", "BackColor", "0");
    Save("Themes\\Night", "ReadOnly", "True");
    FrmTheme& window = Open();
    EXPECT_EQ(window.Caption(), "Dapplet Visual Themes");
    EXPECT_TRUE(main->ThemesVisible);
    EXPECT_EQ(Items(window.cmbTheme),
              (std::vector<std::string>{"Current Settings", "Standard", "Task Manager", "Clouds",
                                        "River", "Night"}));
    EXPECT_EQ(window.cmbProperty.ListCount(), 6);
    EXPECT_EQ(window.Preview()->BackColor, main->NetGraph().BackColor);
    EXPECT_EQ(window.Picture1.BackColor(), main->NetGraph().BackColor);
    EXPECT_TRUE(window.cmdSave.Enabled());
    EXPECT_FALSE(window.cmdDel.Enabled());

    Select(window.cmbTheme, 3);  // Clouds
    EXPECT_EQ(window.Preview()->Style(), 2);
    EXPECT_EQ(window.txtBackground.Text(), window.Preview()->BackgroundPicture());
    EXPECT_FALSE(window.cmdSave.Enabled());
    EXPECT_FALSE(window.cmdDel.Enabled()) << "a built-in theme";
    Select(window.cmbTheme, 5);  // Night, read-only
    EXPECT_FALSE(window.cmdDel.Enabled());
    Click(window.cmdCancel);
    EXPECT_FALSE(main->ThemesVisible);

    FrmTheme& again = Open();
    EXPECT_EQ(again.cmbTheme.ListIndex(), 0) << "opened again on the current settings";
    EXPECT_EQ(again.cmbProperty.ListCount(), 6);
}

// Every edit returns to "Current Settings", whose values can be saved.
TEST_F(FrmThemeTest, EditsChangeThePreviewOnly) {
    FrmTheme& window = Open();
    const Colour meterBack = main->NetGraph().BackColor;
    Select(window.cmbProperty, 2);  // Send Color
    ChooseColour(0x123456);
    Click(window.cmdChange);
    EXPECT_EQ(window.Preview()->SendColor, 0x123456u);
    EXPECT_EQ(window.Picture1.BackColor(), 0x123456u);
    EXPECT_EQ(dialogs.colorRequests.back().color, main->NetGraph().SendColor);
    Click(window.Picture1);  // the swatch asks too; Cancel keeps the colour
    EXPECT_EQ(window.Preview()->SendColor, 0x123456u);

    Select(window.cmbTheme, 4);
    FileDialogResult picture;
    picture.chosen = true;
    picture.fileName = "C:\\pics\\sky.bmp";
    dialogs.fileAnswers.push_back(picture);
    Click(window.cmdBrowse);
    EXPECT_EQ(dialogs.openRequests.back().filter,
              "Pictures (*.bmp;*.ico;*.jpg;*.gif)\0*.bmp;*.ico;*.jpg;*.gif"s);
    EXPECT_EQ(window.Preview()->BackgroundPicture(), "C:\\pics\\sky.bmp");
    EXPECT_EQ(window.cmbTheme.ListIndex(), 0);
    Click(window.optStretch);
    EXPECT_TRUE(window.Preview()->StretchBackground);
    Click(window.cmdClear);
    EXPECT_EQ(window.Preview()->BackgroundPicture(), "");
    EXPECT_EQ(main->NetGraph().BackColor, meterBack) << "nothing applied yet";
}

// The first property, in the order back, grid, send, receive, both and
// numbers, whose colour the pressed pixel has.
TEST_F(FrmThemeTest, APressOnThePreviewChoosesThePropertyOfItsColour) {
    FrmTheme& window = Open();
    Select(window.cmbProperty, 5);
    ui::headless::Press(window.picSample, 1, 1);  // the background's corner
    EXPECT_EQ(window.cmbProperty.ListIndex(), 0);
    Select(window.cmbProperty, 5);
    ui::headless::Press(window.picSample, 100000, 1);  // outside: nothing
    EXPECT_EQ(window.cmbProperty.ListIndex(), 5);
}

// Saved or deleted in the window, a theme reaches the registry and the
// tray only with Apply or Ok.
TEST_F(FrmThemeTest, SaveAsApplyAndDeleteReachTheRegistryAndTheTray) {
    FrmTheme& window = Open();
    Select(window.cmbProperty, 0);
    ChooseColour(0x000080);
    Click(window.cmdChange);
    host.Script().AnswerInput("");
    Click(window.cmdSave);
    EXPECT_EQ(window.cmbTheme.ListCount(), 5) << "an empty name saves nothing";
    host.Script().AnswerInput("Night");
    Click(window.cmdSave);
    EXPECT_EQ(window.cmbTheme.List(5), "Night");
    EXPECT_EQ(Setting("Themes\\Night", "BackColor"), "<absent>");
    Click(window.cmdApply);
    EXPECT_EQ(Setting("Themes\\Night", "BackColor"), "128");
    EXPECT_EQ(main->NetGraph().BackColor, 0x000080u);

    main->mnuMain_Click();
    std::vector<std::string> styles;
    for (const MenuEntry& entry : main->mnuMain()) {
        for (const MenuEntry& item : entry.children) styles.push_back(item.caption);
    }
    EXPECT_NE(std::find(styles.begin(), styles.end(), "Night"), styles.end());
    main->mnuTheme_Click(0);  // Standard
    EXPECT_NE(main->NetGraph().BackColor, 0x000080u);
    main->mnuTheme_Click(4);  // Night
    EXPECT_EQ(main->NetGraph().BackColor, 0x000080u);

    Select(window.cmbTheme, 5);
    EXPECT_TRUE(window.cmdDel.Enabled());
    Click(window.cmdDel);
    EXPECT_EQ(window.cmbTheme.ListCount(), 5);
    Click(window.cmdOk);
    EXPECT_EQ(Setting("Themes\\Night", "BackColor"), "<absent>");
    EXPECT_FALSE(window.Loaded());
}

}  // namespace
}  // namespace qn::meter
