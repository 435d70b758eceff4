#pragma once
// The 32-bit version resource (VS_VERSIONINFO) as GetFileVersionInfoA hands it
// over for a PE file: a tree of nodes with UTF-16 keys, the 52-byte
// VS_FIXEDFILEINFO at the root, a StringFileInfo with one string table and a
// VarFileInfo\Translation entry. Built for the in-memory version service and
// read the way VerQueryValueA reads it.
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace qn {

struct VersionBlockFields {
    std::uint32_t structVersion = 0x10000;
    std::uint32_t fileVersionMS = 0, fileVersionLS = 0, productVersionMS = 0, productVersionLS = 0;
    std::uint32_t fileFlagsMask = 0x3F, fileFlags = 0, fileOS = 0x40004, fileType = 1,
                  fileSubtype = 0;
    bool withTranslation = true;  // false: no VarFileInfo at all
    std::uint16_t language = 0x0409, codePage = 0x04E4;
    // Entries of the string table, ANSI name and value.
    std::vector<std::pair<std::string, std::string>> strings;
};

// Throws std::length_error when the strings make the block larger than the
// 64 KB a node's 16-bit length can describe.
std::vector<std::uint8_t> BuildVersionBlock(const VersionBlockFields& fields);

// VerQueryValueA on a 32-bit block: the sub-block path is split at "\" (empty
// parts skipped, so "\" or "" is the root), each part names a child key
// regardless of letter case. A binary value comes back as its bytes, a text
// value as ANSI with as many characters as the node declares (so with its NUL
// when the node counts it). No value when a key is missing or the block is
// malformed, truncated or in the 16-bit format.
std::optional<std::vector<std::uint8_t>> QueryVersionBlock(const std::vector<std::uint8_t>& block,
                                                           const std::string& subBlock);

}  // namespace qn
