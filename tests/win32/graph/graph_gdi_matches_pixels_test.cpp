// The GDI surface and the pixel surface of the native tests must draw the
// same chart, so that what native tests check holds on screen.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <sstream>

#include "platform/memory/bmp_codec.h"
#include "platform/memory/manual_clock.h"
#include "platform/memory/memory_drawing.h"
#include "platform/memory/memory_file_system.h"
#include "platform/memory/memory_local_time.h"
#include "platform/win32/drawing_win32.h"
#include "platform/win32/win32_services.h"
#include "tests/win32/graph/frame_pixels.h"
#include "throughput/graph.h"

namespace qn::win32 {
namespace {

std::string ReadSourceFile(const std::string& relative) {
    std::ifstream in(std::string(QN_SOURCE_DIR) + "/" + relative, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

struct Look {
    const char* name;
    int width;
    int height;
    std::int32_t style;
    bool filled;
    std::int32_t scale;
    bool tiledClouds;
};

// Names the look in test output rather than dumping its bytes.
void PrintTo(const Look& look, std::ostream* out) {
    *out << look.name;
}

// Samples that rise above the scale, drop to nothing and go negative.
void AddSamples(cGraph& graph, int count) {
    std::uint32_t seed = 12345;
    for (int i = 0; i < count; ++i) {
        seed = seed * 1103515245u + 12345u;
        const auto in = static_cast<std::int32_t>((seed >> 8) % 7000) - 300;
        const auto out = static_cast<std::int32_t>((seed >> 4) % 3000) * (i % 9 == 0 ? 0 : 1);
        graph.AddData(in, out);
    }
}

struct Drawn {
    std::vector<Colour> pixels;
    std::vector<PrintedText> texts;
};

class GraphGdiMatchesPixelsTest : public ::testing::TestWithParam<Look> {
  protected:
    void Configure(cGraph& graph, DrawingSurface& surface) {
        const Look& look = GetParam();
        graph.SetStyle(look.style);
        graph.FillUnderGraph = look.filled;
        graph.SetScaleValue(look.scale);
        if (look.tiledClouds) {
            graph.SetBackgroundPicture("res:clouds");
            graph.StretchBackground = false;
        }
        graph.SetPicture(&surface);
        AddSamples(graph, 700);
        graph.DrawGraph(true, true);
    }

    MemoryFileSystem files;
    MemoryLocalTime localTime;
    mLogging log{files, localTime};
    ManualClock clock;
};

TEST_P(GraphGdiMatchesPixelsTest, SamePixelsOutsideTheText) {
    const Look& look = GetParam();
    auto system = MakeWin32DrawingSystem();
    GdiSurface gdi(nullptr, look.width, look.height);
    cGraph onGdi(*system, log, clock, "");
    Configure(onGdi, gdi);
    const auto gdiPixels = ReadPixels(gdi.FrameDc(), look.width, look.height);

    MemoryDrawingSystem memory;
    auto clouds = DecodeBmp(ReadSourceFile("resources/clouds.bmp"));
    ASSERT_TRUE(clouds);
    memory.AddResource("CLOUDS", clouds);
    PixelSurface pixels(look.width, look.height);
    pixels.SetTextMeasure([&gdi](const std::string& text) {
        return std::make_pair(gdi.TextWidth(text), gdi.TextHeight(text));
    });
    cGraph onPixels(memory, log, clock, "");
    Configure(onPixels, pixels);

    std::vector<bool> isText(gdiPixels.size(), false);
    for (const PrintedText& text : pixels.Texts()) {
        const int right = text.x + gdi.TextWidth(text.text);
        const int bottom = text.y + gdi.TextHeight(text.text);
        for (int y = std::max(text.y, 0); y < std::min(bottom, look.height); ++y)
            for (int x = std::max(text.x, 0); x < std::min(right, look.width); ++x)
                isText[static_cast<std::size_t>(y) * look.width + x] = true;
    }
    ASSERT_GE(pixels.Texts().size(), 5u) << "labels and current values";

    int differing = 0;
    std::ostringstream first;
    for (int y = 0; y < look.height; ++y) {
        for (int x = 0; x < look.width; ++x) {
            const std::size_t at = static_cast<std::size_t>(y) * look.width + x;
            if (isText[at] || gdiPixels[at] == pixels.Pixel(x, y)) continue;
            if (++differing <= 10)
                first << " (" << x << "," << y << ") gdi " << std::hex << gdiPixels[at]
                      << " pixels " << pixels.Pixel(x, y) << std::dec;
        }
    }
    EXPECT_EQ(differing, 0) << first.str();
}

INSTANTIATE_TEST_SUITE_P(
    Looks, GraphGdiMatchesPixelsTest,
    ::testing::Values(Look{"FilledWhite", 300, 200, 0, true, 5000, false},
                      Look{"LinesOverTheTop", 300, 200, 0, false, 3000, false},
                      Look{"FilledOnTiledClouds", 257, 131, 0, true, 6000, true},
                      Look{"LinesDarkWide", 640, 480, 1, false, 8000, false}),
    [](const ::testing::TestParamInfo<Look>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace qn::win32
