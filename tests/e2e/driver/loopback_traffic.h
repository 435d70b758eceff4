#pragma once
// Loopback traffic for tests of the interface counters and of what shows
// them: datagrams to the discard port of 127.0.0.1, so that the loopback
// interface's counters grow. Winsock is started and ended here.
#include <cstddef>

namespace qn::e2e {

// Sends bytes in 1000-byte datagrams; false when no socket opened.
bool SendLoopbackTraffic(std::size_t bytes);

// Keeps traffic flowing for about milliseconds: a burst every 100 ms, of
// 20 to 140 kB in turn, so that a graph shows peaks and valleys.
bool KeepLoopbackTrafficFlowing(unsigned milliseconds);

}  // namespace qn::e2e
