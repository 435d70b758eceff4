#pragma once
#include <map>

#include "platform/file_version.h"

namespace qn {

// Files and their version blocks in memory, named by full Windows paths
// (letter case and "/" or "\" do not matter). Relative names resolve against
// currentDirectory.
class MemoryFileVersion : public FileVersionSource {
  public:
    // An empty block: the file exists but has no version resource.
    void AddFile(const std::string& fullPath, std::vector<std::uint8_t> block);

    std::string FullPathName(const std::string& name) const override;
    std::vector<std::uint8_t> ReadVersionBlock(const std::string& path) const override;
    std::optional<std::vector<std::uint8_t>> QueryValue(const std::vector<std::uint8_t>& block,
                                                        const std::string& subBlock) const override;
    // English names of a few languages; empty for any other.
    std::string LanguageName(std::uint32_t language) const override;

    std::string currentDirectory = "C:\\WINDOWS";

  private:
    std::map<std::string, std::vector<std::uint8_t>> blocks_;  // by path key
};

// GetFullPathNameA's rules: "/" becomes "\", repeated separators collapse, "."
// parts go and ".." removes the part before it (never the root); a name
// without drive resolves against the current directory, "\name" against its
// root, "X:name" against it only when it is on drive X. Empty when the name is
// empty or the result does not fit 259 characters.
std::string ResolveFullPath(const std::string& name, const std::string& currentDirectory);

}  // namespace qn
