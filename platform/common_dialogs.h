#pragma once
// The system's open, save and colour dialogs.
#include <array>
#include <cstdint>
#include <string>

#include "platform/window_handle.h"

namespace qn {

struct FileDialogRequest {
    WindowHandle owner = 0;
    std::string fileName;  // initial name
    std::string filter;    // pairs of description and pattern, each ended by a NUL
    std::uint32_t filterIndex = 0;
    std::string initialDirectory;
    std::string title;  // empty: the system's own
    std::string defaultExtension;
    std::uint32_t flags = 0;  // OFN_* values
};

struct FileDialogResult {
    bool chosen = false;
    std::string fileName;
    std::string fileTitle;
    std::uint32_t flags = 0;
    std::uint32_t filterIndex = 0;
    std::uint32_t extendedError = 0;  // CommDlgExtendedError after a failure
};

using CustomColors = std::array<std::uint32_t, 16>;

struct ColorDialogRequest {
    WindowHandle owner = 0;
    std::uint32_t color = 0;  // red in the low byte
    CustomColors customColors{};
    std::uint32_t flags = 0;  // CC_* values
};

struct ColorDialogResult {
    bool chosen = false;
    std::uint32_t color = 0;
    CustomColors customColors{};  // as the user left them
    std::uint32_t extendedError = 0;
};

class CommonDialogs {
  public:
    virtual ~CommonDialogs() = default;
    virtual FileDialogResult OpenFile(const FileDialogRequest& request) = 0;
    virtual FileDialogResult SaveFile(const FileDialogRequest& request) = 0;
    // ChooseColor is a macro of the Windows headers, hence the name.
    virtual ColorDialogResult PickColor(const ColorDialogRequest& request) = 0;
};

}  // namespace qn
