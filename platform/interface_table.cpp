#include "platform/interface_table.h"

#include <algorithm>
#include <cstring>

namespace qn {

namespace {

// Offsets inside one MIB_IFROW (a 256-character wide name comes first).
constexpr std::size_t kIndexOffset = 512;
constexpr std::size_t kTypeOffset = 516;
constexpr std::size_t kSpeedOffset = 524;
constexpr std::size_t kOperStatusOffset = 544;
constexpr std::size_t kInOctetsOffset = 552;
constexpr std::size_t kOutOctetsOffset = 576;
constexpr std::size_t kDescrLenOffset = 600;
constexpr std::size_t kDescrOffset = 604;
constexpr std::size_t kDescrCapacity = 256;

std::uint32_t ReadU32(const unsigned char* at) {
    return std::uint32_t(at[0]) | std::uint32_t(at[1]) << 8 | std::uint32_t(at[2]) << 16 |
           std::uint32_t(at[3]) << 24;
}

void WriteU32(unsigned char* at, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) at[i] = static_cast<unsigned char>(value >> (8 * i));
}

InterfaceRow ParseRow(const unsigned char* row) {
    InterfaceRow parsed;
    parsed.index = ReadU32(row + kIndexOffset);
    parsed.type = ReadU32(row + kTypeOffset);
    parsed.speed = ReadU32(row + kSpeedOffset);
    parsed.operStatus = ReadU32(row + kOperStatusOffset);
    parsed.inOctets = ReadU32(row + kInOctetsOffset);
    parsed.outOctets = ReadU32(row + kOutOctetsOffset);
    // The length counts the terminating zero; a wrong length must not run past the field.
    const std::size_t length =
        std::min<std::size_t>(ReadU32(row + kDescrLenOffset), kDescrCapacity);
    const char* text = reinterpret_cast<const char*>(row + kDescrOffset);
    parsed.description.assign(text, strnlen(text, length));
    return parsed;
}

}  // namespace

std::vector<InterfaceRow> ParseInterfaceTable(const unsigned char* buffer, std::size_t size) {
    std::vector<InterfaceRow> rows;
    if (buffer == nullptr || size < kIfTableHeaderSize) return rows;
    const std::size_t fitting = (size - kIfTableHeaderSize) / kIfRowSize;
    const std::size_t count = std::min<std::size_t>(ReadU32(buffer), fitting);
    for (std::size_t i = 0; i < count; ++i) {
        rows.push_back(ParseRow(buffer + kIfTableHeaderSize + i * kIfRowSize));
    }
    return rows;
}

std::vector<unsigned char> BuildInterfaceTable(const std::vector<InterfaceRow>& rows) {
    std::vector<unsigned char> buffer(IfTableBufferSize(static_cast<std::uint32_t>(rows.size())));
    WriteU32(buffer.data(), static_cast<std::uint32_t>(rows.size()));
    for (std::size_t i = 0; i < rows.size(); ++i) {
        unsigned char* row = buffer.data() + kIfTableHeaderSize + i * kIfRowSize;
        WriteU32(row + kIndexOffset, rows[i].index);
        WriteU32(row + kTypeOffset, rows[i].type);
        WriteU32(row + kSpeedOffset, rows[i].speed);
        WriteU32(row + kOperStatusOffset, rows[i].operStatus);
        WriteU32(row + kInOctetsOffset, rows[i].inOctets);
        WriteU32(row + kOutOctetsOffset, rows[i].outOctets);
        const std::size_t length = std::min(rows[i].description.size(), kDescrCapacity - 1);
        std::memcpy(row + kDescrOffset, rows[i].description.data(), length);
        WriteU32(row + kDescrLenOffset, static_cast<std::uint32_t>(length + 1));
    }
    return buffer;
}

}  // namespace qn
