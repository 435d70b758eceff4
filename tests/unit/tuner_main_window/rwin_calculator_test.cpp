// The RWIN calculator: RWIN as a multiple of the calculation adapter's MSS,
// shown in the three value labels.
#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "tests/unit/tuner_main_window/window_on_machine.h"
#include "ui/headless/user_actions.h"

namespace qn {
namespace {

using testing::HeadlessTuner;
using testing::Win98Window;
using ui::headless::Click;
using ui::headless::Select;

struct Multiple {
    const char* name;
    const char* machine;  // its first adapter calculates
    ui::OptionButton MainWindow::*option;
    const char* mtu;
    const char* mss;
    const char* rwin;
};
void PrintTo(const Multiple& row, std::ostream* os) {
    *os << row.name;
}

class RwinMultiple : public ::testing::TestWithParam<Multiple> {};

TEST_P(RwinMultiple, IsTheMssTimesTheFactor) {
    const Multiple& row = GetParam();
    HeadlessTuner tuner(row.machine);
    MainWindow& window = *tuner.window;
    window.Show();
    Click(window.*row.option);

    EXPECT_EQ(window.Label7.Caption(), row.mtu);
    EXPECT_EQ(window.Label13.Caption(), row.mss);
    EXPECT_EQ(window.Label4.Caption(), row.rwin);
    EXPECT_EQ(std::to_string(window.Settings.Rwin), row.rwin);
}

INSTANTIATE_TEST_SUITE_P(
    Adapters, RwinMultiple,
    ::testing::Values(Multiple{"x4Of1500", "winxp", &MainWindow::opt_rwin_x4, "1500", "1460",
                               "5840"},
                      Multiple{"x8Of576", "win98", &MainWindow::opt_rwin_x8, "576", "536", "4288"}),
    [](const ::testing::TestParamInfo<Multiple>& info) { return std::string(info.param.name); });

TEST_F(Win98Window, ChoosingTheCalculationAdapterRecalculates) {
    Click(window.opt_rwin_x6);
    const std::string label = "NE2000 Compatible (Hardware - ISA)";
    Select(window.cmbRWINCalc, label);

    EXPECT_EQ(window.Settings.RwinCalc, 2);
    EXPECT_EQ(window.cmbRWINCalc.ToolTipText(), label);
    EXPECT_EQ(window.Label7.Caption(), "1500");
    EXPECT_EQ(window.Label13.Caption(), "1460");
    EXPECT_EQ(window.Label4.Caption(), "8760");
    EXPECT_EQ(window.Settings.Rwin, 8760);
    EXPECT_EQ(window.ActiveControl(), &window.cmbRWINCalc);
}

TEST_F(Win98Window, ChangingTheCalculationAdaptersMtuRecalculates) {
    Click(window.opt_rwin_x4);
    Click(window.opt_mtu_1500);
    EXPECT_EQ(window.Settings.Rwin, 5840);
    EXPECT_EQ(window.Label4.Caption(), "5840");
}

}  // namespace
}  // namespace qn
