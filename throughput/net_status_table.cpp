#include "throughput/net_status_table.h"

namespace qn::mNetStatus {

namespace {

// A system with more interfaces than the first buffer holds answers with the
// size it needs; reading again with that size keeps every interface in the
// sums instead of reporting none at all.
std::vector<InterfaceRow> ReadRows(InterfaceTable& table) {
    InterfaceTableRead read = table.Read(kTableBufferSize);
    if (read.error == kInsufficientBuffer && read.requiredSize > kTableBufferSize) {
        read = table.Read(read.requiredSize);
    }
    if (read.error != 0) return {};
    return read.rows;
}

template <typename Counter>
std::uint32_t Octets(InterfaceTable& table, const std::string& name, Counter counter) {
    std::uint32_t sum = 0;
    for (const InterfaceRow& row : ReadRows(table)) {
        if (name.empty()) {
            sum += counter(row);  // unsigned: wraps as the counters do
        } else if (row.description == name) {
            return counter(row);
        }
    }
    return sum;
}

}  // namespace

std::uint32_t GetNumInterfaces(InterfaceTable& table) {
    return static_cast<std::uint32_t>(ReadRows(table).size());
}

std::vector<std::string> EnumInterfaces(InterfaceTable& table) {
    std::vector<std::string> names;
    for (const InterfaceRow& row : ReadRows(table)) names.push_back(row.description);
    return names;
}

std::uint32_t GetInOctets(InterfaceTable& table, const std::string& name) {
    return Octets(table, name, [](const InterfaceRow& row) { return row.inOctets; });
}

std::uint32_t GetOutOctets(InterfaceTable& table, const std::string& name) {
    return Octets(table, name, [](const InterfaceRow& row) { return row.outOctets; });
}

std::vector<InterfaceRow> WatchedRows(InterfaceTable& table, const std::string& name) {
    std::vector<InterfaceRow> rows = ReadRows(table);
    if (name.empty()) return rows;
    for (InterfaceRow& row : rows) {
        if (row.description == name) return {std::move(row)};
    }
    return {};
}

}  // namespace qn::mNetStatus
