#include "meter/app/tuner_presence.h"

#include <gtest/gtest.h>

namespace qn::meter {
namespace {

TEST(IsTunerFileName, OnlyTheExactSpellingCounts) {
    EXPECT_TRUE(IsTunerFileName("quillon.exe"));
    EXPECT_FALSE(IsTunerFileName("Quillon.exe"));
    EXPECT_FALSE(IsTunerFileName("QUILLON.EXE"));
    EXPECT_FALSE(IsTunerFileName("QUILLO~1.EXE"));
    EXPECT_FALSE(IsTunerFileName(""));
}

}  // namespace
}  // namespace qn::meter
