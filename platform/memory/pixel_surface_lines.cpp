#include "platform/memory/pixel_surface_lines.h"

#include <cstdlib>

namespace qn {
namespace {

// Octants numbered 1..8 counter-clockwise from +x (y grows downwards), as
// GDI numbers them; ties on the major axis step go one way in octants 3, 5,
// 6 and 8 and the other way elsewhere.
int Octant(int dx, int dy) {
    if (dy > 0) {
        if (dx > 0) return dx > dy ? 1 : 2;
        return -dx > dy ? 4 : 3;
    }
    if (dx < 0) return -dx > -dy ? 5 : 6;
    return dx > -dy ? 8 : 7;
}

int Bias(int dx, int dy) {
    const int octant = Octant(dx, dy);
    return (octant == 3 || octant == 5 || octant == 6 || octant == 8) ? 1 : 0;
}

// On and off lengths of the cosmetic patterns, in pixels.
struct DashPattern {
    int on;
    int off;
};

bool PatternPixelOn(PenStyle style, int step) {
    DashPattern pattern{1, 0};
    if (style == PenStyle::Dash) pattern = {18, 6};
    if (style == PenStyle::Dot) pattern = {3, 3};
    if (pattern.off == 0) return true;
    return step % (pattern.on + pattern.off) < pattern.on;
}

}  // namespace

void RasteriseLine(int x1, int y1, int x2, int y2, PenStyle style,
                   const std::function<void(int, int)>& plot) {
    const int dx = x2 - x1;
    const int dy = y2 - y1;
    const int absDx = std::abs(dx);
    const int absDy = std::abs(dy);
    const int xStep = dx < 0 ? -1 : 1;
    const int yStep = dy < 0 ? -1 : 1;
    const int bias = Bias(dx, dy);
    const bool xMajor = absDx >= absDy;
    const int major = xMajor ? absDx : absDy;
    const int minor = xMajor ? absDy : absDx;
    int error = 2 * minor - major;
    int x = x1;
    int y = y1;
    for (int step = 0; step < major; ++step) {
        if (PatternPixelOn(style, step)) plot(x, y);
        if (error + bias > 0) {
            if (xMajor)
                y += yStep;
            else
                x += xStep;
            error += 2 * minor - 2 * major;
        } else {
            error += 2 * minor;
        }
        if (xMajor)
            x += xStep;
        else
            y += yStep;
    }
}

}  // namespace qn
