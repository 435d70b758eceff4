#pragma once
// mNetStatus: the interfaces of the system's interface table, by name, and
// their byte counters. Every call reads the table afresh.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/interface_table.h"

namespace qn::mNetStatus {

// The buffer the table is first read into: room for 11 rows.
constexpr std::uint32_t kTableBufferSize = IfTableBufferSize(11);

std::uint32_t GetNumInterfaces(InterfaceTable& table);
// The names (descriptions) in table order; item 0 is the first row.
std::vector<std::string> EnumInterfaces(InterfaceTable& table);
// The counter of the first row named exactly so; the sum over all rows for the
// empty name (wrapping at 2^32); 0 when no row has the name.
std::uint32_t GetInOctets(InterfaceTable& table, const std::string& name);
std::uint32_t GetOutOctets(InterfaceTable& table, const std::string& name);
// The rows a name watches, from one reading: all for the empty name, else the
// first row of that name, else none.
std::vector<InterfaceRow> WatchedRows(InterfaceTable& table, const std::string& name);

}  // namespace qn::mNetStatus
