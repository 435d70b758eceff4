#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/path_parts.h"

namespace qn {
namespace {

using Parts = std::vector<std::string>;

TEST(PathParts, EmptyNamesBetweenSeparatorsAreDropped) {
    EXPECT_EQ(PathParts("C:\\WINDOWS\\system"), (Parts{"C:", "WINDOWS", "system"}));
    EXPECT_EQ(PathParts("\\\\server\\share\\\\dir\\"), (Parts{"server", "share", "dir"}));
    EXPECT_EQ(PathParts("C:/a/b\\c"), (Parts{"C:", "a", "b", "c"}));
    EXPECT_EQ(PathParts("name"), (Parts{"name"}));
    EXPECT_EQ(PathParts(""), Parts{});
    EXPECT_EQ(PathParts("\\/\\"), Parts{});
}

TEST(PathParts, OnlyTheGivenSeparatorsSplit) {
    EXPECT_EQ(PathParts("\\StringFileInfo\\040904E4\\File/Version", "\\"),
              (Parts{"StringFileInfo", "040904E4", "File/Version"}));
    EXPECT_EQ(PathParts("a b\tc.d", "\\"), (Parts{"a b\tc.d"}));
    EXPECT_EQ(PathParts("a\\b", ""), (Parts{"a\\b"}));
}

}  // namespace
}  // namespace qn
