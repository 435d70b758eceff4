#pragma once
// Shell services: opening documents and links, choosing a folder, help.
#include <cstdint>
#include <optional>
#include <string>

#include "platform/directories.h"
#include "platform/window_handle.h"

namespace qn {

constexpr std::uint32_t kHelpFinder = 11;  // the help topics window

class Shell {
  public:
    virtual ~Shell() = default;
    // A document, a web address or a "mailto:" link, with its registered handler.
    virtual bool Open(const std::string& target) = 0;
    // A file-system folder chosen below root; empty when the user cancels.
    virtual std::optional<std::string> BrowseForFolder(WindowHandle owner, const std::string& title,
                                                       SpecialFolder root) = 0;
    virtual bool ShowHelp(WindowHandle owner, const std::string& helpFile, std::uint32_t command,
                          std::uintptr_t data) = 0;
};

}  // namespace qn
