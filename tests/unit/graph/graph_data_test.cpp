#include <gtest/gtest.h>

#include "tests/unit/graph/graph_fixture.h"

namespace qn {
namespace {

std::vector<std::int32_t> Items(const cQueue<std::int32_t>& queue) {
    return {queue.Contents().begin(), queue.Contents().end()};
}

TEST_F(GraphTest, HistoryKeepsTheNewestSamplesOfBothSeries) {
    auto graph = MakeGraph();
    EXPECT_EQ(graph->History(), 1000);
    graph->SetHistory(10);
    for (int i = 0; i < 15; ++i) graph->AddData(i, 100 + i);
    EXPECT_EQ(graph->CurHistorySize(), 10);
    EXPECT_EQ(Items(graph->InHistory()),
              (std::vector<std::int32_t>{5, 6, 7, 8, 9, 10, 11, 12, 13, 14}));
    EXPECT_EQ(graph->OutHistory().Count(), 10u);
    EXPECT_EQ(graph->OutHistory().Peek(), 105);

    graph->SetHistory(4);
    EXPECT_EQ(Items(graph->InHistory()), (std::vector<std::int32_t>{11, 12, 13, 14}))
        << "shortening trims at once";
    EXPECT_EQ(Items(graph->OutHistory()), (std::vector<std::int32_t>{111, 112, 113, 114}));

    graph->SetHistory(-1);
    graph->AddData(1, 1);
    EXPECT_EQ(graph->CurHistorySize(), 0) << "a negative history keeps nothing";
    EXPECT_EQ(graph->OutHistory().Count(), 0u);
}

TEST_F(GraphTest, AutoScaleOnlyGrowsToFivePercentAboveTheSample) {
    auto graph = MakeGraph();
    graph->AddData(2000, 0);
    EXPECT_EQ(graph->ScaleValueExact(), 1.0) << "off by default";

    graph->SetAutoScale(true);
    graph->AddData(2000, 0);
    EXPECT_DOUBLE_EQ(graph->ScaleValueExact(), 2100.0);
    EXPECT_EQ(graph->ScaleValue(), 2100);
    graph->AddData(0, 2200);
    EXPECT_DOUBLE_EQ(graph->ScaleValueExact(), 2310.0);
    graph->AddData(3000, 3100);
    EXPECT_DOUBLE_EQ(graph->ScaleValueExact(), 3150.0) << "Out compared with the new scale";
    graph->AddData(5, 5);
    EXPECT_DOUBLE_EQ(graph->ScaleValueExact(), 3150.0);

    graph->AddData(2147483647, 0);
    EXPECT_EQ(graph->ScaleValue(), 2147483647) << "the whole-number form saturates";
}

TEST_F(GraphTest, LogsItsCreationAndEnd) {
    MakeGraph().reset();
    EXPECT_EQ(LogMessages(), (std::vector<std::string>{"cGraph_Initialize", "cGraph_Terminate"}));
}

TEST_F(GraphTest, StylesSetColoursFillAndBackground) {
    drawing.AddResource("CLOUDS", std::make_shared<PixelImage>(2, 2));
    auto graph = MakeGraph();
    graph->SetStyle(1);
    EXPECT_EQ(graph->NumColor, 0x00FF00u);
    EXPECT_EQ(graph->BackColor, 0x000000u);
    EXPECT_EQ(graph->SendColor, 0xFF7777u);
    EXPECT_EQ(graph->RecvColor, 0x0000FFu);
    EXPECT_EQ(graph->BothColor, 0x00FF00u);
    EXPECT_EQ(graph->ChartColor, 0x006000u);
    EXPECT_FALSE(graph->FillUnderGraph);

    graph->SetStyle(2);
    EXPECT_EQ(graph->ChartColor, 0x800000u);
    EXPECT_EQ(graph->BackgroundPicture(), "res:Clouds");
    EXPECT_TRUE(graph->StretchBackground);

    graph->SetStyle(3);
    EXPECT_EQ(graph->BothColor, 0xFFFFFFu);
    EXPECT_EQ(graph->ChartColor, 0x808080u);
    EXPECT_EQ(graph->BackgroundPicture(), "res:River");

    graph->SetStyle(7);
    EXPECT_EQ(graph->Style(), 7);
    EXPECT_EQ(graph->ChartColor, 0x808080u) << "an unknown look changes nothing else";

    graph->SetStyle(0);
    EXPECT_EQ(graph->BackColor, 0xFFFFFFu);
    EXPECT_EQ(graph->ChartColor, 0xB0B0B0u);
    EXPECT_TRUE(graph->FillUnderGraph);
    EXPECT_FALSE(graph->StretchBackground);
    EXPECT_EQ(graph->BackgroundPicture(), "");
    EXPECT_EQ(LogMessages(),
              (std::vector<std::string>{"cGraph_Initialize",
                                        "cGraph_BackgrounPicture: LoadResPicture 0,res:Clouds",
                                        "cGraph_BackgrounPicture: LoadResPicture 326,res:River"}));
}

}  // namespace
}  // namespace qn
