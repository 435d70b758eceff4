#pragma once
// The tray popup menu of the meter's main window, as a table that the
// Windows layer turns into a real menu.
#include <optional>
#include <string>
#include <vector>

namespace qn::meter {

// Command ids of the menu items (WM_COMMAND); theme items count up from
// kFirstThemeCommand in the order of the theme list.
enum MenuCommand : unsigned {
    kNoCommand = 0,
    kShowCommand = 1001,
    kStatisticsCommand,
    kQuillonCommand,
    kSettingsCommand,
    kThemeCustomCommand,
    kExitCommand,
    kFirstThemeCommand = 1100,
};

struct MenuEntry {
    std::string name;     // control name, e.g. "mnuShow"
    std::string caption;  // empty for a separator
    unsigned command = kNoCommand;
    std::vector<MenuEntry> children;  // non-empty for a submenu

    bool IsSeparator() const { return caption.empty(); }
};

// The graph themes every installation has, in menu order.
const std::vector<std::string>& BuiltInThemeNames();

// mnuMain: the tuner item only when the tuner is installed beside the meter.
std::vector<MenuEntry> BuildMainMenu(bool tunerInstalled, const std::vector<std::string>& themes);

// Index into the theme list of a theme item's command, if it is one.
std::optional<std::size_t> ThemeIndexOf(unsigned command, std::size_t themeCount);

}  // namespace qn::meter
