#pragma once
#include <map>

#include "platform/file_system.h"

namespace qn {

// Files and folders in memory, named by Windows paths: "\" or "/" separate,
// letter case does not matter, names keep the case they were created with.
// Drive roots always exist; other folders exist once added or once a file
// lies in them.
class MemoryFileSystem : public FileSystem {
  public:
    // Adds the folder and every folder above it.
    void AddDirectory(const std::string& path);

    bool FileExists(const std::string& path) const override;
    bool DirectoryExists(const std::string& path) const override;
    std::optional<std::string> ReadAll(const std::string& path) const override;
    bool Write(const std::string& path, const std::string& bytes) override;
    bool Append(const std::string& path, const std::string& bytes) override;
    bool Copy(const std::string& from, const std::string& to) override;
    bool Delete(const std::string& path) override;
    std::vector<DirectoryEntry> List(const std::string& directory) const override;
    std::optional<std::uint64_t> Size(const std::string& path) const override;

  private:
    struct File {
        std::string path;  // as first created
        std::string bytes;
    };
    bool CanHoldFile(const std::string& key) const;

    std::map<std::string, File> files_;               // by path key
    std::map<std::string, std::string> directories_;  // path key -> path as added
};

// The comparison key of a Windows path: upper case, "\" separators, no
// repeated or trailing separator.
std::string WindowsPathKey(const std::string& path);

// The names between the separators ("\" or "/") of a Windows path; empty
// names (repeated separators) are left out.
std::vector<std::string> WindowsPathComponents(const std::string& path);

}  // namespace qn
