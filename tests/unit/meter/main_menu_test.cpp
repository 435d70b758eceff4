#include "meter/app/main_menu.h"

#include <gtest/gtest.h>

namespace qn::meter {
namespace {

std::vector<std::string> Captions(const std::vector<MenuEntry>& entries) {
    std::vector<std::string> captions;
    for (const MenuEntry& entry : entries) captions.push_back(entry.caption);
    return captions;
}

std::vector<std::string> Names(const std::vector<MenuEntry>& entries) {
    std::vector<std::string> names;
    for (const MenuEntry& entry : entries) names.push_back(entry.name);
    return names;
}

TEST(MainMenu, WithTunerHasEveryItemInOrder) {
    const auto menu = BuildMainMenu(true, BuiltInThemeNames());
    EXPECT_EQ(Captions(menu),
              (std::vector<std::string>{"Show", "Statistics...", "", "Optimize with Quillon...",
                                        "Settings...", "Graph Style", "", "Exit"}));
    EXPECT_EQ(Names(menu),
              (std::vector<std::string>{"mnuShow", "mnuStatistics", "line2", "mnuQuillon",
                                        "mnuSettings", "mnuStyle", "Line1", "mnuExit"}));
}

TEST(MainMenu, WithoutTunerLaterItemsMoveUp) {
    const auto menu = BuildMainMenu(false, BuiltInThemeNames());
    ASSERT_EQ(menu.size(), 7u);
    EXPECT_EQ(menu[3].name, "mnuSettings");
    EXPECT_EQ(menu[6].name, "mnuExit");
    for (const MenuEntry& entry : menu) EXPECT_NE(entry.command, kQuillonCommand);
}

TEST(MainMenu, CommandsAreDistinctAndSeparatorsHaveNone) {
    const auto menu = BuildMainMenu(true, BuiltInThemeNames());
    EXPECT_EQ(menu[0].command, kShowCommand);
    EXPECT_EQ(menu[1].command, kStatisticsCommand);
    EXPECT_TRUE(menu[2].IsSeparator());
    EXPECT_EQ(menu[2].command, kNoCommand);
    EXPECT_EQ(menu[3].command, kQuillonCommand);
    EXPECT_EQ(menu[4].command, kSettingsCommand);
    EXPECT_TRUE(menu[6].IsSeparator());
    EXPECT_EQ(menu[7].command, kExitCommand);
}

TEST(MainMenu, GraphStyleListsThemesThenCustomize) {
    const auto menu = BuildMainMenu(true, BuiltInThemeNames());
    const auto& style = menu[5].children;
    EXPECT_EQ(Captions(style), (std::vector<std::string>{"Standard", "Task Manager", "Clouds",
                                                         "River", "", "Customize..."}));
    EXPECT_EQ(style[4].name, "Line3");
    EXPECT_EQ(style[5].name, "mnuThemeCustom");
    EXPECT_EQ(style[5].command, kThemeCustomCommand);
    for (unsigned i = 0; i < 4; ++i) EXPECT_EQ(style[i].command, kFirstThemeCommand + i);
}

TEST(MainMenu, SavedThemesFollowTheBuiltInOnes) {
    auto themes = BuiltInThemeNames();
    themes.push_back("Night");
    const auto style = BuildMainMenu(false, themes)[4].children;
    ASSERT_EQ(style.size(), 7u);
    EXPECT_EQ(style[4].caption, "Night");
    EXPECT_EQ(ThemeIndexOf(style[4].command, themes.size()), 4u);
}

TEST(ThemeIndexOf, OnlyThemeCommandsWithinTheListMap) {
    EXPECT_EQ(ThemeIndexOf(kFirstThemeCommand, 4), 0u);
    EXPECT_EQ(ThemeIndexOf(kFirstThemeCommand + 3, 4), 3u);
    EXPECT_FALSE(ThemeIndexOf(kFirstThemeCommand + 4, 4).has_value());
    EXPECT_FALSE(ThemeIndexOf(kExitCommand, 4).has_value());
    EXPECT_FALSE(ThemeIndexOf(kFirstThemeCommand, 0).has_value());
}

}  // namespace
}  // namespace qn::meter
