#include <gtest/gtest.h>

#include "tests/unit/graph/graph_fixture.h"

namespace qn {
namespace {

constexpr Colour kIn = 0x0000FF;
constexpr Colour kOut = 0xFF0000;
constexpr Colour kBoth = 0x00FF00;
constexpr Colour kChart = 0xB0B0B0;
constexpr Colour kNumbers = 0x000000;

class GraphDrawingTest : public GraphTest {
  protected:
    // A chart 64 pixels high whose scale makes a sample's value its height.
    void UseSixtyFourPixelChart(PixelSurface& surface) {
        graph->SetPicture(&surface);
        graph->SetShowGrid(false);
        graph->SetScaleValue(surface.HeightPixels() - 16);
    }
    std::unique_ptr<cGraph> graph = MakeGraph();
};

// A chart whose window is not there yet, or gone, keeps its samples and
// leaves the surface it last drew on alone.
TEST_F(GraphDrawingTest, WithoutASurfaceNothingIsDrawnAndTheSamplesAreKept) {
    graph->AddData(10, 0);
    EXPECT_NO_THROW(graph->DrawGraph(true, true));
    PixelSurface surface(100, 80);
    UseSixtyFourPixelChart(surface);
    graph->DrawGraph(true, false);
    EXPECT_EQ(surface.Pixel(99, 55), kIn) << "the sample added before the surface came";
    EXPECT_EQ(surface.Pixel(99, 54), kBack);

    graph->SetPicture(nullptr);
    graph->AddData(60, 0);
    EXPECT_NO_THROW(graph->DrawGraph(true, true));
    EXPECT_EQ(surface.ShowCount(), 1);
    EXPECT_EQ(surface.Pixel(99, 54), kBack) << "drawn on a surface no longer attached";
}

TEST_F(GraphDrawingTest, ValuesStripHoldsTheCentredCurrentValuesUnderTheSeparator) {
    PixelSurface surface(200, 80);
    graph->SetPicture(&surface);
    graph->SetShowGrid(false);
    graph->SetScaleValue(2048);
    graph->AddData(2048, 1536);
    graph->DrawGraph(true, false);

    for (int x = 0; x < 200; ++x) ASSERT_EQ(surface.Pixel(x, 65), kChart) << x;
    EXPECT_EQ(surface.Pixel(0, 64), kBack);
    EXPECT_EQ(surface.Pixel(0, 66), kBack);
    EXPECT_EQ(surface.Pixel(199, 1), kIn) << "the column reaches the chart's top";
    EXPECT_EQ(surface.Pixel(199, 0), kBack);
    ASSERT_EQ(surface.Texts().size(), 1u);
    const PrintedText& values = surface.Texts()[0];
    EXPECT_EQ(values.text, "In: 2kb/s   Out: 1.5kb/s");
    EXPECT_EQ(values.x, 28) << "(200 - 24 * 6) / 2";
    EXPECT_EQ(values.y, 66) << "64 + (16 - 13) / 2 = 65.5, rounded half-to-even";
    EXPECT_EQ(values.colour, kNumbers);
    EXPECT_FALSE(surface.Hidden());
    EXPECT_EQ(surface.ShowCount(), 1);

    graph->DrawGraph(false, false);
    EXPECT_TRUE(surface.Texts().empty()) << "no values without data";
    EXPECT_EQ(surface.Pixel(199, 1), kBack);

    graph->SetShowNum(false);
    graph->DrawGraph(true, false);
    EXPECT_TRUE(surface.Texts().empty());
    EXPECT_EQ(surface.Pixel(0, 65), kBack) << "the separator lies below the surface";
    EXPECT_EQ(surface.Pixel(199, 1), kIn) << "the chart takes the whole height";
    EXPECT_EQ(surface.Pixel(199, 20), kIn);
    EXPECT_EQ(surface.Pixel(199, 21), kBoth) << "60 of 80 pixels for 1536 of 2048";
}

TEST_F(GraphDrawingTest, FilledColumnsOnlyForKeptSamplesNewestOnTheRight) {
    PixelSurface surface(100, 80);
    UseSixtyFourPixelChart(surface);
    graph->AddData(10, 0);
    graph->AddData(20, 0);
    graph->AddData(60, 24);
    graph->DrawGraph(true, false);

    EXPECT_EQ(surface.Pixel(99, 64), kBoth);
    EXPECT_EQ(surface.Pixel(99, 41), kBoth) << "the lower 24 pixels are covered by both";
    EXPECT_EQ(surface.Pixel(99, 40), kIn) << "the rest of the In column; Out is hidden";
    EXPECT_EQ(surface.Pixel(99, 5), kIn);
    EXPECT_EQ(surface.Pixel(99, 4), kBack);
    EXPECT_EQ(surface.Pixel(98, 45), kIn);
    EXPECT_EQ(surface.Pixel(98, 44), kBack);
    EXPECT_EQ(surface.Pixel(97, 55), kIn);
    EXPECT_EQ(surface.Pixel(97, 54), kBack);
    EXPECT_EQ(surface.Pixel(96, 64), kBack) << "no fourth sample";

    graph->AddData(0, 30);
    graph->DrawGraph(true, false);
    EXPECT_EQ(surface.Pixel(99, 35), kOut) << "Out alone keeps its own colour";
    EXPECT_EQ(surface.Pixel(99, 64), kOut);
}

TEST_F(GraphDrawingTest, LinesJoinEachSampleToTheOneOnItsRight) {
    PixelSurface surface(100, 80);
    UseSixtyFourPixelChart(surface);
    graph->FillUnderGraph = false;
    graph->AddData(20, 0);
    graph->AddData(10, 0);
    graph->AddData(30, 0);
    graph->DrawGraph(true, false);

    EXPECT_EQ(surface.Pixel(99, 34), kIn) << "the newest sample";
    EXPECT_EQ(surface.Pixel(99, 43), kIn) << "the step down is split between the columns";
    EXPECT_EQ(surface.Pixel(99, 44), kBack);
    EXPECT_EQ(surface.Pixel(98, 43), kBack);
    EXPECT_EQ(surface.Pixel(98, 44), kIn);
    EXPECT_EQ(surface.Pixel(98, 54), kIn) << "drawn by the line from the older sample";
    EXPECT_EQ(surface.Pixel(97, 45), kIn);
    EXPECT_EQ(surface.Pixel(97, 44), kBack) << "the oldest sample's own point is the line's end";
    EXPECT_EQ(surface.Pixel(99, 64), kOut);
    EXPECT_EQ(surface.Pixel(98, 64), kOut);
    EXPECT_EQ(surface.Pixel(97, 64), kBack);
    EXPECT_EQ(surface.Pixel(99, 63), kBack) << "no filling in line mode";
}

TEST_F(GraphDrawingTest, GridLinesAndLabelsNeedEnoughHeight) {
    graph->SetShowNum(false);
    graph->SetScaleValue(1000);
    {
        PixelSurface surface(100, 50);
        graph->SetPicture(&surface);
        graph->DrawGraph(true, false);
        EXPECT_TRUE(surface.Texts().empty());
        EXPECT_EQ(surface.Pixel(0, 25), kChart);
        EXPECT_EQ(surface.Pixel(17, 25), kChart);
        EXPECT_EQ(surface.Pixel(18, 25), kBack) << "dashes of 18, gaps of 6";
        EXPECT_EQ(surface.Pixel(24, 25), kChart);
    }
    {
        PixelSurface surface(100, 51);
        graph->SetPicture(&surface);
        graph->DrawGraph(true, false);
        EXPECT_EQ(surface.Pixel(0, 26), kChart) << "25.5 rounds half-to-even";
        ASSERT_EQ(surface.Texts().size(), 2u);
        EXPECT_EQ(surface.Texts()[0].y, 26);
        EXPECT_EQ(surface.Texts()[1].y, 1);
    }
    {
        PixelSurface surface(100, 120);
        graph->SetPicture(&surface);
        graph->DrawGraph(true, false);
        EXPECT_EQ(surface.Texts().size(), 2u);
        EXPECT_EQ(surface.Pixel(0, 90), kBack);
        EXPECT_EQ(surface.Pixel(0, 30), kBack);
    }
    PixelSurface surface(100, 121);
    graph->SetPicture(&surface);
    graph->DrawGraph(true, false);
    for (int y : {91, 30}) {
        EXPECT_EQ(surface.Pixel(0, y), kChart) << y;
        EXPECT_EQ(surface.Pixel(2, y), kChart) << y;
        EXPECT_EQ(surface.Pixel(3, y), kBack) << "dots of 3, gaps of 3";
        EXPECT_EQ(surface.Pixel(6, y), kChart) << y;
    }
    ASSERT_EQ(surface.Texts().size(), 4u);
    EXPECT_EQ(surface.Texts()[2].y, 92);
    EXPECT_EQ(surface.Texts()[3].y, 31);
    EXPECT_EQ(surface.Texts()[3].x, 1);
    EXPECT_EQ(surface.Texts()[3].colour, kChart);
}

TEST_F(GraphDrawingTest, LabelsShowBytesOrKilobytesEachInItsOwnForm) {
    PixelSurface surface(100, 200);
    graph->SetPicture(&surface);
    auto labels = [&](std::int32_t scale) {
        graph->SetScaleValue(scale);
        graph->DrawGraph(false, false);
        std::vector<std::string> texts;
        for (const auto& printed : surface.Texts()) texts.push_back(printed.text);
        return texts;
    };
    using Texts = std::vector<std::string>;
    // middle, top, quarter, three quarters
    EXPECT_EQ(labels(3), (Texts{"1.5b/s", "3b/s", "1b/s", "2.2b/s"}));
    EXPECT_EQ(labels(1018), (Texts{"509b/s", "1018b/s", "254b/s", "763.5b/s"}));
    EXPECT_EQ(labels(1001), (Texts{"500.5b/s", "1001b/s", "250b/s", "750.8b/s"}));
    EXPECT_EQ(labels(2560), (Texts{"1.2kb/s", "2.5kb/s", "640b/s", "1.9kb/s"}));
    EXPECT_EQ(labels(3000), (Texts{"1.5kb/s", "2.9kb/s", "750b/s", "2.2kb/s"}));
}

}  // namespace
}  // namespace qn
