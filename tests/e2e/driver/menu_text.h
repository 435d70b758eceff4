#pragma once
#include <windows.h>

#include <cstdint>
#include <string>

namespace qn::e2e {

// Wine keeps a menu in the process that created it: other processes get its
// handle from GetMenu but every read of it fails. The driver therefore reads
// another process's menu from inside that process (menu_probe DLL) and both
// sides share this line format:
//   depth TAB type TAB state TAB id TAB popup(0/1) TAB caption
// The caption is the rest of the line, so an accelerator hint after a tab
// stays part of it.
std::string MenuText(HMENU menu);

// The block the driver places in the other process for the probe to fill.
struct MenuProbeBlock {
    uint64_t window;
    uint32_t capacity;  // bytes available in text
    uint32_t length;    // bytes the whole text needs
    char text[1];
};

constexpr const char* kMenuProbeDll = "qn_menu_probe.dll";
constexpr const char* kMenuProbeEntry = "QnReadMenu";

}  // namespace qn::e2e
