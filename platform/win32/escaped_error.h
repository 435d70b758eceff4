#pragma once
// C++ exceptions cannot unwind through the system's frames. A callback that
// the system calls (a window procedure, a timer procedure) keeps what it
// raised here, and our message loop raises it again after dispatching.

namespace qn::win32 {

// Call inside catch (...): keeps the first error until it is raised again.
void KeepEscapedError();
// Raises the kept error, once; does nothing when none is kept.
void RethrowEscapedError();

}  // namespace qn::win32
