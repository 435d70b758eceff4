// The profile list of the bookmark import, from Netscape Navigator's registry
// keys and the bookmark files that are really there.
#include "tuner/hosts/bookmark_profiles.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/memory/memory_file_system.h"
#include "platform/memory/memory_registry.h"
#include "platform/memory/reg_file.h"
#include "ui/headless/scripted_message_boxes.h"

namespace qn {
namespace {

const char kNavigator3[] =
    "[HKEY_CURRENT_USER\\Software\\Netscape\\Netscape Navigator\\Bookmark List]\r\n"
    "\"File Location\"=\"C:\\\\Program Files\\\\Netscape\\\\Navigator\\\\bookmark.htm\"\r\n";
const char kNavigator4Users[] =
    "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Netscape\\Netscape Navigator\\Users\\joe]\r\n"
    "\"UserName\"=\"joe snuffy\"\r\n"
    "\"DirRoot\"=\"C:\\\\Program Files\\\\Netscape\\\\Users\\\\joe\"\r\n"
    // Stored without a terminating NUL: nothing of the text is lost.
    "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Netscape\\Netscape Navigator\\Users\\ann]\r\n"
    "\"UserName\"=hex(1):41,6e,6e\r\n"
    "\"DirRoot\"=hex(1):43,3a,5c,41,6e,6e\r\n";

class BookmarkProfiles : public ::testing::Test {
  protected:
    void Load(const std::string& keys) {
        ASSERT_TRUE(LoadRegFile(registry, "REGEDIT4\r\n\r\n" + keys).ok());
    }
    std::vector<std::string> Rows() {
        std::vector<std::string> rows;
        for (const BookmarkProfile& p : ReadBookmarkProfiles({registry, boxes}, files)) {
            rows.push_back(p.item + " | " + p.key + " | " + p.user + " | " + p.folder);
        }
        return rows;
    }
    BookmarkProfiles() { files.AddDirectory("C:\\Program Files\\Netscape\\Navigator"); }
    MemoryRegistry registry;
    ui::headless::ScriptedMessageBoxes boxes;
    MemoryFileSystem files;
};

const std::string kBrowseRow =
    "Browse for Bookmark.htm... |  | Browse for Bookmark.htm... QN RESERVED STRING | ";

TEST_F(BookmarkProfiles, WithoutNetscapeOnlyTheBrowseRowIsListed) {
    EXPECT_EQ(Rows(), std::vector<std::string>{kBrowseRow});
    EXPECT_TRUE(boxes.Shown().empty());
}

TEST_F(BookmarkProfiles, Navigator3sFileComesFirstWhenItIsThere) {
    Load(kNavigator3);
    EXPECT_EQ(Rows(), std::vector<std::string>{kBrowseRow});
    files.Write("C:\\Program Files\\Netscape\\Navigator\\BOOKMARK.HTM", "");
    EXPECT_EQ(
        Rows(),
        (std::vector<std::string>{
            "Netscape Navigator v3.xx Bookmarks |  |  | C:\\Program Files\\Netscape\\Navigator",
            kBrowseRow}));
}

TEST_F(BookmarkProfiles, ALocationWithoutAFolderOffersNothing) {
    for (const char* location : {"\"bookmark.htm\"", "\"\"", "dword:00000001"}) {
        Load(std::string("[HKEY_CURRENT_USER\\Software\\Netscape\\Netscape Navigator\\Bookmark "
                         "List]\r\n\"File Location\"=") +
             location + "\r\n");
        files.Write("C:\\bookmark.htm", "");
        EXPECT_EQ(Rows(), std::vector<std::string>{kBrowseRow}) << location;
    }
}

TEST_F(BookmarkProfiles, EveryNavigator4ProfileIsARowNamedAfterItsUser) {
    Load(kNavigator4Users);
    EXPECT_EQ(Rows(),
              (std::vector<std::string>{
                  "ann(Ann) | ann | Ann | C:\\Ann",
                  "joe(joe snuffy) | joe | joe snuffy | C:\\Program Files\\Netscape\\Users\\joe",
                  kBrowseRow}));
}

TEST_F(BookmarkProfiles, AreCutAtAThousandRowsWithTheBrowseRowLast) {
    std::string keys;
    for (int i = 0; i < kBookmarkProfileLimit + 3; ++i) {
        keys += "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Netscape\\Netscape Navigator\\Users\\u" +
                std::to_string(1000 + i) + "]\r\n\"UserName\"=\"u\"\r\n";
    }
    Load(kNavigator3 + keys);
    files.Write("C:\\Program Files\\Netscape\\Navigator\\bookmark.htm", "");
    const auto rows = ReadBookmarkProfiles({registry, boxes}, files);
    ASSERT_EQ(rows.size(), std::size_t(kBookmarkProfileLimit));
    EXPECT_EQ(rows.front().item, "Netscape Navigator v3.xx Bookmarks");
    EXPECT_EQ(rows[rows.size() - 2].key, "u1997");
    EXPECT_TRUE(rows.back().IsBrowseRow());
}

}  // namespace
}  // namespace qn
