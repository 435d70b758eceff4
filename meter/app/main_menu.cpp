#include "meter/app/main_menu.h"

namespace qn::meter {
namespace {

MenuEntry Item(const char* name, const char* caption, unsigned command) {
    return MenuEntry{name, caption, command, {}};
}

MenuEntry Separator(const char* name) {
    return MenuEntry{name, "", kNoCommand, {}};
}

MenuEntry StyleSubmenu(const std::vector<std::string>& themes) {
    MenuEntry style{"mnuStyle", "Graph Style", kNoCommand, {}};
    for (std::size_t i = 0; i < themes.size(); ++i) {
        style.children.push_back(
            MenuEntry{"mnuTheme", themes[i], static_cast<unsigned>(kFirstThemeCommand + i), {}});
    }
    style.children.push_back(Separator("Line3"));
    style.children.push_back(Item("mnuThemeCustom", "Customize...", kThemeCustomCommand));
    return style;
}

}  // namespace

const std::vector<std::string>& BuiltInThemeNames() {
    static const std::vector<std::string> names{"Standard", "Task Manager", "Clouds", "River"};
    return names;
}

std::vector<MenuEntry> BuildMainMenu(bool tunerInstalled, const std::vector<std::string>& themes) {
    std::vector<MenuEntry> menu{
        Item("mnuShow", "Show", kShowCommand),
        Item("mnuStatistics", "Statistics...", kStatisticsCommand),
        Separator("line2"),
    };
    if (tunerInstalled)
        menu.push_back(Item("mnuQuillon", "Optimize with Quillon...", kQuillonCommand));
    menu.push_back(Item("mnuSettings", "Settings...", kSettingsCommand));
    menu.push_back(StyleSubmenu(themes));
    menu.push_back(Separator("Line1"));
    menu.push_back(Item("mnuExit", "Exit", kExitCommand));
    return menu;
}

std::optional<std::size_t> ThemeIndexOf(unsigned command, std::size_t themeCount) {
    if (command < kFirstThemeCommand || command - kFirstThemeCommand >= themeCount) {
        return std::nullopt;
    }
    return command - kFirstThemeCommand;
}

}  // namespace qn::meter
