// cGraph::DrawGraph: one frame of the chart.
#include <algorithm>
#include <cmath>

#include "throughput/benchmark.h"
#include "throughput/graph.h"
#include "throughput/graph_labels.h"
#include "throughput/tile_picture.h"

namespace qn {
namespace {

constexpr int kValuesStripHeight = 16;
constexpr int kMinHeightForLabels = 51;
constexpr int kMinHeightForQuarterLines = 121;
// Coordinates stay within 16 bits, as old Windows' GDI requires; a sample far
// above the scale still draws a full-height column.
constexpr double kCoordinateLimit = 32767.0;

// Whole pixels from chart arithmetic, rounding half-to-even.
int ToPixel(double value) {
    if (std::isnan(value)) return 0;
    return static_cast<int>(std::nearbyint(std::clamp(value, -kCoordinateLimit, kCoordinateLimit)));
}

}  // namespace

void cGraph::DrawGraph(const bool& drawData, const bool& refreshBackground) {
    if (!surface_) return;
    DrawingSurface& surface = *surface_;
    surface.Hide();
    surface.SetBackColor(BackColor);
    surface.Clear();
    surface.SetPenStyle(PenStyle::Solid);
    if (!IgnoreBack) RenderBackground(surface, refreshBackground);

    const int width = surface.WidthPixels();
    const int chartHeight = DrawCurrentValues(surface, drawData);
    surface.SetPenColor(ChartColor);
    surface.Line(0, chartHeight + 1, width, chartHeight + 1);
    if (drawData) DrawSamples(surface, chartHeight);
    if (showGrid_) DrawGrid(surface, chartHeight);
    surface.Show();
}

void cGraph::RenderBackground(DrawingSurface& surface, bool refresh) {
    if (!background_) {
        // Without this the dropped picture would show until the next Clear.
        if (renderedWidth_ != 0 || renderedHeight_ != 0) {
            surface.ClearKeptBackground();
            surface.Clear();
        }
        renderedWidth_ = renderedHeight_ = 0;
        return;
    }
    const int width = surface.WidthPixels();
    const int height = surface.HeightPixels();
    // A surface drops its kept background when it changes size, even when it
    // comes back to the size last rendered.
    const bool kept =
        surface.HasKeptBackground() && width == renderedWidth_ && height == renderedHeight_;
    if (!refresh && kept) return;
    mBenchmark bench(clock_);
    bench.StartBenchmark();
    if (StretchBackground)
        mTilePicture::StretchPicture(surface, *background_);
    else
        mTilePicture::TilePicture(surface, *background_);
    surface.KeepAsBackground();
    LastBench = bench.ElapsedMs();
    renderedWidth_ = width;
    renderedHeight_ = height;
}

// Returns the chart's height: the surface less the values strip when shown.
int cGraph::DrawCurrentValues(DrawingSurface& surface, bool drawData) {
    const int height = surface.HeightPixels();
    if (!showNum_) return height;
    const int chartHeight = height - kValuesStripHeight;
    surface.SetPenColor(NumColor);
    if (drawData) {
        const std::string text = CurrentValuesText(lastIn_, lastOut_);
        const int x = ToPixel((surface.WidthPixels() - surface.TextWidth(text)) / 2.0);
        const int y =
            ToPixel(chartHeight + (height - chartHeight - surface.TextHeight(text)) / 2.0);
        surface.PrintText(x, y, text);
    }
    return chartHeight;
}

void cGraph::DrawSamples(DrawingSurface& surface, int chartHeight) {
    const int width = surface.WidthPixels();
    const auto& ins = in_.Contents();
    const auto& outs = out_.Contents();
    const std::size_t count = std::min(ins.size(), outs.size());
    const double scale = scale_;
    int previousIn = 0;
    int previousOut = 0;
    for (int x = 1; x <= width && static_cast<std::size_t>(x) <= count; ++x) {
        const int px = width - x;
        const std::size_t index = count - static_cast<std::size_t>(x);
        const double inHeight = ins[index] / scale * chartHeight;
        const double outHeight = outs[index] / scale * chartHeight;
        if (FillUnderGraph) {
            surface.SetPenColor(RecvColor);
            if (inHeight > 0) surface.Line(px, chartHeight, px, ToPixel(chartHeight - inHeight));
            surface.SetPenColor(SendColor);
            if (outHeight > 0) surface.Line(px, chartHeight, px, ToPixel(chartHeight - outHeight));
            const double both = std::min(inHeight, outHeight);
            surface.SetPenColor(BothColor);
            if (both > 0) surface.Line(px, chartHeight, px, ToPixel(chartHeight - both));
            continue;
        }
        surface.SetPenColor(RecvColor);
        if (x == 1)
            surface.SetPixel(px, ToPixel(chartHeight - inHeight));
        else
            surface.Line(px + 1, chartHeight - previousIn, px, ToPixel(chartHeight - inHeight));
        previousIn = ToPixel(inHeight);
        surface.SetPenColor(SendColor);
        if (x == 1)
            surface.SetPixel(px, ToPixel(chartHeight - outHeight));
        else
            surface.Line(px + 1, chartHeight - previousOut, px, ToPixel(chartHeight - outHeight));
        previousOut = ToPixel(outHeight);
    }
}

void cGraph::DrawGrid(DrawingSurface& surface, int chartHeight) {
    const int width = surface.WidthPixels();
    const int height = surface.HeightPixels();
    const double half = chartHeight / 2.0;
    surface.SetPenColor(ChartColor);
    surface.SetPenStyle(PenStyle::Dash);
    surface.Line(0, ToPixel(half), width, ToPixel(half));
    if (height >= kMinHeightForLabels) {
        surface.PrintText(1, ToPixel(half + 1), GridLabel(scale_ / 2, LabelDigits::AsIs));
        surface.PrintText(1, 1, GridLabel(scale_, LabelDigits::AsIs));
    }
    surface.SetPenStyle(PenStyle::Dot);
    if (height < kMinHeightForQuarterLines) return;
    const double lowerQuarter = chartHeight / 4.0 * 3;
    const double upperQuarter = chartHeight / 4.0;
    surface.Line(0, ToPixel(lowerQuarter), width, ToPixel(lowerQuarter));
    surface.PrintText(1, ToPixel(lowerQuarter + 1), GridLabel(scale_ / 4, LabelDigits::Whole));
    surface.Line(0, ToPixel(upperQuarter), width, ToPixel(upperQuarter));
    surface.PrintText(1, ToPixel(upperQuarter + 1),
                      GridLabel(scale_ / 4 * 3, LabelDigits::OneDecimal));
}

}  // namespace qn
