#include "tuner/hosts/favorite_folders.h"

#include <set>

#include "support/ansi_case.h"
#include "tuner/hosts/favorite_file.h"

namespace qn {

namespace {

constexpr char kPageFileName[] = "PAGEFILE.SYS";

}  // namespace

std::string PathInFolder(const std::string& folder, const std::string& name) {
    if (!folder.empty() && (folder.back() == '\\' || folder.back() == '/')) return folder + name;
    return folder + "\\" + name;
}

std::vector<std::string> FavoriteFolders(const FileSystem& files, const std::string& root,
                                         std::size_t limit, const std::function<bool()>& goOn) {
    std::vector<std::string> queue;
    std::set<std::string> found;
    if (limit == 0) return queue;
    queue.push_back(root);
    found.insert(WindowsPathKey(root));
    for (std::size_t next = 0; next < queue.size(); ++next) {
        // By value: the queue grows while this folder's names are added.
        const std::string folder = queue[next];
        for (const DirectoryEntry& entry : files.List(folder)) {
            if (!entry.isDirectory || entry.name == "." || entry.name == ".." ||
                ToUpperAnsi(entry.name) == kPageFileName || queue.size() >= limit) {
                continue;
            }
            std::string path = PathInFolder(folder, entry.name);
            if (found.insert(WindowsPathKey(path)).second) queue.push_back(std::move(path));
        }
        if (!goOn()) break;
    }
    return queue;
}

void ListFavorites(const FileSystem& files, const std::string& folder, ImportedHosts& hosts) {
    for (const DirectoryEntry& entry : files.List(folder)) {
        if (hosts.Full()) return;
        if (entry.isDirectory || !IsFavoriteFileName(entry.name)) continue;
        hosts.Add(FavoriteFileHost(files.ReadAll(PathInFolder(folder, entry.name)).value_or("")));
    }
}

}  // namespace qn
