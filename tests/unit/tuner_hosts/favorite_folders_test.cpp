// The folder walk of the favorites import over trees in memory, and the
// shortcuts read from each folder.
#include "tuner/hosts/favorite_folders.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/memory/memory_file_system.h"

namespace qn {
namespace {

const std::string kFavorites = "C:\\WINDOWS\\Favorites";
// What Windows puts in every folder of the tree: not a shortcut.
const std::string kDesktopIni("\xFF\xFE[\0.\0S\0]\0\r\0\n\0", 14);

std::string Shortcut(const std::string& address) {
    return "[InternetShortcut]\r\nURL=" + address + "\r\n";
}

std::vector<std::string> WalkAll(const FileSystem& files, const std::string& root,
                                 std::size_t limit = kFavoriteFolderLimit) {
    return FavoriteFolders(files, root, limit, [] { return true; });
}

class FavoritesTree : public ::testing::Test {
  protected:
    FavoritesTree() {
        for (const char* folder : {"", "\\Links", "\\News", "\\News\\Local", "\\Links\\Deep",
                                   "\\News\\Local\\Deeper", "\\Caf\xE9"}) {
            files.AddDirectory(kFavorites + folder);
            files.Write(kFavorites + folder + "\\desktop.ini", kDesktopIni);
        }
        files.AddDirectory(kFavorites + "\\pagefile.sys");
        files.Write(kFavorites + "\\pagefile.sys\\Hidden.url", Shortcut("http://hidden.example/"));
        files.AddDirectory(kFavorites + "\\Folder.url");
    }
    MemoryFileSystem files;
};

TEST_F(FavoritesTree, IsWalkedBreadthFirstPassingOverThePageFile) {
    EXPECT_EQ(WalkAll(files, kFavorites),
              (std::vector<std::string>{
                  kFavorites, kFavorites + "\\Caf\xE9", kFavorites + "\\Folder.url",
                  kFavorites + "\\Links", kFavorites + "\\News", kFavorites + "\\Links\\Deep",
                  kFavorites + "\\News\\Local", kFavorites + "\\News\\Local\\Deeper"}));
}

TEST_F(FavoritesTree, FromADrivesRootHasOneSeparatorInEachPath) {
    const std::vector<std::string> folders = WalkAll(files, "C:\\");
    ASSERT_GE(folders.size(), 2u);
    EXPECT_EQ(folders[1], "C:\\WINDOWS");
}

TEST_F(FavoritesTree, StopsWhereGoOnSaysSoOrAtTheLimit) {
    int listed = 0;
    const std::vector<std::string> stopped =
        FavoriteFolders(files, kFavorites, 100, [&] { return ++listed < 2; });
    EXPECT_EQ(listed, 2);
    EXPECT_EQ(stopped.size(), 5u);  // the root and its four folders
    EXPECT_EQ(WalkAll(files, kFavorites, 3).size(), 3u);
    EXPECT_TRUE(WalkAll(files, kFavorites, 0).empty());
}

// A folder that leads back to the root (an NTFS junction, a Wine symlink):
// every lap gives new paths, one folder deeper.
class LoopingFileSystem : public MemoryFileSystem {
  public:
    std::vector<DirectoryEntry> List(const std::string& /*directory*/) const override {
        ++lists;
        return {{"loop", true}, {"Loop", true}, {"LOOP\\", true}, {"x.url", false}};
    }
    mutable int lists = 0;
};

TEST(FavoritesLoop, EndsAtTheLimitWithoutEnteringAFolderTwice) {
    LoopingFileSystem files;
    const std::vector<std::string> folders = WalkAll(files, "C:\\Fav", 40);
    ASSERT_EQ(folders.size(), 40u);
    EXPECT_EQ(folders[1], "C:\\Fav\\loop");
    EXPECT_EQ(folders[2], "C:\\Fav\\loop\\loop");
    EXPECT_EQ(files.lists, 40);
}

TEST_F(FavoritesTree, ShortcutsOfAFolderAreReadInListOrder) {
    files.Write(kFavorites + "\\Links\\Example.url", Shortcut("http://www.example.com/page"));
    files.Write(kFavorites + "\\Links\\WEB-SLIC.URL", Shortcut("http://slice.example/"));
    files.Write(kFavorites + "\\Links\\No path.url", Shortcut("http://nopath.example"));
    files.Write(kFavorites + "\\Links\\Caf\xE9 \xE0 Paris.url", Shortcut("http://cafe.example/"));
    files.Write(kFavorites + "\\Links\\Old.url",
                "[DEFAULT]\r\nBASEURL=http://old.example/\r\n[InternetShortcut]\r\n"
                "URL=http://old.example/\r\n");
    files.Write(kFavorites + "\\Links\\notes.txt", Shortcut("http://text.example/"));
    ImportedHosts hosts;
    ListFavorites(files, kFavorites + "\\Links", hosts);
    // The in-memory folder lists by upper-cased name.
    EXPECT_EQ(hosts.Names(), (std::vector<std::string>{"cafe.example", "www.example.com", "",
                                                       "old.example", "slice.example"}));
}

TEST_F(FavoritesTree, ShortcutsStopAtTheEditorsNumberOfEntries) {
    ImportedHosts hosts;
    for (int i = 0; i < ImportedHosts::kLimit - 1; ++i) hosts.Add("earlier.example");
    files.Write(kFavorites + "\\News\\a.url", Shortcut("http://a.example/"));
    files.Write(kFavorites + "\\News\\b.url", Shortcut("http://b.example/"));
    ListFavorites(files, kFavorites + "\\News", hosts);
    EXPECT_EQ(hosts.Count(), ImportedHosts::kLimit);
    EXPECT_EQ(hosts.Names().back(), "a.example");
}

}  // namespace
}  // namespace qn
