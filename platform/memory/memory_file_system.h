#pragma once
#include <map>
#include <set>

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

    // Faults a test can set up. Files directly in a read-only folder cannot be
    // created, changed or deleted.
    void SetReadOnly(const std::string& folder, bool readOnly = true);
    // The disk holds this many bytes of file contents in all. A write that does
    // not fit stores what fits and fails, as on a full disk.
    void SetCapacity(std::optional<std::uint64_t> bytes) { capacity_ = bytes; }

    bool FileExists(const std::string& path) const override;
    bool DirectoryExists(const std::string& path) const override;
    std::optional<std::string> ReadAll(const std::string& path) const override;
    bool Write(const std::string& path, const std::string& bytes) override;
    bool Append(const std::string& path, const std::string& bytes) override;
    bool Copy(const std::string& from, const std::string& to) override;
    bool Delete(const std::string& path) override;
    bool Move(const std::string& from, const std::string& to) override;
    std::vector<DirectoryEntry> List(const std::string& directory) const override;
    std::optional<std::uint64_t> Size(const std::string& path) const override;

  private:
    struct File {
        std::string path;  // as first created
        std::string bytes;
    };
    bool CanHoldFile(const std::string& key) const;
    bool InReadOnlyFolder(const std::string& key) const;
    // Stores bytes as the file's contents, cut where the disk is full.
    bool Store(const std::string& key, const std::string& path, const std::string& bytes);

    std::map<std::string, File> files_;               // by path key
    std::map<std::string, std::string> directories_;  // path key -> path as added
    std::set<std::string> readOnly_;                  // folder keys
    std::optional<std::uint64_t> capacity_;
};

}  // namespace qn
