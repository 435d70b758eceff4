#pragma once
// The chart's looks chosen by number (cGraph::Style).
#include <cstdint>
#include <optional>
#include <string>

#include "platform/drawing_surface.h"

namespace qn {

struct GraphStyle {
    Colour numColor;
    Colour backColor;
    Colour sendColor;
    Colour recvColor;
    Colour bothColor;
    Colour chartColor;
    bool fillUnderGraph;
    const char* backgroundPicture;
    bool stretchBackground;
};

// Nothing for a number that names no look.
std::optional<GraphStyle> GraphStyleFor(std::int32_t style);

}  // namespace qn
