#pragma once
// Rows of the interface table, for tests.
#include <cstdint>
#include <string>

#include "platform/interface_table.h"

namespace qn {

inline InterfaceRow InterfaceRowOf(const std::string& description, std::uint32_t inOctets,
                                   std::uint32_t outOctets) {
    InterfaceRow row;
    row.description = description;
    row.inOctets = inOctets;
    row.outOctets = outOctets;
    return row;
}

}  // namespace qn
