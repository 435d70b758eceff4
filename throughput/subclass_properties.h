#pragma once
// The names of the window properties in which the message hooks keep their
// bookkeeping, so that it lives with the window it is about.
#include <cstdint>
#include <string>

#include "platform/window_handle.h"

namespace qn::subclass_properties {

// The procedure the window had before it was hooked: "<window>".
std::string OldProcedure(WindowHandle window);
// How many handlers the window has for all messages together: "<window>C".
std::string AttachmentCount(WindowHandle window);
// How many handlers the message has: "<window>#<message>C".
std::string HandlerCount(WindowHandle window, std::uint32_t message);
// The index-th handler (from 1) of the message: "<window>#<message>#<index>".
std::string Handler(WindowHandle window, std::uint32_t message, std::intptr_t index);

}  // namespace qn::subclass_properties
