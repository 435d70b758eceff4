#include "platform/win32/escaped_error.h"

#include <exception>

namespace qn::win32 {

namespace {

// The program has one window thread: one slot is enough.
std::exception_ptr& Kept() {
    static std::exception_ptr error;
    return error;
}

}  // namespace

void KeepEscapedError() {
    if (!Kept()) Kept() = std::current_exception();
}

void RethrowEscapedError() {
    std::exception_ptr error = Kept();
    Kept() = nullptr;
    if (error) std::rethrow_exception(error);
}

}  // namespace qn::win32
