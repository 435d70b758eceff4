#include <windows.h>

#include "platform/win32/shell_folders_win32.h"
#include "platform/win32/win32_services.h"

namespace qn::win32 {

namespace {

class Win32Directories : public Directories {
  public:
    std::string ProgramDirectory() const override {
        std::string path = ProgramFileName();
        const auto slash = path.rfind('\\');
        return slash == std::string::npos ? std::string() : path.substr(0, slash);
    }
    std::string ProgramFileName() const override {
        char path[MAX_PATH + 1] = {};
        const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
        return std::string(path, length > MAX_PATH ? MAX_PATH : length);
    }
    std::string WindowsDirectory() const override {
        char path[MAX_PATH + 1] = {};
        const UINT length = GetWindowsDirectoryA(path, MAX_PATH);
        if (length == 0 || length > MAX_PATH) return std::string();
        return std::string(path, length);
    }
    std::string SpecialFolderPath(SpecialFolder folder) const override {
        LPITEMIDLIST item = SpecialFolderItem(folder);
        std::string path = ItemPath(item);
        FreeItem(item);
        return path;
    }
};

}  // namespace

std::unique_ptr<Directories> MakeWin32Directories() {
    return std::make_unique<Win32Directories>();
}

}  // namespace qn::win32
