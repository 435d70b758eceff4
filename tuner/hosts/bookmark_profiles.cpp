#include "tuner/hosts/bookmark_profiles.h"

#include "tuner/core/registry_class.h"
#include "tuner/hosts/address_host.h"
#include "tuner/hosts/favorite_folders.h"

namespace qn {

namespace {

constexpr char kBookmarkListKey[] = "Software\\Netscape\\Netscape Navigator\\Bookmark List";
constexpr char kNavigatorUsersKey[] = "SOFTWARE\\Netscape\\Netscape Navigator\\Users";
constexpr char kEnumerationEnd[] = "ERROR";

// A string value without the NUL that may end it.
std::string ProfileValue(CRegistry& registry, const std::string& name) {
    std::uint32_t type = kRegSz;
    return VariantText(registry.QueryKey(name, type));
}

void AddNavigator3Profile(const RegistryContext& context, const FileSystem& files,
                          std::vector<BookmarkProfile>& rows) {
    CRegistry registry(context);
    if (!registry.OpenKey(kHkeyCurrentUser, kBookmarkListKey)) return;
    const std::string location = ProfileValue(registry, "File Location");
    registry.CloseKey();
    // A location without a folder names no file this list could offer.
    const std::size_t slash = GetLastBackSlash(location);
    if (slash == 0) return;
    const std::string folder = location.substr(0, slash - 1);
    if (!files.FileExists(BookmarkFilePath(folder))) return;
    rows.push_back({"", "", folder, "Netscape Navigator v3.xx Bookmarks"});
}

void AddNavigator4Profiles(const RegistryContext& context, std::vector<BookmarkProfile>& rows) {
    CRegistry users(context);
    if (!users.OpenKey(kHkeyLocalMachine, kNavigatorUsersKey)) return;
    for (std::int32_t index = 0; static_cast<int>(rows.size()) < kBookmarkProfileLimit - 1;
         ++index) {
        std::string name = users.EnumKey(index);
        if (name == kEnumerationEnd) break;
        if (!name.empty() && name.back() == '\0') name.pop_back();
        CRegistry profile(context);
        std::string user;
        std::string folder;
        if (profile.OpenKey(kHkeyLocalMachine, std::string(kNavigatorUsersKey) + "\\" + name)) {
            user = ProfileValue(profile, "UserName");
            folder = ProfileValue(profile, "DirRoot");
            profile.CloseKey();
        }
        rows.push_back({name, user, folder, name + "(" + user + ")"});
    }
    users.CloseKey();
}

}  // namespace

std::vector<BookmarkProfile> ReadBookmarkProfiles(const RegistryContext& context,
                                                  const FileSystem& files) {
    std::vector<BookmarkProfile> rows;
    AddNavigator3Profile(context, files, rows);
    AddNavigator4Profiles(context, rows);
    rows.push_back({"", kBrowseMarker, "", "Browse for Bookmark.htm..."});
    return rows;
}

std::string BookmarkFilePath(const std::string& folder) {
    return folder.empty() ? std::string() : PathInFolder(folder, "bookmark.htm");
}

}  // namespace qn
