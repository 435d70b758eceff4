#pragma once
// The errors the shared timer and message-hook modules raise, numbered the way
// both programs report them.
#include <cstdint>
#include <stdexcept>
#include <string>

namespace qn {

struct RaisedError : std::runtime_error {
    RaisedError(std::int32_t number, std::string source, std::string description);
    std::int32_t number;  // 0x80040000 + code, as its signed 32-bit pattern
    std::string source;
    std::string description;
};

constexpr std::int32_t kErrCantSubclass = 13081;
constexpr std::int32_t kErrAlreadyHandled = 13082;
constexpr std::int32_t kErrInvalidWindow = 13083;
constexpr std::int32_t kErrExternalWindow = 13084;
constexpr std::int32_t kErrTooManyTimers = 13651;
constexpr std::int32_t kErrCantCreateTimer = 13652;

// The error for code: codes up to 1000 are the runtime's own and stay bare;
// others become 0x80040000 + code with "<programName>.WindowProc" as source.
// programName is the executable's name without ".exe".
RaisedError MakeRaisedError(std::int32_t code, const std::string& programName);
[[noreturn]] void ErrRaise(std::int32_t code, const std::string& programName);

}  // namespace qn
