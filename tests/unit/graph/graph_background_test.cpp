#include <gtest/gtest.h>

#include "platform/memory/bmp_codec.h"
#include "tests/unit/graph/graph_fixture.h"
#include "throughput/tile_picture.h"

namespace qn {
namespace {

// A picture whose corners show where it was painted and how it was scaled.
std::shared_ptr<PixelImage> Quadrants(int width, int height) {
    auto image = std::make_shared<PixelImage>(width, height, 0x111111);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image->Set(x, y,
                       (x < width / 2 ? 0x000010 : 0x001000) + (y < height / 2 ? 0 : 0x100000));
    return image;
}

TEST_F(GraphTest, TilingRepeatsFromTheCornerAndStretchingScalesToTheSurface) {
    RecordingSurface surface(70, 50, clock);
    const auto image = Quadrants(30, 25);
    mTilePicture::TilePicture(surface, *image);
    EXPECT_EQ(
        surface.paints,
        (std::vector<std::pair<int, int>>{
            {0, 0}, {0, 25}, {0, 50}, {30, 0}, {30, 25}, {30, 50}, {60, 0}, {60, 25}, {60, 50}}));
    EXPECT_EQ(surface.Pixel(30, 25), 0x000010u);
    EXPECT_EQ(surface.Pixel(69, 49), 0x100010u) << "the third column is cut";
    EXPECT_EQ(surface.Pixel(29, 24), 0x101000u);

    surface.paints.clear();
    mTilePicture::TilePicture(surface, PixelImage(0, 5));
    EXPECT_TRUE(surface.paints.empty()) << "an empty picture paints nothing";

    mTilePicture::StretchPicture(surface, *Quadrants(2, 2));
    EXPECT_EQ(surface.Pixel(0, 0), 0x000010u);
    EXPECT_EQ(surface.Pixel(34, 24), 0x000010u);
    EXPECT_EQ(surface.Pixel(35, 25), 0x101000u);
    EXPECT_EQ(surface.Pixel(69, 49), 0x101000u);
}

TEST_F(GraphTest, BackgroundIsRenderedOnRefreshOrResizeAndTimed) {
    drawing.AddResource("CLOUDS", Quadrants(2, 2));
    auto graph = MakeGraph();
    RecordingSurface surface(100, 80, clock);
    surface.paintMs = 37;
    graph->SetPicture(&surface);
    graph->SetStyle(2);
    graph->SetShowGrid(false);
    graph->DrawGraph(false, false);
    EXPECT_EQ(surface.Pixel(0, 0), 0x000010u) << "first drawing renders it: size unknown";
    EXPECT_EQ(surface.Pixel(99, 60), 0x101000u);
    EXPECT_EQ(graph->LastBench, 37u);
    EXPECT_TRUE(surface.HasKeptBackground());

    surface.paintMs = 5;
    graph->DrawGraph(false, false);
    EXPECT_EQ(graph->LastBench, 37u) << "same size, no refresh: the kept one shows";
    EXPECT_EQ(surface.Pixel(99, 60), 0x101000u);
    graph->DrawGraph(false, true);
    EXPECT_EQ(graph->LastBench, 5u);

    graph->StretchBackground = false;
    graph->IgnoreBack = true;
    graph->DrawGraph(false, true);
    EXPECT_EQ(surface.Pixel(99, 60), 0x101000u) << "ignored: the kept background stays";
    graph->IgnoreBack = false;
    graph->DrawGraph(false, true);
    EXPECT_EQ(surface.Pixel(98, 60), 0x000010u) << "tiled at natural size";
    EXPECT_EQ(surface.Pixel(99, 61), 0x101000u);

    // A surface that dropped its background (as a resize that ends at the
    // rendered size does) gets it rendered again.
    surface.ClearKeptBackground();
    graph->LastBench = 0;
    graph->DrawGraph(true, false);
    EXPECT_GT(graph->LastBench, 0u);
    EXPECT_TRUE(surface.HasKeptBackground());
    EXPECT_EQ(surface.Pixel(98, 60), 0x000010u);

    graph->SetBackgroundPicture("");
    graph->DrawGraph(false, false);
    EXPECT_FALSE(surface.HasKeptBackground());
    EXPECT_EQ(surface.Pixel(99, 60), kBack) << "a dropped picture is gone at once";
}

TEST_F(GraphTest, BackgroundPictureLoadsResourcesAndFilesAndLogsEachLoad) {
    drawing.AddResource("CLOUDS", Quadrants(2, 2));
    drawing.AddFile("C:\\Meter\\blue.bmp", EncodeBmp24(PixelImage(3, 3, 0xFF0000)));
    drawing.AddFile("D:\\pics\\text.bmp", "not a picture");
    auto graph = MakeGraph("C:\\Meter\\");
    PixelSurface surface(10, 10);
    graph->SetPicture(&surface);
    graph->SetShowGrid(false);
    graph->SetShowNum(false);
    auto topLeft = [&] {
        graph->DrawGraph(false, true);
        return surface.Pixel(0, 0);
    };

    graph->SetBackgroundPicture("res:clouds");
    EXPECT_EQ(topLeft(), 0x000010u) << "resource names ignore case";
    graph->SetBackgroundPicture("res:Nothing");
    EXPECT_EQ(graph->BackgroundPicture(), "res:Nothing");
    EXPECT_EQ(topLeft(), 0x000010u) << "a failed load keeps the previous picture";
    graph->SetBackgroundPicture("abc");
    EXPECT_EQ(graph->BackgroundPicture(), "abc");
    EXPECT_EQ(topLeft(), 0x000010u) << "short texts load nothing";
    graph->SetBackgroundPicture("blue.bmp");
    EXPECT_EQ(topLeft(), 0xFF0000u) << "found in the picture folder";
    graph->SetBackgroundPicture("D:\\pics\\text.bmp");
    graph->SetBackgroundPicture("D:\\pics\\missing.bmp");
    EXPECT_EQ(topLeft(), 0xFF0000u);
    graph->SetBackgroundPicture("");
    EXPECT_EQ(topLeft(), kBack);

    EXPECT_EQ(LogMessages(),
              (std::vector<std::string>{
                  "cGraph_Initialize", "cGraph_BackgrounPicture: LoadResPicture 0,res:clouds",
                  "cGraph_BackgrounPicture: LoadResPicture 326,res:Nothing",
                  "cGraph_BackgrounPicture: LoadPicture 0,blue.bmp",
                  "cGraph_BackgrounPicture: LoadPicture 481,D:\\pics\\text.bmp",
                  "cGraph_BackgrounPicture: LoadPicture 53,D:\\pics\\missing.bmp"}));
}

}  // namespace
}  // namespace qn
