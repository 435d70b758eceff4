#pragma once
#include <cstdint>

namespace qn {

// A window handle carried through the portable interfaces; 0 means none.
using WindowHandle = std::uintptr_t;

}  // namespace qn
