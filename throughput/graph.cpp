#include "throughput/graph.h"

#include <cmath>
#include <limits>

#include "throughput/graph_background.h"
#include "throughput/graph_style.h"

namespace qn {
namespace {

constexpr double kAutoScaleHeadroom = 1.05;

}  // namespace

cGraph::cGraph(DrawingSystem& drawing, mLogging& log, const Clock& clock, std::string pictureFolder)
    : drawing_(drawing), log_(log), clock_(clock), pictureFolder_(std::move(pictureFolder)) {
    log_.WriteLog("cGraph_Initialize");
}

cGraph::~cGraph() {
    log_.WriteLog("cGraph_Terminate");
}

void cGraph::SetStyle(std::int32_t style) {
    style_ = style;
    const auto look = GraphStyleFor(style);
    if (!look) return;
    NumColor = look->numColor;
    BackColor = look->backColor;
    SendColor = look->sendColor;
    RecvColor = look->recvColor;
    BothColor = look->bothColor;
    ChartColor = look->chartColor;
    FillUnderGraph = look->fillUnderGraph;
    SetBackgroundPicture(look->backgroundPicture);
    StretchBackground = look->stretchBackground;
}

std::int32_t cGraph::ScaleValue() const {
    constexpr double kLowest = std::numeric_limits<std::int32_t>::min();
    constexpr double kHighest = std::numeric_limits<std::int32_t>::max();
    const double whole = std::nearbyint(scale_);  // half-to-even
    if (std::isnan(whole)) return 0;
    if (whole <= kLowest) return std::numeric_limits<std::int32_t>::min();
    if (whole >= kHighest) return std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(whole);
}

void cGraph::SetBackgroundPicture(const std::string& text) {
    background_ = LoadGraphBackground(drawing_, log_, pictureFolder_, text, background_);
    backgroundPicture_ = text;
}

void cGraph::SetHistory(std::int32_t samples) {
    history_ = samples;
    TrimHistories();
}

void cGraph::TrimHistories() {
    const std::size_t keep = history_ < 0 ? 0 : static_cast<std::size_t>(history_);
    while (in_.Count() > keep) in_.Pop();
    while (out_.Count() > keep) out_.Pop();
}

void cGraph::AddData(std::int32_t lIn, std::int32_t lOut) {
    lastIn_ = lIn;
    lastOut_ = lOut;
    in_.Add(lIn);
    out_.Add(lOut);
    TrimHistories();
    if (!autoScale_) return;
    if (lIn > scale_) scale_ = lIn * kAutoScaleHeadroom;
    if (lOut > scale_) scale_ = lOut * kAutoScaleHeadroom;
}

}  // namespace qn
