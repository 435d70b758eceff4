#include "meter/app/meter_identity.h"

#include <gtest/gtest.h>

namespace qn::meter {
namespace {

TEST(StartupTooltip, ShowsTitleAndMajorMinorVersion) {
    EXPECT_EQ(StartupTooltip(kMeterTitle, 1, 0), "Dapplet v1.0");
    EXPECT_EQ(StartupTooltip("Dapplet", 2, 15), "Dapplet v2.15");
}

TEST(TrayCallbackMessageName, IsTitleWithSuffix) {
    EXPECT_EQ(TrayCallbackMessageName(kMeterTitle), "Dapplet_TrayMsg");
}

TEST(FitToField, KeepsTextThatFitsWithItsTerminator) {
    EXPECT_EQ(FitToField("abc", 4), "abc");
    EXPECT_EQ(FitToField("", 1), "");
}

TEST(FitToField, CutsTextToLeaveRoomForTheTerminator) {
    EXPECT_EQ(FitToField("abcd", 4), "abc");
    EXPECT_EQ(FitToField(std::string(300, 'x'), 128).size(), 127u);
}

TEST(FitToField, ZeroSizedFieldHoldsNothing) {
    EXPECT_EQ(FitToField("abc", 0), "");
}

}  // namespace
}  // namespace qn::meter
