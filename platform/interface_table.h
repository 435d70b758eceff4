#pragma once
// The system's network interface table (IP Helper's GetIfTable) and the
// layout of the buffer it fills.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace qn {

constexpr std::uint32_t kIfRowSize = 860;  // one MIB_IFROW
constexpr std::uint32_t kIfTableHeaderSize = 4;
constexpr std::uint32_t kInterfaceTableUnavailable = 120;  // ERROR_CALL_NOT_IMPLEMENTED
constexpr std::uint32_t kInsufficientBuffer = 122;         // ERROR_INSUFFICIENT_BUFFER

constexpr std::uint32_t IfTableBufferSize(std::uint32_t rows) {
    return kIfTableHeaderSize + rows * kIfRowSize;
}

struct InterfaceRow {
    std::uint32_t index = 0;
    std::string description;
    std::uint32_t type = 0;
    std::uint32_t speed = 0;
    std::uint32_t operStatus = 0;
    std::uint32_t inOctets = 0;  // wrap to 0 after 2^32 - 1
    std::uint32_t outOctets = 0;
};

struct InterfaceTableRead {
    std::uint32_t error = 0;         // 0, kInsufficientBuffer, kInterfaceTableUnavailable, ...
    std::uint32_t requiredSize = 0;  // set with kInsufficientBuffer
    std::vector<InterfaceRow> rows;
};

class InterfaceTable {
  public:
    virtual ~InterfaceTable() = default;
    virtual bool Available() const = 0;
    // Reads as GetIfTable would into a buffer of bufferSize bytes, unsorted.
    virtual InterfaceTableRead Read(std::uint32_t bufferSize) = 0;
};

// Rows of a filled MIB_IFTABLE buffer; never reads past size bytes.
std::vector<InterfaceRow> ParseInterfaceTable(const unsigned char* buffer, std::size_t size);
// The inverse, for fakes and tests.
std::vector<unsigned char> BuildInterfaceTable(const std::vector<InterfaceRow>& rows);

}  // namespace qn
