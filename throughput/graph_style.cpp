#include "throughput/graph_style.h"

#include <iterator>

namespace qn {
namespace {

// clang-format off
constexpr GraphStyle kStyles[] = {
    // numbers   back      Out       In        both      chart     filled background    stretched
    {0x000000, 0xFFFFFF, 0xFF0000, 0x0000FF, 0x00FF00, 0xB0B0B0, true,  "",           false},
    {0x00FF00, 0x000000, 0xFF7777, 0x0000FF, 0x00FF00, 0x006000, false, "",           false},
    {0xFF0000, 0xFFFFFF, 0xFF0000, 0x0000FF, 0x00FF00, 0x800000, false, "res:Clouds", true},
    {0x000000, 0xFFFFFF, 0xFF0000, 0x0000FF, 0xFFFFFF, 0x808080, false, "res:River",  true},
};
// clang-format on

}  // namespace

std::optional<GraphStyle> GraphStyleFor(std::int32_t style) {
    if (style < 0 || style >= static_cast<std::int32_t>(std::size(kStyles))) return std::nullopt;
    return kStyles[style];
}

}  // namespace qn
