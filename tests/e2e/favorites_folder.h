#pragma once
// Files a test puts where a user's would be (the Favorites folder of the
// prefix among them), removed again afterwards.
#include <windows.h>

#include <string>
#include <vector>

#include "platform/win32/shell_folders_win32.h"
#include "tests/e2e/tuner_hosts_session.h"

namespace qn::e2e {

// The Favorites folder of the prefix's user; "" when there is none.
inline std::string FavoritesPath() {
    LPITEMIDLIST item = win32::SpecialFolderItem(SpecialFolder::Favorites);
    const std::string path = item != nullptr ? win32::ItemPath(item) : "";
    win32::FreeItem(item);
    return path;
}

// Files and folders a test makes, removed again, the deepest first.
class MadeFiles {
  public:
    MadeFiles() = default;
    MadeFiles(const MadeFiles&) = delete;
    MadeFiles& operator=(const MadeFiles&) = delete;
    ~MadeFiles() {
        for (auto made = made_.rbegin(); made != made_.rend(); ++made) {
            if (!DeleteFileA(made->c_str())) RemoveDirectoryA(made->c_str());
        }
    }

    bool Folder(const std::string& path) {
        made_.push_back(path);
        return CreateDirectoryA(path.c_str(), nullptr) != FALSE;
    }

    bool File(const std::string& path, const std::string& bytes) {
        made_.push_back(path);
        return WriteText(path, bytes);
    }

  private:
    std::vector<std::string> made_;
};

}  // namespace qn::e2e
