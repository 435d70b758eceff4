#include "throughput/raised_error.h"

namespace qn {

namespace {

std::string DescriptionOf(std::int32_t code) {
    switch (code) {
        case kErrCantSubclass:
            return "Can't subclass window";
        case kErrAlreadyHandled:
            return "Message already handled by another class";
        case kErrInvalidWindow:
            return "Invalid window";
        case kErrExternalWindow:
            return "Can't modify external window";
        case kErrTooManyTimers:
            return "No more than 10 timers allowed per class";
        case kErrCantCreateTimer:
            return "Can't create system timer";
        default:
            return "";
    }
}

// The signed 32-bit value of a bit pattern, without an implementation-defined cast.
std::int32_t AsSigned(std::uint32_t bits) {
    return bits <= 0x7FFFFFFFu ? static_cast<std::int32_t>(bits)
                               : -static_cast<std::int32_t>(~bits) - 1;
}

std::string MessageOf(std::int32_t number, const std::string& description) {
    return description.empty() ? "Error " + std::to_string(number) : description;
}

}  // namespace

RaisedError::RaisedError(std::int32_t number, std::string source, std::string description)
    : std::runtime_error(MessageOf(number, description)),
      number(number),
      source(std::move(source)),
      description(std::move(description)) {}

RaisedError MakeRaisedError(std::int32_t code, const std::string& programName) {
    if (code < 1001) return RaisedError(code, "", "");
    const std::uint32_t number = 0x80040000u + static_cast<std::uint32_t>(code);
    return RaisedError(AsSigned(number), programName + ".WindowProc", DescriptionOf(code));
}

void ErrRaise(std::int32_t code, const std::string& programName) {
    throw MakeRaisedError(code, programName);
}

}  // namespace qn
