#include "tests/unit/meter/frm_main_fixture.h"

#include "meter/config/registry_class.h"
#include "throughput/raised_error.h"

namespace qn::meter {
namespace {

TEST_F(FrmMainTest, FirstStartWelcomesAndRegistersTheProgramOnce) {
    auto form = Load();
    ASSERT_TRUE(loaded);
    EXPECT_EQ(Setting("Settings", "FirstRun"), "0");
    EXPECT_EQ(Setting("General", "Path"), std::string(kFolder) + "\\");
    EXPECT_EQ(RunValue(), std::string(kFolder) + "\\Dapplet.exe");
    ASSERT_EQ(Balloons().size(), 1u);
    EXPECT_STREQ(Balloons()[0].record.szInfoTitle, "Welcome to Dapplet!");
    EXPECT_EQ(Balloons()[0].record.dwInfoFlags, kNiifInfo);
    EXPECT_EQ(windows.calls, (std::vector<std::string>{"task hidden", "load meter"}))
        << "ShowOnStartup opens the meter window";
    EXPECT_TRUE(form->MeterVisible);
    form->mnuExit_Click();

    // The second start neither welcomes nor writes the Run value again.
    registry.DeleteTree(kHkeyCurrentUser, "Software\\Microsoft\\Windows\\CurrentVersion\\Run");
    shell.calls.clear();
    auto second = Load();
    EXPECT_TRUE(Balloons().empty());
    EXPECT_EQ(RunValue(), "<absent>");
}

TEST_F(FrmMainTest, AnEarlierInstanceEndsTheStartWithOneLogLine) {
    Save("Settings", "Logging", "True");
    auto form = Load(true);
    EXPECT_FALSE(loaded);
    EXPECT_EQ(LogLines(),
              (std::vector<std::string>{std::string(50, '='), "Dapplet build: 7 Loading...",
                                        "frmMain_Load", "Previous Instance"}));
    EXPECT_EQ(Setting("General", "Path"), "<absent>");
    for (const NotifyIconCall& call : shell.calls) {
        EXPECT_NE(call.operation, kNimAdd) << "no icon, not even for a moment";
    }
}

TEST_F(FrmMainTest, ATrayDoubleClickTogglesTheMeterWindowOnce) {
    Save("Graph", "ShowOnStartup", "False");
    auto form = Load();
    const auto tray = [&](std::intptr_t code) {
        hooks.Send(kMainWindow, form->SysTray1.CallbackMessage(), 0, code);
    };
    constexpr std::intptr_t kDown = 0x201, kUp = 0x202, kDouble = 0x203;
    for (std::intptr_t code : {kDown, kUp, kDouble, kUp}) tray(code);
    EXPECT_TRUE(form->MeterVisible) << "opened by the press, left open by the double click";
    for (std::intptr_t code : {kDown, kUp, kDouble, kUp}) tray(code);
    EXPECT_FALSE(form->MeterVisible);
    tray(kDown);
    tray(kUp);
    EXPECT_TRUE(form->MeterVisible) << "single clicks still toggle";
}

TEST_F(FrmMainTest, EachSecondSetsTheTrayPictureAndTooltipAndFeedsTheGraph) {
    Save("Graph", "ShowOnStartup", "False");
    auto form = Load();
    // The version shows until the sampler's first tick, which comes at once.
    bool versionShown = false;
    for (const NotifyIconCall& call : shell.calls) {
        versionShown = versionShown || std::string(call.record.szTip) == "Dapplet v1.0";
    }
    EXPECT_TRUE(versionShown);
    EXPECT_EQ(form->SysTray1.Tooltip(), "Dapplet In: 0kb/s Out: 0kb/s");
    interfaces.rows = {InterfaceRowOf("lo", 1000, 1000), InterfaceRowOf("eth0", 5000 + 1536, 700)};
    clock.Advance(1000);
    EXPECT_EQ(form->SysTray1.Icon(), kPictures.pIn);
    EXPECT_EQ(form->SysTray1.Tooltip(), "Dapplet In: 1.5kb/s Out: 0kb/s");
    clock.Advance(1000);
    EXPECT_EQ(form->SysTray1.Icon(), kPictures.pNone);
    EXPECT_EQ(form->SysTray1.Tooltip(), "Dapplet In: 0kb/s Out: 0kb/s");
    EXPECT_EQ(form->NetGraph().CurHistorySize(), 3) << "the first tick, then two seconds";
}

TEST_F(FrmMainTest, TheMenuFollowsTheMeterWindowAndTheTuner) {
    Save("Graph", "ShowOnStartup", "False");
    files.Write(std::string(kFolder) + "\\quillon.exe", "MZ");
    auto form = Load();
    std::vector<std::string> names;
    for (const MenuEntry& entry : form->mnuMain()) names.push_back(entry.name);
    EXPECT_EQ(names[3], "mnuQuillon");
    EXPECT_EQ(form->mnuMain()[0].caption, "Show");
    form->OnMenuCommand(kShowCommand);
    EXPECT_EQ(form->mnuMain()[0].caption, "Hide");
    form->OnMenuCommand(kShowCommand);
    EXPECT_EQ(windows.calls.back(), "unload meter");

    form->OnMenuCommand(kQuillonCommand);
    EXPECT_EQ(windows.calls.back(), "box Quillon Not Found!!!");
    processes.Script(std::string(kFolder) + "\\quillon.exe", ScriptedProcess{});
    form->OnMenuCommand(kQuillonCommand);
    ASSERT_FALSE(processes.started.empty());
    EXPECT_EQ(processes.started.back(),
              std::make_pair(std::string(kFolder) + "\\quillon.exe", WindowState::Normal));

    form->OnMenuCommand(kFirstThemeCommand + 2);
    EXPECT_EQ(form->NetGraph().Style(), 2);
}

TEST_F(FrmMainTest, ATunerSpeltOtherwiseHidesItsItem) {
    files.Write(std::string(kFolder) + "\\QUILLON.EXE", "MZ");
    auto form = Load();
    for (const MenuEntry& entry : form->mnuMain()) EXPECT_NE(entry.name, "mnuQuillon");
}

TEST_F(FrmMainTest, ExitWritesTheSettingsAndLogsTheWholeRunInOrder) {
    Save("Settings", "Logging", "True");
    Save("Settings", "Interface", "eth0");
    Save("Graph", "ShowOnStartup", "False");
    auto form = Load();
    form->NetGraph().SetStyle(1);
    form->mnuExit_Click();
    EXPECT_EQ(Setting("Settings", "Interface"), "eth0");
    EXPECT_EQ(Setting("Graph", "BackColor"), "0");
    EXPECT_EQ(Setting("Graph", "FillUnderGraph"), "False");
    EXPECT_EQ(Setting("Graph", "AutoScale"), "True");
    EXPECT_EQ(windows.calls.back(), "end");
    EXPECT_EQ(LogLines(),
              (std::vector<std::string>{
                  std::string(50, '='), "Dapplet build: 7 Loading...", "frmMain_Load", "First Run",
                  "NumInterfaces: 2", "Interface 1: lo", "Interface 2: eth0", "cGraph_Initialize",
                  "cNetStatistics_Initialize", "cNetStatus_Initialize", "Adding SysTray",
                  "frmMain_Unload", "Unloading All", "Cleaning up...", "cNetStatus_Terminate",
                  "cGraph_Terminate", "cNetStatistics_Terminate", "End"}));
    EXPECT_EQ(shell.calls.back().operation, kNimDelete) << "the icon goes with the program";
}

}  // namespace
}  // namespace qn::meter

namespace qn::meter {
namespace {

TEST_F(FrmMainTest, ExitEndsTheProgramEvenWhenTheSettingsCannotBeSaved) {
    Save("Graph", "ShowOnStartup", "False");
    auto form = Load();
    form->mnuStatistics_Click();
    registry.refuseWrites = true;
    try {
        form->mnuExit_Click();
        ADD_FAILURE() << "the failed save is reported";
    } catch (const RaisedError& error) {
        EXPECT_EQ(error.number, kRegistryErrorNumber);
    }
    EXPECT_EQ(windows.calls.back(), "end");
    EXPECT_FALSE(form->frmStatistics().Loaded());
    EXPECT_EQ(shell.calls.back().operation, kNimDelete) << "the icon goes with the program";
    EXPECT_NO_THROW(form->Form_Unload()) << "once";
}

}  // namespace
}  // namespace qn::meter
