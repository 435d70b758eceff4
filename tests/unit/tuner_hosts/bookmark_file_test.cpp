// The host list of whole bookmark files: the real exports of fixtures/bookmarks
// against the lists written beside them, line ends, and a full list.
#include "tuner/hosts/bookmark_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/tuner_machine.h"

namespace qn {
namespace {

std::vector<std::string> BookmarkHostsOf(const std::string& text) {
    ImportedHosts hosts;
    ListBookmarkHosts(text, hosts);
    return hosts.Names();
}

// One name per line, an empty line for an empty name.
std::vector<std::string> ExpectedBookmarkHosts(const std::string& file) {
    const std::string text = testing::ReadSourceFile("fixtures/bookmarks/" + file + ".hosts");
    std::vector<std::string> names;
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = text.find('\n', start);
        names.push_back(text.substr(start, end - start));
        start = end == std::string::npos ? text.size() : end + 1;
    }
    return names;
}

class RealBookmarkFile : public ::testing::TestWithParam<const char*> {};

TEST_P(RealBookmarkFile, GivesTheHostsWrittenBesideIt) {
    const std::string file = GetParam();
    EXPECT_EQ(BookmarkHostsOf(testing::ReadSourceFile("fixtures/bookmarks/" + file)),
              ExpectedBookmarkHosts(file));
}

INSTANTIATE_TEST_SUITE_P(
    Browsers, RealBookmarkFile,
    ::testing::Values("netscape-4.7_bookmark.htm.html",
                      "netscape-4.x_dd-descriptions_Bookmarks.html",
                      "mozilla-1.x_file-ftp_bookmarks.html", "icab_hotlist_href-not-first.html",
                      "ie-4.0-mac_x-mac-roman_Favorites.html", "ie-11_bom_nested.htm",
                      "chromium_data-uri-icons_nested.htm", "firefox_place-uris_nested.htm",
                      "handmade_shaarli-style_nonnumeric-add-date_no-path-urls.htm",
                      "safari_mixed-case-title_folded.htm"));

TEST(BookmarkFileLines, EndInCrLfCrOrLf) {
    const std::vector<std::string> three = {"a.example", "b.example", "c.example"};
    for (const char* end : {"\r\n", "\r", "\n"}) {
        std::string text;
        for (const std::string& host : three) {
            text += "    <DT><A HREF=\"http://" + host + "/\">x</A>" + end;
        }
        EXPECT_EQ(BookmarkHostsOf(text), three) << ::testing::PrintToString(std::string(end));
    }
}

TEST(BookmarkFileLines, StopAtTheEditorsNumberOfEntries) {
    std::string text;
    for (int i = 0; i < ImportedHosts::kLimit + 5; ++i) {
        text += "<DT><A HREF=\"http://h" + std::to_string(i) + ".example/\">x</A>\n";
    }
    const std::vector<std::string> hosts = BookmarkHostsOf(text);
    ASSERT_EQ(hosts.size(), std::size_t(ImportedHosts::kLimit));
    EXPECT_EQ(hosts.back(), "h30000.example");
}

}  // namespace
}  // namespace qn
