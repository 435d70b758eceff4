#include <windows.h>

#include <algorithm>

#include "platform/win32/win32_services.h"

namespace qn::win32 {

namespace {

class Win32FileVersion : public FileVersionSource {
  public:
    std::string FullPathName(const std::string& name) const override {
        char buffer[MAX_PATH];
        LPSTR filePart = nullptr;
        const DWORD length = GetFullPathNameA(name.c_str(), MAX_PATH, buffer, &filePart);
        // A result too long for the buffer comes back as the size it needs.
        if (length == 0 || length >= MAX_PATH) return {};
        return std::string(buffer, length);
    }

    std::vector<std::uint8_t> ReadVersionBlock(const std::string& path) const override {
        DWORD handle = 0;
        const DWORD size = GetFileVersionInfoSizeA(path.c_str(), &handle);
        if (size == 0) return {};
        std::vector<std::uint8_t> block(size);
        if (!GetFileVersionInfoA(path.c_str(), 0, size, block.data())) return {};
        return block;
    }

    std::optional<std::vector<std::uint8_t>> QueryValue(
        const std::vector<std::uint8_t>& block, const std::string& subBlock) const override {
        if (block.empty()) return std::nullopt;
        // VerQueryValueA converts strings into spare room of the block itself,
        // so it gets a copy it may write to.
        std::vector<std::uint8_t> work = block;
        LPVOID value = nullptr;
        UINT length = 0;
        if (!VerQueryValueA(work.data(), subBlock.c_str(), &value, &length)) return std::nullopt;
        if (length == 0) return std::vector<std::uint8_t>();
        const auto* first = static_cast<const std::uint8_t*>(value);
        const std::uint8_t* begin = work.data();
        const std::uint8_t* end = begin + work.size();
        // Never trust a pointer or length that leaves the buffer.
        if (first < begin || first >= end) return std::nullopt;
        const std::size_t available = static_cast<std::size_t>(end - first);
        return std::vector<std::uint8_t>(first, first + std::min<std::size_t>(length, available));
    }

    std::string LanguageName(std::uint32_t language) const override {
        char buffer[256];
        const DWORD length = VerLanguageNameA(language, buffer, sizeof buffer);
        if (length == 0) return {};
        // Wine counts the terminating NUL in the length it returns, Windows does not.
        const std::string name(buffer, std::min<std::size_t>(length, sizeof buffer - 1));
        return name.substr(0, name.find('\0'));
    }
};

}  // namespace

std::unique_ptr<FileVersionSource> MakeWin32FileVersionSource() {
    return std::make_unique<Win32FileVersion>();
}

}  // namespace qn::win32
