#include <gtest/gtest.h>

#include "tests/unit/meter/frm_main_fixture.h"
#include "ui/headless/user_actions.h"

namespace qn::meter {
namespace {

using ui::headless::Click;
using ui::headless::Select;

class FrmSettingsTest : public FrmMainTest {
  protected:
    void SetUp() override { Save("Graph", "ShowOnStartup", "False"); }
    FrmSettings& Open() {
        if (!main) main = Load();
        main->OnMenuCommand(kSettingsCommand);
        return main->frmSettings();
    }
    // The selected scale option's caption, or "none".
    static std::string SelectedScale(FrmSettings& dialog) {
        for (ui::OptionButton* option :
             {&dialog.opScaleAuto, &dialog.opScale1000, &dialog.opScale500, &dialog.opScale56,
              &dialog.opScale336, &dialog.opScale288}) {
            if (option->Value()) return option->Caption();
        }
        return "none";
    }
    std::unique_ptr<FrmMain> main;
};

TEST_F(FrmSettingsTest, LoadShowsTheStoredAlphaAsTheListAllows) {
    struct Case {
        const char* stored;
        bool ticked;
        int item;  // -1: none selected
    };
    const Case cases[] = {
        {"100", false, 13}, {"150", false, 13}, {"abc", false, 13}, {"50", true, 9},
        {"97", true, 18},   {"0", true, -1},    {"7.5", true, 0},   {"-20", true, 13},
    };
    for (const Case& c : cases) {
        Save("Graph", "Alpha", c.stored);
        FrmSettings& dialog = Open();
        EXPECT_EQ(dialog.cmbAlpha.ListCount(), 19);
        EXPECT_EQ(dialog.cmbAlpha.List(0), "5%");
        EXPECT_EQ(dialog.cmbAlpha.List(18), "95%");
        EXPECT_EQ(dialog.chkAlpha.Value() == ui::vbChecked, c.ticked) << c.stored;
        EXPECT_EQ(dialog.cmbAlpha.Enabled(), c.ticked) << c.stored;
        EXPECT_EQ(dialog.cmbAlpha.ListIndex(), c.item) << c.stored;
        Click(dialog.cmdCancel);
    }
}

TEST_F(FrmSettingsTest, LoadTakesTheInterfaceScaleFlagsAndRunValue) {
    struct Case {
        bool autoScale;
        std::int32_t scale;
        const char* option;
    };
    const Case cases[] = {{true, 5000, "Auto Adjust"},  {false, 8806, "56k Modem"},
                          {false, 1024000, "1000kb/s"}, {false, 3994, "28.8 Modem"},
                          {false, 1, "none"},           {false, 8807, "none"}};
    main = Load();
    for (const Case& c : cases) {
        main->NetGraph().SetAutoScale(c.autoScale);
        main->NetGraph().SetScaleValue(c.scale);
        FrmSettings& dialog = Open();
        EXPECT_EQ(SelectedScale(dialog), c.option) << c.scale;
        Click(dialog.cmdCancel);
    }

    main->NetStat()->SetInterface("eth0");
    Save("Position", "NoBorder", "True");
    Save("Graph", "Show Gridlines", "False");
    FrmSettings& dialog = Open();
    EXPECT_EQ(dialog.Caption(), "Dapplet Settings");
    EXPECT_TRUE(main->SettingsVisible);
    ASSERT_EQ(dialog.cmbInt.ListCount(), 3);
    EXPECT_EQ(dialog.cmbInt.List(0), "All Interfaces");
    EXPECT_EQ(dialog.cmbInt.Text(), "eth0");
    EXPECT_EQ(dialog.chkShowGraph.Value(), ui::vbUnchecked);
    EXPECT_EQ(dialog.chkStartup.Value(), ui::vbChecked) << "the first start wrote the Run value";
    EXPECT_EQ(dialog.chkBorder.Value(), ui::vbUnchecked);
    EXPECT_EQ(dialog.chkGridlines.Value(), ui::vbUnchecked);
    EXPECT_EQ(dialog.chkNumerical.Value(), ui::vbChecked);
    Click(dialog.cmdCancel);
    EXPECT_FALSE(main->SettingsVisible);

    // Without interfaces only the sum is offered; the tray's extra button opens it too.
    interfaces.rows.clear();
    main->NetStat()->SetInterface("");
    constexpr std::intptr_t kExtraButtonDown = 0x20B;
    hooks.Send(kMainWindow, main->SysTray1.CallbackMessage(), 0, kExtraButtonDown);
    EXPECT_TRUE(main->frmSettings().Visible());
    EXPECT_EQ(main->frmSettings().cmbInt.ListCount(), 1);
}

TEST_F(FrmSettingsTest, ApplyChangesTheLiveObjectsStoresTheRestAndRebuildsTheMeterWindow) {
    main = Load();
    main->mnuShow_Click();
    FrmSettings& dialog = Open();
    Select(dialog.cmbInt, "eth0");
    Click(dialog.opScale56);
    Click(dialog.chkBorder);  // was ticked: now clear
    Click(dialog.chkAlpha);
    Select(dialog.cmbAlpha, "50%");
    Click(dialog.chkStartup);  // was ticked: now clear
    Click(dialog.chkNumerical);
    windows.calls.clear();
    Click(dialog.cmdApply);

    EXPECT_EQ(main->NetStat()->Interface(), "eth0");
    EXPECT_FALSE(main->NetGraph().AutoScale());
    EXPECT_EQ(main->NetGraph().ScaleValue(), 8806);
    EXPECT_FALSE(main->NetGraph().ShowNum());
    EXPECT_TRUE(main->NetGraph().ShowGrid());
    EXPECT_EQ(Setting("Position", "NoBorder"), "True");
    EXPECT_EQ(Setting("Graph", "Alpha"), "50");
    EXPECT_EQ(Setting("Graph", "ShowOnStartup"), "False");
    EXPECT_EQ(Setting("Graph", "Show Numerical Values"), "False");
    EXPECT_EQ(Setting("Graph", "Show Gridlines"), "True");
    EXPECT_EQ(Setting("Graph", "AutoScale"), "<absent>") << "the scale waits for the end";
    EXPECT_EQ(RunValue(), "<absent>") << "deleted at once";
    EXPECT_EQ(windows.calls, (std::vector<std::string>{"unload meter", "load meter"}));
    EXPECT_TRUE(dialog.Loaded()) << "Apply leaves the dialog open";

    Click(dialog.chkStartup);
    Click(dialog.chkAlpha);
    Click(dialog.opScaleAuto);
    Click(dialog.cmdOk);
    EXPECT_EQ(RunValue(), std::string(kFolder) + "\\Dapplet.exe");
    EXPECT_EQ(Setting("Graph", "Alpha"), "100");
    EXPECT_TRUE(main->NetGraph().AutoScale());
    EXPECT_EQ(main->NetGraph().ScaleValue(), 1);
    EXPECT_FALSE(dialog.Loaded());
    EXPECT_FALSE(main->SettingsVisible);
}

TEST_F(FrmSettingsTest, ApplyLeavesWhatTheDialogCouldNotShowAndIgnoresAMissingRunKey) {
    Save("Graph", "Alpha", "0");
    main = Load();
    main->NetGraph().SetAutoScale(false);
    main->NetGraph().SetScaleValue(1);
    registry.DeleteTree(kHkeyCurrentUser, "Software\\Microsoft\\Windows\\CurrentVersion\\Run");
    FrmSettings& dialog = Open();
    Click(dialog.chkStartup.Value() == ui::vbChecked ? dialog.chkStartup : dialog.chkBorder);
    windows.calls.clear();
    EXPECT_NO_THROW(Click(dialog.cmdApply));
    EXPECT_EQ(main->NetGraph().ScaleValue(), 1) << "no scale option selected";
    EXPECT_FALSE(main->NetGraph().AutoScale());
    EXPECT_EQ(Setting("Graph", "Alpha"), "0") << "ticked without a selection";
    EXPECT_TRUE(windows.calls.empty()) << "a closed meter window shows it when next opened";

    Select(dialog.cmbInt, "All Interfaces");
    main->NetStat()->SetInterface("lo");
    Click(dialog.cmdCancel);
    EXPECT_EQ(main->NetStat()->Interface(), "lo") << "Cancel applies nothing";
}

}  // namespace
}  // namespace qn::meter
