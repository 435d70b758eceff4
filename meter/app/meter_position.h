#pragma once
// Where the meter window stands: kept in the Position section in twips, placed
// on the screen in pixels.
#include <cstdint>

#include "meter/app/meter_settings.h"
#include "platform/window_frame.h"

namespace qn::meter {

// The settings section of the window's rectangle and frame.
inline constexpr char kPositionSection[] = "Position";

struct TwipsPerPixel {
    std::int32_t x = 15;
    std::int32_t y = 15;
};

// The stored outer rectangle in pixels. Values that do not read take the
// defaults (3000 x 1200 twips at 100, 100). So that a damaged entry cannot
// lose the window: a side too small to grab takes its default, and a window
// lying wholly off the desktop goes back to the default corner.
FrameRect RestoredMeterRect(MeterSettings& settings, TwipsPerPixel scale, const FrameRect& desktop);

// The outer rectangle, in twips.
void SaveMeterRect(MeterSettings& settings, const FrameRect& rect, TwipsPerPixel scale);

}  // namespace qn::meter
