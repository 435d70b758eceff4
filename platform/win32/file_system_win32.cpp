#include <windows.h>

#include <algorithm>

#include "platform/win32/win32_services.h"

namespace qn::win32 {

namespace {

DWORD Attributes(const std::string& path) {
    return GetFileAttributesA(path.c_str());
}

bool WriteBytes(HANDLE file, const std::string& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        DWORD written = 0;
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1 << 20));
        if (!WriteFile(file, bytes.data() + done, chunk, &written, nullptr) || written == 0) {
            return false;
        }
        done += written;
    }
    return true;
}

bool WriteWith(const std::string& path, const std::string& bytes, DWORD disposition, bool atEnd) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, disposition,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    bool ok = !atEnd || SetFilePointer(file, 0, nullptr, FILE_END) != INVALID_SET_FILE_POINTER;
    ok = ok && WriteBytes(file, bytes);
    return CloseHandle(file) && ok;
}

class Win32FileSystem : public FileSystem {
  public:
    bool FileExists(const std::string& path) const override {
        const DWORD attributes = Attributes(path);
        return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
    }
    bool DirectoryExists(const std::string& path) const override {
        const DWORD attributes = Attributes(path);
        return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
    }
    std::optional<std::string> ReadAll(const std::string& path) const override {
        HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE) return std::nullopt;
        std::string bytes;
        char chunk[65536];
        DWORD read = 0;
        bool ok = true;
        while ((ok = ReadFile(file, chunk, sizeof(chunk), &read, nullptr)) && read > 0) {
            bytes.append(chunk, read);
        }
        CloseHandle(file);
        if (!ok) return std::nullopt;
        return bytes;
    }
    bool Write(const std::string& path, const std::string& bytes) override {
        return WriteWith(path, bytes, CREATE_ALWAYS, false);
    }
    bool Append(const std::string& path, const std::string& bytes) override {
        return WriteWith(path, bytes, OPEN_ALWAYS, true);
    }
    bool Copy(const std::string& from, const std::string& to) override {
        return CopyFileA(from.c_str(), to.c_str(), FALSE) != 0;
    }
    bool Delete(const std::string& path) override { return DeleteFileA(path.c_str()) != 0; }
    bool Move(const std::string& from, const std::string& to) override {
        if (MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING)) return true;
        // Windows 9x has no MoveFileEx: there is a moment without the target.
        if (GetLastError() != ERROR_CALL_NOT_IMPLEMENTED) return false;
        if (GetFileAttributesA(to.c_str()) != INVALID_FILE_ATTRIBUTES && !DeleteFileA(to.c_str())) {
            return false;
        }
        return MoveFileA(from.c_str(), to.c_str()) != 0;
    }
    std::vector<DirectoryEntry> List(const std::string& directory) const override {
        std::vector<DirectoryEntry> entries;
        std::string pattern = directory;
        if (!pattern.empty() && pattern.back() != '\\' && pattern.back() != '/') pattern += '\\';
        pattern += "*";
        WIN32_FIND_DATAA found{};
        HANDLE search = FindFirstFileA(pattern.c_str(), &found);
        if (search == INVALID_HANDLE_VALUE) return entries;
        do {
            const std::string name = found.cFileName;
            if (name == "." || name == "..") continue;
            entries.push_back({name, (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0});
        } while (FindNextFileA(search, &found));
        FindClose(search);
        return entries;
    }
    std::optional<std::uint64_t> Size(const std::string& path) const override {
        WIN32_FIND_DATAA found{};
        HANDLE search = FindFirstFileA(path.c_str(), &found);
        if (search == INVALID_HANDLE_VALUE) return std::nullopt;
        FindClose(search);
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) return std::nullopt;
        return (std::uint64_t(found.nFileSizeHigh) << 32) | found.nFileSizeLow;
    }
};

}  // namespace

std::unique_ptr<FileSystem> MakeWin32FileSystem() {
    return std::make_unique<Win32FileSystem>();
}

}  // namespace qn::win32
