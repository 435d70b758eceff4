#include <windows.h>
#include <gtest/gtest.h>

#include <string>

#include "platform/win32/win32_services.h"

namespace qn::win32 {
namespace {

TEST(LocalTimeWin32, GeneralDateIsTheShortDateABlankAndTheLongTime) {
    SYSTEMTIME now;
    GetLocalTime(&now);
    const std::string text = MakeWin32LocalTime()->GeneralDateNow();
    EXPECT_NE(text.find(std::to_string(now.wYear % 100)), std::string::npos) << text;
    const auto blank = text.find(' ');
    ASSERT_NE(blank, std::string::npos) << text;
    EXPECT_NE(text.find(':', blank), std::string::npos) << "the time follows the date: " << text;
}

TEST(LocalTimeWin32, AFileNameStampSortsAsTimeDoes) {
    SYSTEMTIME now;
    GetLocalTime(&now);
    const std::string stamp = MakeWin32LocalTime()->FileNameStampNow();
    ASSERT_EQ(stamp.size(), 19u) << stamp;
    EXPECT_EQ(stamp.substr(0, 4), std::to_string(now.wYear));
    EXPECT_EQ(stamp.find_first_of("/\\:*?\"<>|"), std::string::npos) << stamp;
}

}  // namespace
}  // namespace qn::win32
