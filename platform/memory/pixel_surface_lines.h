#pragma once
// Which pixels a one-pixel cosmetic pen sets for a line, as GDI's DIB engine
// chooses them: Bresenham steps with GDI's tie-breaking, the end point left
// out, and dashes counted from the start of each line.
#include <functional>

#include "platform/drawing_surface.h"

namespace qn {

// Calls plot(x, y) for every pixel the pen sets, from (x1, y1) towards
// (x2, y2). Pixels outside the surface are passed too; the caller clips.
void RasteriseLine(int x1, int y1, int x2, int y2, PenStyle style,
                   const std::function<void(int, int)>& plot);

}  // namespace qn
