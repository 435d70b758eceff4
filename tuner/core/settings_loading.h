#pragma once
// The rules that turn freshly read settings into what the main window shows.
#include <cstdint>
#include <string>
#include <vector>

#include "tuner/core/tcpip_settings.h"

namespace qn {

// The RWIN calculator's adapter: the stored index when it names an adapter,
// else the first.
std::int16_t ChooseRwinCalc(int stored, int adapterCount);

// RWIN as a whole multiple of the calculator adapter's MSS, else 1.0. An MTU
// of 40 or less has no MSS to divide by, so it gives 1.0 too.
double RwinMultiplierFor(const TcpipSettings& settings);

// The adapters the lists offer: every valid one, in index order.
std::vector<int> ListedAdapters(const TcpipSettings& settings);

// "Invalid Adapters:" and one " * label" line per invalid adapter; empty when
// there are no adapters at all.
std::string InvalidAdaptersText(const TcpipSettings& settings);

}  // namespace qn
