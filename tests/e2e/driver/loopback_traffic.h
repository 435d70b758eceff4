#pragma once
#include <cstddef>

namespace qn::e2e {

// Sends bytes in 1000-byte datagrams to the discard port of 127.0.0.1, so
// that the loopback interface's counters grow; false when no socket opened.
bool SendLoopbackTraffic(std::size_t bytes);

}  // namespace qn::e2e
