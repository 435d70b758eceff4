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

}  // namespace
}  // namespace qn::win32
