#pragma once
// The folders of a favorites tree and the shortcuts in them.
#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "platform/file_system.h"
#include "tuner/hosts/imported_hosts.h"

namespace qn {

// No favorites tree has this many folders; a walk that gets this far is in a
// tree reached through a link to one of its own parents, or in a whole disk.
inline constexpr std::size_t kFavoriteFolderLimit = 10000;

// folder + "\" + name, with one "\" also when folder already ends in one
// (a drive's root, "C:\").
std::string PathInFolder(const std::string& folder, const std::string& name);

// The root and every folder below it, breadth-first: each folder's
// sub-folders in the order listed, appended after the folders already found.
// "PAGEFILE.SYS" (in any letter case) is passed over, and so is a folder
// already found under the same name. At most limit folders. goOn runs after
// each folder is listed; false ends the walk there.
std::vector<std::string> FavoriteFolders(const FileSystem& files, const std::string& root,
                                         std::size_t limit, const std::function<bool()>& goOn);

// Appends the host of every shortcut file directly in the folder, in the
// order listed.
void ListFavorites(const FileSystem& files, const std::string& folder, ImportedHosts& hosts);

}  // namespace qn
