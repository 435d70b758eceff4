#include "meter/app/tray_callback.h"

#include <gtest/gtest.h>

namespace qn::meter {
namespace {

using E = TrayEvent;
using Calls = std::vector<TrayEventCall>;

TEST(DecodeTrayCallback, ClicksAreReportedOnButtonDown) {
    EXPECT_EQ(DecodeTrayCallback(513), (Calls{{E::MouseDown, kLeft}, {E::LeftClick, kNoButton}}));
    EXPECT_EQ(DecodeTrayCallback(516), (Calls{{E::MouseDown, kRight}, {E::RightClick, kNoButton}}));
    EXPECT_EQ(DecodeTrayCallback(514), (Calls{{E::MouseUp, kLeft}}));
    EXPECT_EQ(DecodeTrayCallback(517), (Calls{{E::MouseUp, kRight}}));
}

TEST(DecodeTrayCallback, DoubleClicksNameTheirButton) {
    EXPECT_EQ(DecodeTrayCallback(515),
              (Calls{{E::DoubleClick, kLeft}, {E::DoubleLeftClick, kNoButton}}));
    EXPECT_EQ(DecodeTrayCallback(518), (Calls{{E::DoubleClick, kRight}}));
    EXPECT_EQ(DecodeTrayCallback(521), (Calls{{E::DoubleClick, kMiddle}}));
    EXPECT_EQ(DecodeTrayCallback(525), (Calls{{E::DoubleClick, kExtra}}));
}

TEST(DecodeTrayCallback, MiddleAndExtraButtons) {
    EXPECT_EQ(DecodeTrayCallback(519), (Calls{{E::MouseDown, kMiddle}}));
    EXPECT_EQ(DecodeTrayCallback(520), (Calls{{E::MouseUp, kMiddle}}));
    EXPECT_EQ(DecodeTrayCallback(523), (Calls{{E::MouseDown, kExtra}}));
    EXPECT_EQ(DecodeTrayCallback(524), (Calls{{E::MouseUp, kExtra}}));
}

TEST(DecodeTrayCallback, MoveAndBalloonCodes) {
    EXPECT_EQ(DecodeTrayCallback(512), (Calls{{E::MouseMove, kNoButton}}));
    EXPECT_EQ(DecodeTrayCallback(1026), (Calls{{E::BalloonShow, kNoButton}}));
    EXPECT_EQ(DecodeTrayCallback(1027), (Calls{{E::BalloonHide, kNoButton}}));
    EXPECT_EQ(DecodeTrayCallback(1028), (Calls{{E::BalloonTimeout, kNoButton}}));
    EXPECT_EQ(DecodeTrayCallback(1029), (Calls{{E::BalloonClicked, kNoButton}}));
}

TEST(DecodeTrayCallback, UnknownCodesRaiseNothing) {
    EXPECT_TRUE(DecodeTrayCallback(0).empty());
    EXPECT_TRUE(DecodeTrayCallback(522).empty());  // horizontal wheel, never sent by the shell
    EXPECT_TRUE(DecodeTrayCallback(1025).empty());
}

TEST(DecodeTrayCallback, IgnoresIconIdInHighWord) {
    EXPECT_EQ(DecodeTrayCallback((7 << 16) | 516), DecodeTrayCallback(516));
}

}  // namespace
}  // namespace qn::meter
