// Reading entry lines from hosts files as they are found in the wild, and the
// exact text of the files the editor writes.
#include "tuner/hosts/hosts_format.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace qn {
namespace {

struct LineCase {
    const char* line;
    bool isEntry;
    const char* address;
    const char* name;
    bool include;
};

class HostsLine : public ::testing::TestWithParam<LineCase> {};

TEST_P(HostsLine, GivesItsEntryOrNone) {
    const LineCase& c = GetParam();
    const std::optional<HostsEntry> entry = ParseHostsLine(c.line);
    ASSERT_EQ(entry.has_value(), c.isEntry) << c.line;
    if (!entry) return;
    EXPECT_EQ(entry->address, c.address);
    EXPECT_EQ(entry->name, c.name);
    EXPECT_EQ(entry->include, c.include);
}

INSTANTIATE_TEST_SUITE_P(
    Wild, HostsLine,
    ::testing::Values(
        LineCase{"127.0.0.1 localhost", true, "127.0.0.1", "localhost", true},
        LineCase{"  10.0.0.1\twww.a.com  ", true, "10.0.0.1", "www.a.com", true},
        LineCase{"10.0.0.1 www.a.com #SKIP", true, "10.0.0.1", "www.a.com", false},
        LineCase{"10.0.0.1 www.a.com # SKIP", true, "10.0.0.1", "www.a.com", true},
        LineCase{"10.0.0.1 www.a.com a.com", true, "10.0.0.1", "www.a.com", true},
        LineCase{"10.0.0.1 www.a.com #SKIP extra", true, "10.0.0.1", "www.a.com", true},
        // The first TAB separates, even after a space: the address takes the name.
        LineCase{"10.0.0.1 www.a.com\t# comment", true, "10.0.0.1 www.a.com", "#", true},
        LineCase{"10.0.0.1\t\twww.a.com", true, "10.0.0.1", "www.a.com", true},
        LineCase{"::1 localhost", false, "", "", true},
        LineCase{"#\t127.0.0.1       localhost", false, "", "", true},
        LineCase{"\t127.0.0.1 localhost", false, "", "", true},
        LineCase{"www.a.com 10.0.0.1", false, "", "", true}, LineCase{"=====", false, "", "", true},
        LineCase{" ", false, "", "", true}, LineCase{"", false, "", "", true},
        LineCase{"10.0.0.1", false, "", "", true}, LineCase{"10.0.0.1\t", false, "", "", true}),
    [](const ::testing::TestParamInfo<LineCase>& info) {
        return "Line" + std::to_string(info.index);
    });

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    for (std::string_view line : SplitHostsLines(text)) lines.emplace_back(line);
    return lines;
}

TEST(HostsLines, EndAtCrLfCrOrLfAloneAndSkipAByteOrderMark) {
    const std::vector<std::string> three = {"a", "b", "c"};
    for (const char* text : {"a\r\nb\r\nc\r\n", "a\nb\nc", "a\rb\rc\r", "a\r\nb\nc\r",
                             "\xEF\xBB\xBF"
                             "a\nb\nc\n"}) {
        EXPECT_EQ(Lines(text), three) << text;
    }
    EXPECT_EQ(Lines("a\n\nb"), (std::vector<std::string>{"a", "", "b"}));
    EXPECT_EQ(Lines("a\n\r\nb"), (std::vector<std::string>{"a", "", "b"}));
}

// The stock Windows file, a block list's shape and lines of every kind.
TEST(HostsEntries, AWildFileKeepsEveryEntryLine) {
    const std::string text =
        "\xEF\xBB\xBF"
        "10.9.9.9 first.example\n"
        "# Copyright (c) 1993-1999 Microsoft Corp.\r\n"
        "#\r\n"
        "#\t127.0.0.1       rhino.acme.com          # source server\r\n"
        "127.0.0.1       localhost\r\n"
        "::1             localhost\r\n"
        "0.0.0.0 ads.example ads2.example # blocked\n"
        "\t10.1.1.1 indented.example\n"
        "=====\n"
        " \n"
        "10.2.2.2\tlast.example";
    const HostsEntries read = ReadHostsEntries(text);
    std::vector<std::string> names;
    for (const HostsEntry& entry : read.entries) names.push_back(entry.name);
    EXPECT_EQ(names, (std::vector<std::string>{"first.example", "localhost", "ads.example",
                                               "last.example"}));
    EXPECT_EQ(read.entryLines, 4);
}

TEST(HostsEntries, NoMoreThanTheTableHoldsButEveryLineCounted) {
    std::string text;
    for (int i = 0; i < HostsTable::kSlots + 5; ++i) {
        text += "10.0.0.1 host" + std::to_string(i) + ".example\n";
    }
    const HostsEntries read = ReadHostsEntries(text);
    EXPECT_EQ(read.entries.size(), static_cast<size_t>(HostsTable::kSlots));
    EXPECT_EQ(read.entryLines, HostsTable::kSlots + 5);
}

const HostsHeader kHeader{"http://www.quillon-project.org/", "1.0.1", "3"};
const std::string kRule(70, '#');

HostsTable SampleTable() {
    HostsTable table;
    table.Append("localhost", "127.0.0.1", true);
    table.Append("gone.example", "10.0.0.9", true);
    table.Append("10.0.0.7", "10.0.0.7", true);
    table.Append("skip.example", "192.168.100.200", false);
    table.Append("long.example", "2001:db8:85a3::8a2e:370:7334", true);
    table.Remove(1);
    return table;
}

TEST(HostsWriting, TheHostsFileDropsSelfNamedEntriesAndMarksSkippedOnes) {
    EXPECT_EQ(HostsFileText(SampleTable(), kHeader),
              kRule +
                  "\r\n# Quillon Hosts File\r\n# http://www.quillon-project.org/\r\n"
                  "# Saved with Quillon v1.0.1\r\n# Number of Entries: 3\r\n" +
                  kRule +
                  "\r\n\r\n"
                  "127.0.0.1         localhost\r\n"
                  "192.168.100.200   skip.example #SKIP\r\n"
                  "2001:db8:85a3::8a2e:370:7334            long.example\r\n");
}

TEST(HostsWriting, ABackupNamesItsFileAndKeepsEveryEntry) {
    const std::string text = HostsBackupText(SampleTable(), kHeader, "mine.qlh");
    EXPECT_EQ(text.substr(72, 34), "# Quillon Hosts File: mine.qlh\r\n# ");
    EXPECT_NE(text.find("\r\n10.0.0.7          10.0.0.7\r\n"), std::string::npos);
    EXPECT_NE(text.find("skip.example #SKIP"), std::string::npos);
    EXPECT_EQ(HostsBackupText(HostsTable(), {kHeader.webPage, "1.0.1", "0"}, "e.qlh"),
              kRule +
                  "\r\n# Quillon Hosts File: e.qlh\r\n# http://www.quillon-project.org/\r\n"
                  "# Saved with Quillon v1.0.1\r\n# Number of Entries: 0\r\n" +
                  kRule + "\r\n\r\n");
}

TEST(HostsWriting, AppendLinesHaveNoHeaderAndNoMarks) {
    EXPECT_EQ(HostsAppendText(SampleTable()),
              "127.0.0.1         localhost\r\n10.0.0.7          10.0.0.7\r\n"
              "192.168.100.200   skip.example\r\n"
              "2001:db8:85a3::8a2e:370:7334            long.example\r\n");
}

TEST(HostsWriting, WhatIsWrittenReadsBackAsTheSameEntries) {
    const HostsTable table = SampleTable();
    const HostsEntries read = ReadHostsEntries(HostsBackupText(table, kHeader, "x.qlh"));
    ASSERT_EQ(read.entries.size(), 4u);
    EXPECT_EQ(read.entries[2].name, "skip.example");
    EXPECT_FALSE(read.entries[2].include);
    EXPECT_EQ(read.entries[3].address, "2001:db8:85a3::8a2e:370:7334");
}

}  // namespace
}  // namespace qn
