#pragma once
// Where Netscape Navigator keeps its bookmark files: the one of version 3
// (HKCU "...\Bookmark List"), the user profiles of version 4
// (HKLM "...\Users"), and a last row whose folder the user browses for.
#include <string>
#include <vector>

#include "platform/file_system.h"
#include "tuner/core/registry_context.h"

namespace qn {

// The user-name column of the browse row.
inline constexpr char kBrowseMarker[] = "Browse for Bookmark.htm... QN RESERVED STRING";

struct BookmarkProfile {
    std::string key;   // the profile's key under "Users"; empty for the others
    std::string user;  // the user name, or kBrowseMarker
    std::string folder;
    std::string item;  // as the profile list shows it

    bool IsBrowseRow() const { return user == kBrowseMarker; }
};

// The profile table has this many rows at most, the browse row included;
// profiles beyond are not listed.
inline constexpr int kBookmarkProfileLimit = 1000;

// The rows in list order: Navigator 3's file when it is there, every profile
// of Navigator 4, and the browse row.
std::vector<BookmarkProfile> ReadBookmarkProfiles(const RegistryContext& context,
                                                  const FileSystem& files);

// folder + "\bookmark.htm"; empty when there is no folder.
std::string BookmarkFilePath(const std::string& folder);

}  // namespace qn
