#include <gtest/gtest.h>

#include "tests/unit/meter/frm_main_fixture.h"
#include "ui/headless/user_actions.h"

namespace qn::meter {
namespace {

using ui::headless::Click;

class FrmStatisticsTest : public FrmMainTest {
  protected:
    void SetUp() override {
        Save("Graph", "ShowOnStartup", "False");
        Save("Settings", "Logging", "True");
        main = Load();
    }
    FrmStatistics& Stats() { return main->frmStatistics(); }
    std::vector<std::string> Fields() {
        std::vector<std::string> texts;
        for (ui::TextBox* field :
             {&Stats().txtTotalIn, &Stats().txtTotalOut, &Stats().txtTotalTotal,
              &Stats().txtCurrentIn, &Stats().txtCurrentOut, &Stats().txtCurrentTotal,
              &Stats().txtAverageIn, &Stats().txtAverageOut, &Stats().txtAverageTotal,
              &Stats().txtMaxIn, &Stats().txtMaxOut, &Stats().txtMaxTotal}) {
            texts.push_back(field->Text());
        }
        return texts;
    }
    std::unique_ptr<FrmMain> main;
};

using Texts = std::vector<std::string>;

TEST_F(FrmStatisticsTest, OpensFromTheMenuAndTheMiddleButtonAndFollowsEverySample) {
    main->OnMenuCommand(kStatisticsCommand);
    ASSERT_TRUE(Stats().Visible());
    EXPECT_TRUE(main->StatisticsVisible);
    EXPECT_EQ(Stats().Caption(), "Dapplet Throughput Statistics");
    EXPECT_TRUE(Stats().optB.Value());
    EXPECT_EQ(Stats().txtTotalIn.Text(), "0 b") << "the first tick's sample";

    Click(Stats().cmdReset);
    EXPECT_EQ(Fields(), Texts(12, "0"));
    main->NetStat_Status(100, 10);
    main->NetStat_Status(300, 30);
    EXPECT_EQ(Fields(), (Texts{"400 b", "40 b", "440 b", "300 b/s", "30 b/s", "330 b/s", "200 b/s",
                               "20 b/s", "110 b/s", "300 b/s", "30 b/s", "330 b/s"}));

    Click(Stats().cmdClose);
    EXPECT_FALSE(Stats().Loaded());
    EXPECT_FALSE(main->StatisticsVisible);
    main->NetStat_Status(1536, 0);
    EXPECT_EQ(main->NetStatistics().Time(), 3) << "counting goes on while the window is closed";

    // The tray's middle button opens it again, with nothing reset.
    hooks.Send(kMainWindow, main->SysTray1.CallbackMessage(), 0, 0x207);
    ASSERT_TRUE(Stats().Visible());
    EXPECT_EQ(Stats().txtTotalIn.Text(), "1936 b");
    const auto lines = LogLines();
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "frmStatistics_Load"), 2);
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "frmStatistics_Unload"), 1);
}

TEST_F(FrmStatisticsTest, FormatsPauseAndReset) {
    main->mnuStatistics_Click();
    Click(Stats().cmdReset);
    main->NetStat_Status(1536, 1048576);
    Click(Stats().optKb);
    EXPECT_EQ(Stats().txtTotalIn.Text(), "1.5 kb");
    EXPECT_EQ(Stats().txtCurrentOut.Text(), "1024 kb/s");
    Click(Stats().optMb);
    EXPECT_EQ(Stats().txtTotalOut.Text(), "1 mb");

    Click(Stats().chkPause);
    main->NetStat_Status(2048, 0);
    EXPECT_EQ(Stats().txtTotalOut.Text(), "1 mb") << "paused: the fields keep their values";
    Click(Stats().optB);
    EXPECT_EQ(Stats().txtTotalIn.Text(), "0 mb") << "even a new format waits";
    EXPECT_EQ(main->NetStatistics().TotalIn(), 3584) << "the statistics keep counting";
    Click(Stats().chkPause);
    EXPECT_EQ(Stats().txtTotalIn.Text(), "3584 b") << "at once when unpaused";

    Click(Stats().cmdReset);
    EXPECT_EQ(Fields(), Texts(12, "0"));
    EXPECT_EQ(main->NetStatistics().Time(), 0);
    main->NetStat_Status(7, 0);
    EXPECT_EQ(Stats().txtTotalIn.Text(), "7 b") << "the next sample fills them from the new object";
}

TEST_F(FrmStatisticsTest, AlwaysOnTopLeavesTheMeterWindowAbove) {
    main->mnuShow_Click();
    main->mnuStatistics_Click();
    Click(Stats().chkOnTop);
    EXPECT_TRUE(Stats().TopMost());
    windows.calls.clear();
    Click(Stats().chkOnTop);
    EXPECT_FALSE(Stats().TopMost());
    EXPECT_EQ(windows.calls, Texts{"meter on top"});

    main->mnuShow_Click();
    windows.calls.clear();
    Click(Stats().chkOnTop);
    Click(Stats().chkOnTop);
    EXPECT_TRUE(windows.calls.empty()) << "no meter window to keep above";

    main->mnuExit_Click();
    EXPECT_FALSE(Stats().Loaded()) << "the end closes every window";
}

}  // namespace
}  // namespace qn::meter
