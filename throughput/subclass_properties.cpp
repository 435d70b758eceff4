#include "throughput/subclass_properties.h"

namespace qn::subclass_properties {

namespace {

// Handles and message numbers are named by their low 32 bits read as a signed
// number, the same on 32- and 64-bit builds (window handles fit in 32 bits).
std::string SignedText(std::uint32_t bits) {
    const std::int64_t value =
        bits <= 0x7FFFFFFFu ? std::int64_t(bits) : std::int64_t(bits) - 0x100000000LL;
    return std::to_string(value);
}

std::string WindowText(WindowHandle window) {
    return SignedText(static_cast<std::uint32_t>(window & 0xFFFFFFFFu));
}

std::string MessagePrefix(WindowHandle window, std::uint32_t message) {
    return WindowText(window) + "#" + SignedText(message);
}

}  // namespace

std::string OldProcedure(WindowHandle window) {
    return WindowText(window);
}

std::string AttachmentCount(WindowHandle window) {
    return WindowText(window) + "C";
}

std::string HandlerCount(WindowHandle window, std::uint32_t message) {
    return MessagePrefix(window, message) + "C";
}

std::string Handler(WindowHandle window, std::uint32_t message, std::intptr_t index) {
    return MessagePrefix(window, message) + "#" + std::to_string(index);
}

}  // namespace qn::subclass_properties
