#include "platform/memory/memory_file_version.h"

#include <cctype>

#include "platform/memory/memory_file_system.h"
#include "platform/version_block.h"
#include "support/ansi_case.h"

namespace qn {

namespace {

// GetFullPathNameA's buffer holds 260 characters with the terminating NUL.
constexpr std::size_t kLongestFullPath = 259;

struct LanguageEntry {
    std::uint32_t language;
    const char* name;
};
constexpr LanguageEntry kLanguages[] = {
    {0x0000, "Language Neutral"},        {0x0407, "German (Germany)"},
    {0x0409, "English (United States)"}, {0x0809, "English (United Kingdom)"},
    {0x040C, "French (France)"},         {0x0410, "Italian (Italy)"},
    {0x0C0A, "Spanish (Spain)"},         {0x0413, "Dutch (Netherlands)"},
};

struct SplitPath {
    std::string root;  // "C:" or "\\server\share"
    std::vector<std::string> parts;
};

bool IsSeparator(char c) {
    return c == '\\' || c == '/';
}

bool StartsWithDrive(const std::string& path) {
    return path.size() >= 2 && std::isalpha(static_cast<unsigned char>(path[0])) && path[1] == ':';
}

// A path that names its root: "X:\..." or "\\server\share\...".
std::optional<SplitPath> SplitAbsolute(const std::string& path) {
    if (path.size() >= 2 && IsSeparator(path[0]) && IsSeparator(path[1])) {
        auto parts = WindowsPathComponents(path);
        if (parts.empty()) return std::nullopt;
        SplitPath split;
        const std::size_t rootParts = parts.size() > 1 ? 2 : 1;
        split.root = "\\\\" + parts[0] + (rootParts == 2 ? "\\" + parts[1] : "");
        split.parts.assign(parts.begin() + static_cast<std::ptrdiff_t>(rootParts), parts.end());
        return split;
    }
    if (StartsWithDrive(path) && path.size() >= 3 && IsSeparator(path[2])) {
        return SplitPath{path.substr(0, 2), WindowsPathComponents(path.substr(3))};
    }
    return std::nullopt;
}

std::optional<SplitPath> SplitAgainstCurrent(const std::string& name,
                                             const std::string& currentDirectory) {
    if (auto absolute = SplitAbsolute(name)) return absolute;
    const auto current = SplitAbsolute(currentDirectory);
    if (!current) return std::nullopt;
    SplitPath base = *current;
    std::string relative = name;
    if (StartsWithDrive(name)) {
        // "X:name" continues in the current directory only when it is on drive X.
        if (!EqualsIgnoringCaseAnsi(name.substr(0, 2), current->root)) {
            base = SplitPath{name.substr(0, 2), {}};
        }
        relative = name.substr(2);
    } else if (IsSeparator(name[0])) {
        base.parts.clear();
    }
    for (auto& part : WindowsPathComponents(relative)) base.parts.push_back(std::move(part));
    return base;
}

std::vector<std::string> WithoutDotParts(const std::vector<std::string>& parts) {
    std::vector<std::string> kept;
    for (const std::string& part : parts) {
        if (part == ".") continue;
        if (part == "..") {
            if (!kept.empty()) kept.pop_back();
            continue;
        }
        kept.push_back(part);
    }
    return kept;
}

}  // namespace

std::string ResolveFullPath(const std::string& name, const std::string& currentDirectory) {
    if (name.empty()) return {};
    const auto split = SplitAgainstCurrent(name, currentDirectory);
    if (!split) return {};
    const auto parts = WithoutDotParts(split->parts);
    std::string full = split->root;
    for (const std::string& part : parts) full += "\\" + part;
    if (parts.empty() || IsSeparator(name.back())) full += "\\";
    return full.size() <= kLongestFullPath ? full : std::string();
}

void MemoryFileVersion::AddFile(const std::string& fullPath, std::vector<std::uint8_t> block) {
    blocks_[WindowsPathKey(fullPath)] = std::move(block);
}

std::string MemoryFileVersion::FullPathName(const std::string& name) const {
    return ResolveFullPath(name, currentDirectory);
}

std::vector<std::uint8_t> MemoryFileVersion::ReadVersionBlock(const std::string& path) const {
    const std::string full = FullPathName(path);
    if (full.empty()) return {};
    const auto found = blocks_.find(WindowsPathKey(full));
    return found == blocks_.end() ? std::vector<std::uint8_t>() : found->second;
}

std::optional<std::vector<std::uint8_t>> MemoryFileVersion::QueryValue(
    const std::vector<std::uint8_t>& block, const std::string& subBlock) const {
    return QueryVersionBlock(block, subBlock);
}

std::string MemoryFileVersion::LanguageName(std::uint32_t language) const {
    for (const LanguageEntry& entry : kLanguages) {
        if (entry.language == language) return entry.name;
    }
    return {};
}

}  // namespace qn
