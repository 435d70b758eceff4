#include <windows.h>
// After windows.h, which it needs.
#include <commdlg.h>

#include <cstddef>
#include <vector>

#include "platform/win32/win32_services.h"

namespace qn::win32 {

namespace {

// The record as Windows 95 and NT 4 know it: everything before pvReserved
// (76 bytes in a 32-bit program).
constexpr DWORD kOpenFileNameSize = offsetof(OPENFILENAMEA, pvReserved);
#ifndef _WIN64
static_assert(kOpenFileNameSize == 76, "the Windows 95 record size");
static_assert(sizeof(CHOOSECOLORA) == 36, "the Windows 95 record size");
#endif

constexpr std::size_t kFileBufferSize = 260;
// Hooks and templates would call into code that this program does not have.
constexpr DWORD kFileFlagsRemoved = OFN_ENABLEHOOK | OFN_ENABLETEMPLATE;
constexpr DWORD kColorFlagsRemoved = CC_ENABLEHOOK | CC_ENABLETEMPLATE;

const char* TextOrNull(const std::string& text) {
    return text.empty() ? nullptr : text.c_str();
}

std::vector<char> Buffer(const std::string& initial) {
    std::vector<char> buffer(kFileBufferSize, '\0');
    initial.copy(buffer.data(), kFileBufferSize - 1);
    return buffer;
}

FileDialogResult RunFileDialog(const FileDialogRequest& request, bool save) {
    std::vector<char> file = Buffer(request.fileName);
    std::vector<char> title(kFileBufferSize, '\0');
    // The list of pairs ends with an empty string.
    const std::string filter = request.filter + std::string(2, '\0');

    OPENFILENAMEA dialog{};
    dialog.lStructSize = kOpenFileNameSize;
    dialog.hwndOwner = reinterpret_cast<HWND>(request.owner);
    dialog.lpstrFilter = request.filter.empty() ? nullptr : filter.c_str();
    dialog.nFilterIndex = request.filterIndex;
    dialog.lpstrFile = file.data();
    dialog.nMaxFile = static_cast<DWORD>(file.size());
    dialog.lpstrFileTitle = title.data();
    dialog.nMaxFileTitle = static_cast<DWORD>(title.size());
    dialog.lpstrInitialDir = TextOrNull(request.initialDirectory);
    dialog.lpstrTitle = TextOrNull(request.title);
    dialog.lpstrDefExt = TextOrNull(request.defaultExtension);
    dialog.Flags = request.flags & ~kFileFlagsRemoved;

    FileDialogResult result;
    result.chosen = (save ? GetSaveFileNameA(&dialog) : GetOpenFileNameA(&dialog)) != 0;
    if (!result.chosen) {
        result.extendedError = CommDlgExtendedError();
        return result;
    }
    result.fileName = file.data();
    result.fileTitle = title.data();
    result.flags = dialog.Flags;
    result.filterIndex = dialog.nFilterIndex;
    return result;
}

class Win32CommonDialogs : public CommonDialogs {
  public:
    FileDialogResult OpenFile(const FileDialogRequest& request) override {
        return RunFileDialog(request, false);
    }
    FileDialogResult SaveFile(const FileDialogRequest& request) override {
        return RunFileDialog(request, true);
    }
    ColorDialogResult PickColor(const ColorDialogRequest& request) override {
        ColorDialogResult result;
        result.customColors = request.customColors;
        COLORREF custom[16];
        for (std::size_t i = 0; i < 16; ++i) custom[i] = request.customColors[i];
        CHOOSECOLORA dialog{};
        dialog.lStructSize = sizeof(dialog);
        dialog.hwndOwner = reinterpret_cast<HWND>(request.owner);
        dialog.rgbResult = request.color;
        dialog.lpCustColors = custom;
        dialog.Flags = request.flags & ~kColorFlagsRemoved;
        result.chosen = ::ChooseColorA(&dialog) != 0;
        for (std::size_t i = 0; i < 16; ++i) result.customColors[i] = custom[i];
        if (result.chosen) {
            result.color = dialog.rgbResult;
        } else {
            result.color = request.color;
            result.extendedError = CommDlgExtendedError();
        }
        return result;
    }
};

}  // namespace

std::unique_ptr<CommonDialogs> MakeWin32CommonDialogs() {
    return std::make_unique<Win32CommonDialogs>();
}

}  // namespace qn::win32
