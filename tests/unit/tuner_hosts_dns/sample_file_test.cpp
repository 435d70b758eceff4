// The sample hosts backup delivered beside the programs: the header the
// tuner's backups carry, an entry count that matches, the names in their
// column, CR LF line ends.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "tests/support/tuner_machine.h"
#include "version.h"

namespace qn {
namespace {

// The file's lines; false when one is not ended by CR LF or holds a lone CR
// or LF.
bool SplitCrLfLines(const std::string& text, std::vector<std::string>& lines) {
    size_t start = 0;
    while (start < text.size()) {
        const size_t end = text.find("\r\n", start);
        if (end == std::string::npos) return false;
        const std::string line = text.substr(start, end - start);
        if (line.find_first_of("\r\n") != std::string::npos) return false;
        lines.push_back(line);
        start = end + 2;
    }
    return true;
}

// Four decimal numbers 0..255 without leading zeros, joined by dots.
bool IsDottedAddress(const std::string& text) {
    int parts = 0;
    size_t start = 0;
    for (;;) {
        const size_t dot = text.find('.', start);
        const std::string part = text.substr(start, dot == std::string::npos ? dot : dot - start);
        if (part.empty() || part.size() > 3 || part.find_first_not_of("0123456789") != part.npos ||
            (part.size() > 1 && part[0] == '0') || std::atoi(part.c_str()) > 255) {
            return false;
        }
        ++parts;
        if (dot == std::string::npos) break;
        start = dot + 1;
    }
    return parts == 4;
}

TEST(SampleHostsFile, CarriesTheBackupHeaderAndOneAlignedLinePerEntry) {
    const std::string text = testing::ReadSourceFile("resources/sample.qlh");
    for (const char c : text) {
        ASSERT_TRUE(c == '\r' || c == '\n' || (c >= ' ' && c <= '~')) << int(c);
    }
    std::vector<std::string> lines;
    ASSERT_TRUE(SplitCrLfLines(text, lines)) << "every line ends in CR LF";
    ASSERT_GE(lines.size(), 8u);

    const std::string rule(70, '#');
    const std::string version = std::to_string(QN_VERSION_MAJOR) + "." +
                                std::to_string(QN_VERSION_MINOR) + "." +
                                std::to_string(QN_VERSION_REVISION);
    const std::vector<std::string> entries(lines.begin() + 7, lines.end());
    const std::vector<std::string> header(lines.begin(), lines.begin() + 7);
    EXPECT_EQ(header, (std::vector<std::string>{
                          rule,
                          "# Quillon Hosts File: sample.qlh",
                          "# http://www.quillon-project.org/",
                          "# Saved with Quillon v" + version,
                          "# Number of Entries: " + std::to_string(entries.size()),
                          rule,
                          "",
                      }));
    EXPECT_GE(entries.size(), 10u);

    std::vector<std::string> names;
    for (const std::string& entry : entries) {
        const size_t space = entry.find(' ');
        ASSERT_NE(space, std::string::npos) << entry;
        const std::string address = entry.substr(0, space);
        EXPECT_TRUE(IsDottedAddress(address)) << entry;
        const size_t column = space + 1 + static_cast<size_t>(std::abs(17 - int(address.size())));
        EXPECT_EQ(entry.find_first_not_of(' ', space), column) << entry;
        const std::string name = entry.substr(column);
        EXPECT_FALSE(name.empty()) << entry;
        EXPECT_EQ(name.find(' '), std::string::npos) << entry;
        for (const std::string& earlier : names) EXPECT_NE(name, earlier);
        names.push_back(name);
    }
}

}  // namespace
}  // namespace qn
