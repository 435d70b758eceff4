#include <gtest/gtest.h>

#include "platform/win32/single_instance_win32.h"

namespace qn::win32 {
namespace {

TEST(SingleInstanceWin32, FirstClaimSeesNoOtherInstance) {
    auto first = MakeWin32SingleInstance("QuillonTestSingleA");
    EXPECT_FALSE(first->AnotherInstanceRunning());
}

TEST(SingleInstanceWin32, SecondClaimSeesTheFirstWhileItLives) {
    auto first = MakeWin32SingleInstance("QuillonTestSingleB");
    auto second = MakeWin32SingleInstance("QuillonTestSingleB");
    EXPECT_FALSE(first->AnotherInstanceRunning());
    EXPECT_TRUE(second->AnotherInstanceRunning());
}

TEST(SingleInstanceWin32, ReleasedClaimFreesTheName) {
    MakeWin32SingleInstance("QuillonTestSingleC").reset();
    auto again = MakeWin32SingleInstance("QuillonTestSingleC");
    EXPECT_FALSE(again->AnotherInstanceRunning());
}

TEST(SingleInstanceWin32, DifferentProgramsDoNotClash) {
    auto tuner = MakeWin32SingleInstance("QuillonTestSingleD");
    auto meter = MakeWin32SingleInstance("QuillonTestSingleE");
    EXPECT_FALSE(meter->AnotherInstanceRunning());
}

TEST(SingleInstanceWin32, BackslashInNameIsAccepted) {
    auto first = MakeWin32SingleInstance("Quillon\\Test");
    auto second = MakeWin32SingleInstance("Quillon\\Test");
    EXPECT_TRUE(second->AnotherInstanceRunning());
}

}  // namespace
}  // namespace qn::win32
