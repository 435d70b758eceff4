#pragma once
// Version resources of files, as version.dll and GetFullPathNameA present them.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace qn {

class FileVersionSource {
  public:
    virtual ~FileVersionSource() = default;
    // GetFullPathNameA with a 260-character buffer; empty when it fails.
    virtual std::string FullPathName(const std::string& name) const = 0;
    // GetFileVersionInfoSizeA then GetFileVersionInfoA: the whole version
    // block; empty when the file has no version resource.
    virtual std::vector<std::uint8_t> ReadVersionBlock(const std::string& path) const = 0;
    // VerQueryValueA on a block from ReadVersionBlock: the bytes the value
    // pointer and length describe (strings as ANSI, with their NUL when the
    // length counts it); empty optional when the query fails.
    virtual std::optional<std::vector<std::uint8_t>> QueryValue(
        const std::vector<std::uint8_t>& block, const std::string& subBlock) const = 0;
    // VerLanguageNameA into a 256-character buffer; empty when it returns 0.
    virtual std::string LanguageName(std::uint32_t language) const = 0;
};

}  // namespace qn
