#include "meter/app/meter_settings.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

#include "meter/app/tray_status.h"
#include "platform/memory/manual_clock.h"
#include "platform/memory/memory_drawing.h"
#include "platform/memory/memory_file_system.h"
#include "platform/memory/memory_interface_table.h"
#include "platform/memory/memory_local_time.h"
#include "tests/support/memory_meter_settings.h"
#include "throughput/timer.h"

namespace qn::meter {
namespace {

class MeterSettingsTest : public ::testing::Test {
  protected:
    MemoryMeterSettings settings;
    MemoryDrawingSystem drawing;
    MemoryFileSystem files;
    MemoryLocalTime localTime;
    mLogging log{files, localTime};
    ManualClock clock;
    cGraph graph{drawing, log, clock, "C:\\Dapplet\\"};
};

TEST_F(MeterSettingsTest, FlagsAndNumbersReadAsStored) {
    EXPECT_EQ(ParseFlag("True"), true);
    EXPECT_EQ(ParseFlag("false"), false);
    EXPECT_EQ(ParseFlag("-1"), true);
    EXPECT_EQ(ParseFlag("0"), false);
    EXPECT_EQ(ParseFlag("yes"), std::nullopt);
    EXPECT_EQ(ParseWhole("16777215"), 16777215);
    EXPECT_EQ(ParseWhole("2.5"), 2) << "half-to-even";
    EXPECT_EQ(ParseWhole("blue"), std::nullopt);
    EXPECT_EQ(ParseWhole("99999999999"), std::nullopt);
}

TEST_F(MeterSettingsTest, NothingStoredGivesTheStandardLook) {
    graph.SetStyle(1);  // a different look first, so that the defaults show
    ApplyGraphSettings(settings, graph);
    EXPECT_TRUE(graph.AutoScale());
    EXPECT_TRUE(graph.ShowNum());
    EXPECT_TRUE(graph.ShowGrid());
    EXPECT_EQ(graph.BackColor, 16777215u);
    EXPECT_EQ(graph.BothColor, 65280u);
    EXPECT_EQ(graph.ChartColor, 11579568u);
    EXPECT_EQ(graph.NumColor, 0u);
    EXPECT_EQ(graph.RecvColor, 255u);
    EXPECT_EQ(graph.SendColor, 16711680u);
    EXPECT_TRUE(graph.FillUnderGraph);
    EXPECT_FALSE(graph.StretchBackground);
    EXPECT_EQ(graph.BackgroundPicture(), "");
}

TEST_F(MeterSettingsTest, AFixedScaleIsReadAndKeptAndUnreadableValuesAreSkipped) {
    settings.Save("Graph", "AutoScale", "False");
    settings.Save("Graph", "Scale", "5000");
    settings.Save("Graph", "BackColor", "not a colour");
    settings.Save("Graph", "Show Gridlines", "maybe");
    settings.Save("Graph", "SendColor", "128");
    graph.BackColor = 0x123456;
    ApplyGraphSettings(settings, graph);
    EXPECT_FALSE(graph.AutoScale());
    EXPECT_EQ(graph.ScaleValue(), 5000);
    graph.AddData(20000, 0);
    EXPECT_EQ(graph.ScaleValue(), 5000) << "a fixed scale does not grow";
    EXPECT_EQ(graph.BackColor, 0x123456u);
    EXPECT_TRUE(graph.ShowGrid());
    EXPECT_EQ(graph.SendColor, 128u);

    // With autoscaling on, the stored scale is not read.
    MemoryMeterSettings autoScaled;
    autoScaled.Save("Graph", "Scale", "5000");
    cGraph other{drawing, log, clock, ""};
    ApplyGraphSettings(autoScaled, other);
    EXPECT_EQ(other.ScaleValue(), 1);
}

TEST_F(MeterSettingsTest, TheEndWritesEveryGraphValueAndTheInterface) {
    MemoryInterfaceTable interfaces;
    MTimer timers{clock, "Dapplet"};
    cNetStatus sampler{interfaces, timers, log};
    sampler.SetInterface("eth0");
    graph.SetStyle(1);
    graph.SetAutoScale(true);
    graph.AddData(2000, 10);
    SaveGraphSettings(settings, graph, sampler);
    const std::map<std::string, std::string> expected = {
        {"Settings\\Interface", "eth0"},    {"Graph\\AutoScale", "True"},
        {"Graph\\Scale", "2100"},           {"Graph\\BackColor", "0"},
        {"Graph\\BothColor", "65280"},      {"Graph\\ChartColor", "24576"},
        {"Graph\\FillUnderGraph", "False"}, {"Graph\\NumColor", "65280"},
        {"Graph\\RecvColor", "255"},        {"Graph\\SendColor", "16742263"},
        {"Graph\\Background", ""},          {"Graph\\StretchBackground", "False"},
    };
    EXPECT_EQ(settings.values, expected);
}

TEST(TrayStatus, PictureAndTooltipFollowTheRates) {
    EXPECT_EQ(TrayPictureFor(0, 0), TrayPicture::None);
    EXPECT_EQ(TrayTooltip("Dapplet", 0, 0), "Dapplet In: 0kb/s Out: 0kb/s");
    EXPECT_EQ(TrayPictureFor(1536, 0), TrayPicture::In);
    EXPECT_EQ(TrayTooltip("Dapplet", 1536, 0), "Dapplet In: 1.5kb/s Out: 0kb/s");
    EXPECT_EQ(TrayPictureFor(0, 1), TrayPicture::Out);
    EXPECT_EQ(TrayPictureFor(5, 1), TrayPicture::InOut);
    EXPECT_EQ(TrayPictureFor(-5, 0), TrayPicture::None) << "a vanished interface reads negative";
}

}  // namespace
}  // namespace qn::meter
