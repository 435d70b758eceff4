#include "platform/memory/memory_interface_table.h"

namespace qn {

InterfaceTableRead MemoryInterfaceTable::Read(std::uint32_t bufferSize) {
    InterfaceTableRead read;
    if (!available) {
        read.error = kInterfaceTableUnavailable;
        return read;
    }
    const std::uint32_t needed = IfTableBufferSize(static_cast<std::uint32_t>(rows.size()));
    if (bufferSize < needed) {
        read.error = kInsufficientBuffer;
        read.requiredSize = needed;
        return read;
    }
    // Through the byte layout, so descriptions are cut as the system would cut them.
    const auto buffer = BuildInterfaceTable(rows);
    read.rows = ParseInterfaceTable(buffer.data(), buffer.size());
    return read;
}

}  // namespace qn
