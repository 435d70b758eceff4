#pragma once
// cGraph: the scrolling In/Out throughput chart both programs show.
#include <cstdint>
#include <memory>
#include <string>

#include "platform/clock.h"
#include "platform/drawing_surface.h"
#include "throughput/logging.h"
#include "throughput/queue.h"

namespace qn {

class cGraph {
  public:
    // pictureFolder: "" when background paths are used as given, otherwise a
    // folder ending in "\" that prefixes paths without a "\".
    cGraph(DrawingSystem& drawing, mLogging& log, const Clock& clock, std::string pictureFolder);
    ~cGraph();
    cGraph(const cGraph&) = delete;
    cGraph& operator=(const cGraph&) = delete;

    // Colours are 0x00BBGGRR.
    Colour NumColor = 0x000000;    // the current-values line
    Colour BackColor = 0xFFFFFF;   // the surface
    Colour SendColor = 0xFF0000;   // the Out series
    Colour RecvColor = 0x0000FF;   // the In series
    Colour BothColor = 0x00FF00;   // filled mode: where both series cover a column
    Colour ChartColor = 0xB0B0B0;  // grid lines, their labels, the separator line
    bool FillUnderGraph = true;    // filled columns rather than connected lines
    bool StretchBackground = false;
    bool IgnoreBack = false;      // background neither painted nor cleared
    std::uint32_t LastBench = 0;  // ms the last background rendering took

    // Colours, fill mode and background of one of the looks 0..3; other
    // values are only stored.
    std::int32_t Style() const { return style_; }
    void SetStyle(std::int32_t style);
    // A 16-pixel strip under the chart for the current values.
    bool ShowNum() const { return showNum_; }
    void SetShowNum(bool show) { showNum_ = show; }
    bool ShowGrid() const { return showGrid_; }
    void SetShowGrid(bool show) { showGrid_ = show; }
    // The scale only grows, to 5% above a sample beyond it.
    bool AutoScale() const { return autoScale_; }
    void SetAutoScale(bool on) { autoScale_ = on; }
    // Bytes per second at full chart height. The whole-number form rounds
    // half-to-even and saturates at the 32-bit limits.
    std::int32_t ScaleValue() const;
    void SetScaleValue(std::int32_t bytesPerSecond) { scale_ = bytesPerSecond; }
    double ScaleValueExact() const { return scale_; }
    // Nothing is drawn while no surface is set. The surface must outlive its use here.
    void SetPicture(DrawingSurface* surface) { surface_ = surface; }
    // "" for none, "res:" + name for a bitmap resource, otherwise a file.
    const std::string& BackgroundPicture() const { return backgroundPicture_; }
    void SetBackgroundPicture(const std::string& text);
    // Samples kept per series; a negative value keeps none.
    std::int32_t History() const { return history_; }
    void SetHistory(std::int32_t samples);
    std::int32_t CurHistorySize() const { return static_cast<std::int32_t>(in_.Count()); }

    void AddData(std::int32_t lIn, std::int32_t lOut);
    void DrawGraph(const bool& drawData, const bool& refreshBackground);

    // Both series, oldest first.
    const cQueue<std::int32_t>& InHistory() const { return in_; }
    const cQueue<std::int32_t>& OutHistory() const { return out_; }

  private:
    void TrimHistories();
    void RenderBackground(DrawingSurface& surface, bool refresh);
    int DrawCurrentValues(DrawingSurface& surface, bool drawData);
    void DrawSamples(DrawingSurface& surface, int chartHeight);
    void DrawGrid(DrawingSurface& surface, int chartHeight);

    DrawingSystem& drawing_;
    mLogging& log_;
    const Clock& clock_;
    std::string pictureFolder_;

    std::int32_t style_ = 0;
    bool showNum_ = true;
    bool showGrid_ = true;
    bool autoScale_ = false;
    double scale_ = 1.0;
    DrawingSurface* surface_ = nullptr;
    std::string backgroundPicture_;
    std::int32_t history_ = 1000;

    cQueue<std::int32_t> in_;
    cQueue<std::int32_t> out_;
    std::int32_t lastIn_ = 0;
    std::int32_t lastOut_ = 0;
    std::shared_ptr<SurfaceImage> background_;
    // Surface size at which the background was last rendered; 0 x 0 while
    // none is kept.
    int renderedWidth_ = 0;
    int renderedHeight_ = 0;
};

}  // namespace qn
