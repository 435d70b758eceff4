#pragma once
// Compares two lists of text lines and, when they differ, shows each list one
// line to a row, lines missing from the other marked, so that a long table
// reads at a glance.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace qn::machine_test {

inline ::testing::AssertionResult SameLines(const std::vector<std::string>& expected,
                                            const std::vector<std::string>& actual) {
    if (expected == actual) return ::testing::AssertionSuccess();
    auto show = [](const char* title, const std::vector<std::string>& lines,
                   const std::vector<std::string>& other) {
        std::string text = std::string(title) + ":\n";
        for (const std::string& line : lines) {
            const bool elsewhere = std::find(other.begin(), other.end(), line) != other.end();
            text += (elsewhere ? "    " : "  > ") + line + "\n";
        }
        return text;
    };
    return ::testing::AssertionFailure()
           << "\n"
           << show("expected", expected, actual) << show("actual", actual, expected);
}

}  // namespace qn::machine_test
