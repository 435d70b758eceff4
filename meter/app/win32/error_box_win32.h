#pragma once
// What the meter shows of an error that reached its message loop.
#include <exception>

namespace qn::meter::win32 {

// A plain box with the program's title and the error's text. A quit already
// posted (the error came while the program was ending) waits until the box
// is answered.
void ShowRaisedError(const std::exception& error);

}  // namespace qn::meter::win32
