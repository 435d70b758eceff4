// The theme store: which names it keeps, what applying one does, and the
// registry layout it writes and reads back.
#include "meter/app/graph_theme.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/memory/manual_clock.h"
#include "platform/memory/memory_drawing.h"
#include "platform/memory/memory_environment_strings.h"
#include "platform/memory/memory_file_system.h"
#include "platform/memory/memory_local_time.h"
#include "platform/memory/memory_registry.h"
#include "platform/memory/reg_file.h"

namespace qn::meter {
namespace {

const std::vector<std::string> kBuiltIn = {"Standard", "Task Manager", "Clouds", "River"};

std::vector<std::string> BuiltInAnd(const std::vector<std::string>& saved) {
    std::vector<std::string> names = kBuiltIn;
    names.insert(names.end(), saved.begin(), saved.end());
    return names;
}

class GraphThemes : public ::testing::Test {
  protected:
    void Load(const std::string& regText) {
        ASSERT_TRUE(LoadRegFile(registry, "REGEDIT4\r\n\r\n" + regText).ok());
    }
    std::string Saved() {
        std::string text;
        SaveRegFile(registry, kHkeyCurrentUser, "Software\\Dapplet\\Themes", &text);
        return text;
    }

    MemoryRegistry registry;
    MemoryEnvironmentStrings environment;
    MemoryDrawingSystem drawing;
    MemoryFileSystem files;
    MemoryLocalTime localTime;
    mLogging log{files, localTime};
    ManualClock clock;
    cGraph graph{drawing, log, clock, ""};
    cGraphTheme themes{RegistryServices{registry, environment, "Dapplet"}, "Dapplet", log};
};

// Built-in names are told exactly, saved ones without regard to case; a
// save goes to the end of the list.
TEST_F(GraphThemes, SavingKeepsUsersNamesAfterTheBuiltInOnes) {
    EXPECT_EQ(themes.EnumThemes(), kBuiltIn);
    EXPECT_EQ(themes.NumThemes(), 4);
    struct Save {
        const char* name;
        bool stored;
    };
    const Save saves[] = {{"River", false}, {"river", true}, {"Night", true},
                          {"RIVER", true},  {"a\\b", false}, {"", false}};
    for (const Save& save : saves) {
        EXPECT_EQ(themes.SaveTheme(save.name, graph), save.stored) << save.name;
    }
    EXPECT_EQ(themes.EnumThemes(), BuiltInAnd({"Night", "RIVER"}));
    EXPECT_EQ(themes.NumThemes(), 6);
    themes.DeleteTheme("night");
    themes.DeleteTheme("Standard");
    themes.DeleteTheme("missing");
    EXPECT_EQ(themes.EnumThemes(), BuiltInAnd({"RIVER"}));
}

TEST_F(GraphThemes, ApplyingSetsAStyleCopiesASavedThemeOrChangesNothing) {
    graph.BackColor = 0x102030;
    graph.SendColor = 0x0000FF;
    graph.FillUnderGraph = false;
    graph.SetBackgroundPicture("C:\\pic.bmp");
    graph.StretchBackground = true;
    ASSERT_TRUE(themes.SaveTheme("Mine", graph));

    cGraph other{drawing, log, clock, ""};
    themes.ApplyTheme("Clouds", other);
    EXPECT_EQ(other.Style(), 2);
    const std::string clouds = other.BackgroundPicture();
    themes.ApplyTheme("Current Settings", other);
    themes.ApplyTheme("clouds", other);  // no such saved theme
    EXPECT_EQ(other.BackgroundPicture(), clouds);
    themes.ApplyTheme("MINE", other);
    EXPECT_EQ(other.BackColor, 0x102030u);
    EXPECT_EQ(other.SendColor, 0x0000FFu);
    EXPECT_FALSE(other.FillUnderGraph);
    EXPECT_EQ(other.BackgroundPicture(), "C:\\pic.bmp");
    EXPECT_TRUE(other.StretchBackground);
    EXPECT_EQ(other.Style(), 2) << "a saved theme leaves the style";
}

// The whole Themes key is replaced: a theme gone from the store goes from
// the registry too. (The registry in memory lists values by name.)
TEST_F(GraphThemes, SavingWritesEachThemeAsTextAndReadingGivesItBack) {
    Load("[HKEY_CURRENT_USER\\Software\\Dapplet\\Themes\\Old]\r\n\"BackColor\"=\"1\"\r\n");
    graph.BackColor = 0xFFFFFFFF;
    graph.SendColor = 255;
    graph.RecvColor = 0x00FF00;
    graph.BothColor = 0;
    graph.ChartColor = 0x808080;
    graph.NumColor = 16777215;
    graph.FillUnderGraph = true;
    graph.SetBackgroundPicture("res:CLOUDS");
    graph.StretchBackground = false;
    ASSERT_TRUE(themes.SaveTheme("Night", graph));
    themes.RegistrySave();
    EXPECT_EQ(Saved(),
              "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\Dapplet\\Themes]\r\n\r\n"
              "[HKEY_CURRENT_USER\\Software\\Dapplet\\Themes\\Night]\r\n"
              "\"BackColor\"=\"-1\"\r\n\"Background\"=\"res:CLOUDS\"\r\n"
              "\"BothColor\"=\"0\"\r\n\"ChartColor\"=\"8421504\"\r\n"
              "\"FillUnderGraph\"=\"True\"\r\n\"NumColor\"=\"16777215\"\r\n"
              "\"RecvColor\"=\"65280\"\r\n\"SendColor\"=\"255\"\r\n"
              "\"StretchBackground\"=\"False\"\r\n\r\n");

    cGraphTheme reread{RegistryServices{registry, environment, "Dapplet"}, "Dapplet", log};
    reread.RegistryRead();
    ASSERT_EQ(reread.EnumThemes(), BuiltInAnd({"Night"}));
    const cGraphThemeItem& night = *reread.Saved().Item("night");
    EXPECT_EQ(night.BackColor, 0xFFFFFFFFu);
    EXPECT_EQ(night.ChartColor, 0x808080u);
    EXPECT_TRUE(night.FillUnderGraph);
    EXPECT_EQ(night.Background, "res:CLOUDS");
    EXPECT_FALSE(night.ReadOnly);
}

// Values that are missing or do not convert leave a new record's 0, false
// or empty; a read-only theme can be neither replaced nor deleted.
TEST_F(GraphThemes, ReadingIsLenientAndReadOnlyThemesStay) {
    Load(
        "[HKEY_CURRENT_USER\\Software\\Dapplet\\Themes\\Kept]\r\n"
        "\"BackColor\"=\"blue\"\r\n\"SendColor\"=dword:000000ff\r\n"
        "\"FillUnderGraph\"=\"Yes\"\r\n\"StretchBackground\"=\"-1\"\r\n"
        "\"ReadOnly\"=\"True\"\r\n");
    themes.RegistryRead();
    const cGraphThemeItem& kept = *themes.Saved().Item("Kept");
    EXPECT_EQ(kept.BackColor, 0u);
    EXPECT_EQ(kept.SendColor, 255u);
    EXPECT_FALSE(kept.FillUnderGraph);
    EXPECT_TRUE(kept.StretchBackground);
    EXPECT_EQ(kept.Background, "");
    EXPECT_FALSE(themes.SaveTheme("kept", graph));
    EXPECT_FALSE(themes.CanDelete("Kept"));
    EXPECT_FALSE(themes.CanDelete("River"));
    EXPECT_TRUE(themes.CanDelete("Anything else"));
}

cGraphThemeItem Named(const char* name) {
    cGraphThemeItem item;
    item.Name = name;
    return item;
}

TEST(GraphThemeItems, AreFoundByPositionOrKeyAndMissingOnesAreNothing) {
    cGraphThemeItemCol items;
    items.Add(Named("One"), "One");
    items.Add(Named("Two"));
    EXPECT_EQ(items.Add(Named("Other"), "ONE").Name, "One");
    EXPECT_EQ(items.Count(), 2);
    EXPECT_EQ(items.Item(2)->Name, "Two");
    EXPECT_EQ(items.Item("one")->Name, "One");
    EXPECT_EQ(items.Item(3), nullptr);
    EXPECT_EQ(items.Item("Two"), nullptr) << "added without a key";
    items.Remove(5);
    items.Remove("none");
    items.Remove(1);
    EXPECT_EQ(items.Item(1)->Name, "Two");
}

}  // namespace
}  // namespace qn::meter
