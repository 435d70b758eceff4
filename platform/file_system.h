#pragma once
// Whole-file access with Windows path rules. File contents are bytes held in a
// std::string.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace qn {

struct DirectoryEntry {
    std::string name;  // as stored, so callers can compare it case-sensitively
    bool isDirectory = false;
};

class FileSystem {
  public:
    virtual ~FileSystem() = default;
    virtual bool FileExists(const std::string& path) const = 0;
    virtual bool DirectoryExists(const std::string& path) const = 0;
    virtual std::optional<std::string> ReadAll(const std::string& path) const = 0;
    // Creates the file or replaces its contents.
    virtual bool Write(const std::string& path, const std::string& bytes) = 0;
    // Creates the file when it is missing.
    virtual bool Append(const std::string& path, const std::string& bytes) = 0;
    // Replaces an existing target.
    virtual bool Copy(const std::string& from, const std::string& to) = 0;
    virtual bool Delete(const std::string& path) = 0;
    // Renames a file within its volume, replacing an existing target; where
    // the system cannot replace in one step (Windows 9x), the target is
    // deleted first.
    virtual bool Move(const std::string& from, const std::string& to) = 0;
    // Files and sub-folders directly inside the folder, without "." and "..";
    // empty when the folder does not exist.
    virtual std::vector<DirectoryEntry> List(const std::string& directory) const = 0;
    virtual std::optional<std::uint64_t> Size(const std::string& path) const = 0;
};

// The comparison key of a Windows path: upper case, "\" separators, no
// repeated or trailing separator.
std::string WindowsPathKey(const std::string& path);

}  // namespace qn
