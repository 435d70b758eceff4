// The host an import takes from an address: from a bookmark line, from a
// shortcut file's second line, and which names it hands to the editor.
#include "tuner/hosts/address_host.h"

#include <gtest/gtest.h>

#include <string>

#include "tuner/hosts/bookmark_file.h"
#include "tuner/hosts/favorite_file.h"

namespace qn {
namespace {

struct SlashCase {
    const char* text;
    const char* host;
};

class HostOfAddress : public ::testing::TestWithParam<SlashCase> {};

TEST_P(HostOfAddress, IsTheTextBetweenTheSecondAndThirdSlash) {
    EXPECT_EQ(GetLastSlash(GetParam().text), GetParam().host) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Addresses, HostOfAddress,
    ::testing::Values(SlashCase{"http://www.example.com/page", "www.example.com"},
                      SlashCase{"http://www.example.com/", "www.example.com"},
                      SlashCase{"ftp://ftp.example.org/pub/a/b/", "ftp.example.org"},
                      SlashCase{"http://www.example.com:8080/", "www.example.com:8080"},
                      SlashCase{"URL=http://www.example.com/page", "www.example.com"},
                      // No path: fewer than three "/".
                      SlashCase{"http://www.example.com", ""}, SlashCase{"http:/x", ""},
                      SlashCase{"www.example.com", ""}, SlashCase{"", ""},
                      SlashCase{"file:///C:/dir/x.htm", ""}, SlashCase{"///", ""},
                      SlashCase{"a//b/", "b"}, SlashCase{"a/b/c/d", "c"}));

TEST(LastBackSlash, IsCountedFromOneAndZeroWhenThereIsNone) {
    EXPECT_EQ(GetLastBackSlash("C:\\Program Files\\Netscape\\bookmark.htm"), 26u);
    EXPECT_EQ(GetLastBackSlash("\\"), 1u);
    EXPECT_EQ(GetLastBackSlash("bookmark.htm"), 0u);
    EXPECT_EQ(GetLastBackSlash(""), 0u);
}

struct BookmarkCase {
    const char* line;
    bool isBookmark;
    const char* host;
};

class BookmarkLine : public ::testing::TestWithParam<BookmarkCase> {};

TEST_P(BookmarkLine, GivesTheHostOfItsAddressOrIsNoBookmark) {
    const auto host = BookmarkHost(GetParam().line);
    ASSERT_EQ(host.has_value(), GetParam().isBookmark) << GetParam().line;
    if (host) {
        EXPECT_EQ(*host, GetParam().host) << GetParam().line;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Lines, BookmarkLine,
    ::testing::Values(
        BookmarkCase{"<DT><A HREF=\"http://home.netscape.com/x.html\" ADD_DATE=\"1\">N</A>", true,
                     "home.netscape.com"},
        BookmarkCase{"        <DT><A HREF=\"http://a.example/\">A</A>   ", true, "a.example"},
        // No path: the third "/" is the closing tag's, the quote ends the host.
        BookmarkCase{"<DT><A HREF=\"http://a.example\">A</A>", true, "a.example"},
        BookmarkCase{"<DT><A HREF=\"http://a.example\" ADD_DATE=\"10/Oct/2000\">A</A>", true,
                     "a.example"},
        // No quote at all: whatever lies up to the closing tag.
        BookmarkCase{"<DT><A HREF=http://a.example>A</A>", true, "a.example>A<"},
        BookmarkCase{"<DT><A HREF=\"place:sort=8\">Most visited</A>", true, ""},
        BookmarkCase{"<DT><A HREF=\"file:///C|/x.htm\">x</A>", true, ""},
        BookmarkCase{"<DT><A HREF=", true, ""},
        // The start is compared exactly; later exports indent with TABs and
        // put attributes before HREF.
        BookmarkCase{"\t<DT><A HREF=\"http://a.example/\">A</A>", true, "a.example"},
        BookmarkCase{"<dt><a href=\"http://a.example/\">A</A>", false, ""},
        BookmarkCase{"<DT><A  HREF=\"http://a.example/\">A</A>", true, "a.example"},
        BookmarkCase{"<DT><A ADD_DATE=\"1/2/3\" HREF=\"http://a.example/\">A</A>", true,
                     "a.example"},
        BookmarkCase{"<DT><A NAME=\"x\">A</A>", false, ""},
        BookmarkCase{"<HR>    <DT><A HREF=\"http://a.example/\">A</A>", false, ""},
        BookmarkCase{"<DT><H3 FOLDED>Folder</H3>", false, ""},
        BookmarkCase{"<DT><A HRE", false, ""}, BookmarkCase{"", false, ""}));

struct ShortcutCase {
    const char* name;
    std::string text;
    const char* host;
};

void PrintTo(const ShortcutCase& c, std::ostream* out) {
    *out << c.name;
}

class ShortcutFile : public ::testing::TestWithParam<ShortcutCase> {};

TEST_P(ShortcutFile, GivesTheHostOfItsSecondLine) {
    EXPECT_EQ(FavoriteFileHost(GetParam().text), GetParam().host);
}

std::string FramesShortcut(const std::string& firstTwoLines) {
    std::string text = firstTwoLines;
    for (int line = 3; line < 45; ++line) text += "ORIGURL=frame" + std::to_string(line) + "\r\n";
    return text + "[InternetShortcut]\r\nURL=http://www.site.example/\r\n";
}

INSTANTIATE_TEST_SUITE_P(
    Shapes, ShortcutFile,
    ::testing::Values(
        ShortcutCase{"InternetShortcut",
                     "[InternetShortcut]\r\nURL=http://www.example.com/page\r\n",
                     "www.example.com"},
        ShortcutCase{"WithIconAndModified",
                     "[InternetShortcut]\r\nURL=http://www.example.com/\r\nModified=20F06BA0\r\n"
                     "IconFile=http://cdn.example.net/favicon.ico\r\nIconIndex=1\r\n",
                     "www.example.com"},
        ShortcutCase{"ModifiedBeforeUrl",
                     "[InternetShortcut]\r\nModified=20F06BA0\r\nURL=http://www.example.com/\r\n",
                     ""},
        ShortcutCase{"IconFileBeforeUrl",
                     "[InternetShortcut]\r\nIconFile=http://cdn.example.net/favicon.ico\r\n"
                     "URL=http://www.example.com/\r\n",
                     "cdn.example.net"},
        // The older form: the second line is the base address, still an address.
        ShortcutCase{"DefaultBaseUrl",
                     "[DEFAULT]\r\nBASEURL=http://www.example.com/dir/\r\n[InternetShortcut]\r\n"
                     "URL=http://www.example.com/dir/page.htm\r\n",
                     "www.example.com"},
        // Frames: the address is on line 46; line 2 decides.
        ShortcutCase{"FramesWithDefault",
                     FramesShortcut("[DEFAULT]\r\nBASEURL=http://www.site.example/\r\n"),
                     "www.site.example"},
        ShortcutCase{"FramesFirstFrameElsewhere",
                     FramesShortcut("[DOC_ad]\r\nBASEURL=http://ads.example.net/banner.htm\r\n"),
                     "ads.example.net"},
        ShortcutCase{"FramesRelativeSecondLine",
                     FramesShortcut("[DOC_left]\r\nORIGURL=left.htm\r\n"), ""},
        ShortcutCase{"NewerPropertySection",
                     "[{000214A0-0000-0000-C000-000000000046}]\r\nProp3=19,2\r\n"
                     "[InternetShortcut]\r\nURL=http://www.example.com/\r\n",
                     ""},
        ShortcutCase{"UrlWithoutPath", "[InternetShortcut]\r\nURL=http://www.example.com\r\n", ""},
        ShortcutCase{"LineFeedsOnly", "[InternetShortcut]\nURL=http://lf.example/\n", "lf.example"},
        ShortcutCase{"OneLine", "[InternetShortcut]", ""}, ShortcutCase{"Empty", "", ""},
        ShortcutCase{"Utf16", std::string("\xFF\xFE[\0I\0]\0\r\0\n\0U\0=\0h\0:\0/\0/\0x\0/\0", 28),
                     ""}));

TEST(ShortcutFileName, EndsInUrlInAnyCase) {
    EXPECT_TRUE(IsFavoriteFileName("Example.url"));
    EXPECT_TRUE(IsFavoriteFileName("WEB-SLIC.URL"));
    EXPECT_TRUE(IsFavoriteFileName("Caf\xE9.Url"));
    EXPECT_FALSE(IsFavoriteFileName("desktop.ini"));
    EXPECT_FALSE(IsFavoriteFileName("page.urlx"));
    EXPECT_FALSE(IsFavoriteFileName("url"));
}

struct NameCase {
    const char* name;
    bool importable;
};

class ImportedName : public ::testing::TestWithParam<NameCase> {};

TEST_P(ImportedName, ReachesTheEditorOnlyAsAPlainHostNameOrAddress) {
    EXPECT_EQ(IsImportableHost(GetParam().name), GetParam().importable) << GetParam().name;
}

INSTANTIATE_TEST_SUITE_P(
    Names, ImportedName,
    ::testing::Values(NameCase{"www.example.com", true}, NameCase{"10.0.0.1", true},
                      NameCase{"my_host-1", true}, NameCase{"", false},
                      // A hosts line "10.0.0.1 10.0.0.1 www.bank.example" would send the
                      // second name to the first address.
                      NameCase{"10.0.0.1 www.bank.example", false},
                      NameCase{" www.example.com", false}, NameCase{"a.example:8080", false},
                      NameCase{"user@a.example", false}, NameCase{"a.example#x", false},
                      NameCase{"a.example\">A<", false}, NameCase{"-t", false},
                      NameCase{"caf\xE9.example", false}));

}  // namespace
}  // namespace qn
