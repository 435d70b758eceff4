#include "meter/app/meter_position.h"

#include <algorithm>
#include <string>

#include "support/rounding.h"

namespace qn::meter {

namespace {

constexpr std::int32_t kDefaultWidth = 3000;
constexpr std::int32_t kDefaultHeight = 1200;
constexpr std::int32_t kDefaultTop = 100;
constexpr std::int32_t kDefaultLeft = 100;
// Below this a side can hardly be seen or grabbed.
constexpr std::int32_t kMinimumSidePixels = 16;

std::int32_t ReadTwips(MeterSettings& settings, const char* name, std::int32_t fallback) {
    return ParseWhole(settings.Get(kPositionSection, name, std::to_string(fallback)))
        .value_or(fallback);
}

std::int32_t ToPixels(std::int32_t twips, std::int32_t twipsPerPixel) {
    return static_cast<std::int32_t>(
        RoundHalfEven(static_cast<double>(twips) / std::max(1, twipsPerPixel)));
}

std::int32_t ReadSide(MeterSettings& settings, const char* name, std::int32_t fallback,
                      std::int32_t twipsPerPixel) {
    const std::int32_t pixels = ToPixels(ReadTwips(settings, name, fallback), twipsPerPixel);
    return pixels < kMinimumSidePixels ? ToPixels(fallback, twipsPerPixel) : pixels;
}

bool Overlaps(const FrameRect& a, const FrameRect& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

void SaveTwips(MeterSettings& settings, const char* name, std::int32_t pixels,
               std::int32_t twipsPerPixel) {
    settings.Save(kPositionSection, name,
                  std::to_string(static_cast<std::int64_t>(pixels) * twipsPerPixel));
}

}  // namespace

FrameRect RestoredMeterRect(MeterSettings& settings, TwipsPerPixel scale,
                            const FrameRect& desktop) {
    const std::int32_t width = ReadSide(settings, "Width", kDefaultWidth, scale.x);
    const std::int32_t height = ReadSide(settings, "Height", kDefaultHeight, scale.y);
    const std::int32_t top = ToPixels(ReadTwips(settings, "Top", kDefaultTop), scale.y);
    const std::int32_t left = ToPixels(ReadTwips(settings, "Left", kDefaultLeft), scale.x);
    const FrameRect stored{left, top, left + width, top + height};
    if (Overlaps(stored, desktop)) return stored;
    const std::int32_t homeLeft = ToPixels(kDefaultLeft, scale.x);
    const std::int32_t homeTop = ToPixels(kDefaultTop, scale.y);
    return FrameRect{homeLeft, homeTop, homeLeft + width, homeTop + height};
}

void SaveMeterRect(MeterSettings& settings, const FrameRect& rect, TwipsPerPixel scale) {
    SaveTwips(settings, "Width", rect.Width(), scale.x);
    SaveTwips(settings, "Height", rect.Height(), scale.y);
    SaveTwips(settings, "Top", rect.top, scale.y);
    SaveTwips(settings, "Left", rect.left, scale.x);
}

}  // namespace qn::meter
