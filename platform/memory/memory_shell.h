#pragma once
#include <vector>

#include "platform/shell.h"

namespace qn {

struct BrowseRequest {
    WindowHandle owner;
    std::string title;
    SpecialFolder root;
};

struct HelpRequest {
    WindowHandle owner;
    std::string helpFile;
    std::uint32_t command;
    std::uintptr_t data;
};

// Records every request; answers as the test set it.
class MemoryShell : public Shell {
  public:
    bool Open(const std::string& target) override {
        opened.push_back(target);
        return openSucceeds;
    }
    std::optional<std::string> BrowseForFolder(WindowHandle owner, const std::string& title,
                                               SpecialFolder root) override {
        browsed.push_back({owner, title, root});
        return browseAnswer;
    }
    bool ShowHelp(WindowHandle owner, const std::string& helpFile, std::uint32_t command,
                  std::uintptr_t data) override {
        helped.push_back({owner, helpFile, command, data});
        return helpSucceeds;
    }

    bool openSucceeds = true;
    std::optional<std::string> browseAnswer;  // empty: the user cancels
    bool helpSucceeds = true;
    std::vector<std::string> opened;
    std::vector<BrowseRequest> browsed;
    std::vector<HelpRequest> helped;
};

}  // namespace qn
