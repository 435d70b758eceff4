#include <gtest/gtest.h>

#include <string>

#include "platform/memory/memory_settings_store.h"
#include "tuner/core/command_line.h"
#include "tuner/core/settings_loading.h"
#include "tuner/core/tuner_settings.h"

namespace qn {
namespace {

TEST(CommandLineWords, SplashOnlyExactlyOtherWordsInAnyCase) {
    const struct {
        const char* line;
        CommandLineWord word;
    } cases[] = {
        {"splash", CommandLineWord::Splash},       {"  splash  ", CommandLineWord::Splash},
        {"Splash", CommandLineWord::None},         {"SPLASH", CommandLineWord::None},
        {"classic", CommandLineWord::Classic},     {"CLASSIC", CommandLineWord::Classic},
        {" Wizard ", CommandLineWord::Wizard},     {"", CommandLineWord::None},
        {"classic wizard", CommandLineWord::None}, {"/classic", CommandLineWord::None},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ParseCommandLine(c.line), c.word) << "\"" << c.line << "\"";
    }
}

TcpipSettings WithAdapters(std::initializer_list<int> mtus) {
    TcpipSettings settings;
    for (int mtu : mtus) {
        ++settings.AdapterCount;
        settings.Adapters[settings.AdapterCount].Mtu = static_cast<std::int16_t>(mtu);
        settings.Adapters[settings.AdapterCount].Label = "card " + std::to_string(mtu);
    }
    return settings;
}

TEST(RwinCalculator, StoredIndexOutsideTheTableFallsBackToTheFirstAdapter) {
    EXPECT_EQ(ChooseRwinCalc(7, 3), 1);
    EXPECT_EQ(ChooseRwinCalc(0, 3), 1);
    EXPECT_EQ(ChooseRwinCalc(-2, 3), 1);
    EXPECT_EQ(ChooseRwinCalc(3, 3), 3);
    EXPECT_EQ(ChooseRwinCalc(2, 3), 2);
    EXPECT_EQ(ChooseRwinCalc(1, 0), 1);
}

TEST(RwinCalculator, MultiplierIsKeptOnlyWhenRwinIsAWholeMultipleOfTheMss) {
    TcpipSettings settings = WithAdapters({1500, 576});
    settings.RwinCalc = 1;
    settings.Rwin = 8192;  // 8192 / 1460 is not whole
    EXPECT_EQ(RwinMultiplierFor(settings), 1.0);
    settings.Rwin = 5840;
    EXPECT_EQ(RwinMultiplierFor(settings), 4.0);
    settings.RwinCalc = 2;
    settings.Rwin = 4288;  // 8 x 536
    EXPECT_EQ(RwinMultiplierFor(settings), 8.0);
}

TEST(RwinCalculator, AnMtuWithoutRoomForAnMssGivesOneInsteadOfDividingByZero) {
    for (int mtu : {40, 39, 0, -100}) {
        TcpipSettings settings = WithAdapters({mtu});
        settings.RwinCalc = 1;
        settings.Rwin = 8192;
        EXPECT_EQ(RwinMultiplierFor(settings), 1.0) << "MTU " << mtu;
    }
    TcpipSettings none;
    none.Rwin = 5840;
    EXPECT_EQ(RwinMultiplierFor(none), 1.0);
}

TEST(AdapterLists, ListOnlyValidAdaptersAndNameTheInvalidOnes) {
    TcpipSettings settings = WithAdapters({1500, 576, 1500});
    settings.Adapters[2].Invalid = true;
    EXPECT_EQ(ListedAdapters(settings), (std::vector<int>{1, 3}));
    EXPECT_EQ(InvalidAdaptersText(settings), "Invalid Adapters:\r\n * card 576\r\n");

    settings.Adapters[2].Invalid = false;
    EXPECT_EQ(InvalidAdaptersText(settings), "Invalid Adapters:\r\n");
    EXPECT_EQ(InvalidAdaptersText(TcpipSettings{}), "");
}

class TunerSettingsTest : public ::testing::Test {
  protected:
    std::string Stored(const char* section, const char* key) {
        return store.Get("Quillon", section, key, "<absent>");
    }
    MemorySettingsStore store;
    TunerSettings options{store};
};

TEST_F(TunerSettingsTest, AbsentValuesGiveTheirDefaults) {
    EXPECT_FALSE(options.NoSplash());
    EXPECT_EQ(options.RwinCalc(), 0);
    EXPECT_EQ(options.GetStartupView(), StartupView::Wizard);
    EXPECT_TRUE(options.AutoDelete());
    EXPECT_FALSE(options.SkipMtuFinderWarning());
    EXPECT_FALSE(options.SkipHostsWarning());
    EXPECT_TRUE(options.ShowStartupViewDialog());
}

TEST_F(TunerSettingsTest, ValuesAreStoredAsTextAndTheSplashOptionIsDeletedWhenCleared) {
    options.SetNoSplash(true);
    EXPECT_EQ(Stored("Settings", "NoSplash"), "1");
    options.SetNoSplash(false);
    EXPECT_EQ(Stored("Settings", "NoSplash"), "<absent>");
    options.SetRwinCalc(3);
    EXPECT_EQ(Stored("Settings", "RWINCalc"), "3");
    options.SetStartupView(StartupView::Classic);
    EXPECT_EQ(Stored("Settings", "StartupMode"), "1");
    options.SetAutoDelete(false);
    EXPECT_EQ(Stored("Settings", "AutoDelete"), "0");
}

TEST_F(TunerSettingsTest, TextThatIsNotANumberReadsAsZero) {
    store.Save("Quillon", "Settings", "RWINCalc", "two");
    store.Save("Quillon", "Settings", "NoSplash", "yes");
    store.Save("Quillon", "Settings", "StartupMode", "99999999999");
    EXPECT_EQ(options.RwinCalc(), 0);
    EXPECT_FALSE(options.NoSplash());
    EXPECT_EQ(options.GetStartupView(), StartupView::Wizard);
}

TEST_F(TunerSettingsTest, ANewBuildIsRecordedAndBringsTheWarningsBack) {
    options.SetSkipMtuFinderWarning(true);
    options.SetSkipHostsWarning(true);
    options.SetShowStartupViewDialog(false);

    EXPECT_TRUE(options.NoteBuild(7));
    EXPECT_EQ(Stored("Version", "Build"), "7");
    EXPECT_EQ(Stored("Warnings", "findmtu"), "0");
    EXPECT_EQ(Stored("Warnings", "hosts"), "0");
    EXPECT_EQ(Stored("Warnings", "Startup"), "1");

    options.SetSkipHostsWarning(true);
    EXPECT_FALSE(options.NoteBuild(7));
    EXPECT_TRUE(options.SkipHostsWarning());
}

}  // namespace
}  // namespace qn
