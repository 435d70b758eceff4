#include <windows.h>
// After windows.h, which they need.
#include <shellapi.h>
#include <shlobj.h>

#include "platform/win32/shell_folders_win32.h"
#include "platform/win32/win32_services.h"
#include "platform/win32/window_handle_win32.h"

namespace qn::win32 {

namespace {

class Win32Shell : public Shell {
  public:
    bool Open(const std::string& target) override {
        const HINSTANCE result =
            ShellExecuteA(nullptr, "open", target.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
        // Success is any value above 32.
        return reinterpret_cast<INT_PTR>(result) > 32;
    }

    std::optional<std::string> BrowseForFolder(WindowHandle owner, const std::string& title,
                                               SpecialFolder root) override {
        LPITEMIDLIST rootItem = root == SpecialFolder::Desktop ? nullptr : SpecialFolderItem(root);
        char displayName[MAX_PATH] = {};
        BROWSEINFOA info{};
        info.hwndOwner = ToHwnd(owner);
        info.pidlRoot = rootItem;
        info.pszDisplayName = displayName;
        info.lpszTitle = title.c_str();
        info.ulFlags = BIF_RETURNONLYFSDIRS;
        LPITEMIDLIST chosen = SHBrowseForFolderA(&info);
        std::optional<std::string> path;
        if (chosen != nullptr) {
            std::string text = ItemPath(chosen);
            if (!text.empty()) path = text;
        }
        FreeItem(chosen);
        FreeItem(rootItem);
        return path;
    }

    bool ShowHelp(WindowHandle owner, const std::string& helpFile, std::uint32_t command,
                  std::uintptr_t data) override {
        return WinHelpA(ToHwnd(owner), helpFile.c_str(), command, data) != 0;
    }
};

}  // namespace

std::unique_ptr<Shell> MakeWin32Shell() {
    return std::make_unique<Win32Shell>();
}

}  // namespace qn::win32
