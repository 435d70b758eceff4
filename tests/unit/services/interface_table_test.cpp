#include "platform/interface_table.h"

#include <gtest/gtest.h>

#include "platform/memory/memory_interface_table.h"

namespace qn {
namespace {

InterfaceRow Row(std::uint32_t index, const std::string& name, std::uint32_t in,
                 std::uint32_t out) {
    InterfaceRow row;
    row.index = index;
    row.description = name;
    row.type = 24;
    row.operStatus = 5;
    row.inOctets = in;
    row.outOctets = out;
    return row;
}

TEST(InterfaceTableLayout, RoundTripsEveryField) {
    const auto buffer = BuildInterfaceTable({Row(1, "lo", 0xFFFFFFFFu, 7), Row(2, "eth0", 1, 2)});
    EXPECT_EQ(buffer.size(), 4u + 2 * 860);
    const auto rows = ParseInterfaceTable(buffer.data(), buffer.size());
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].description, "lo");
    EXPECT_EQ(rows[0].inOctets, 0xFFFFFFFFu);
    EXPECT_EQ(rows[0].outOctets, 7u);
    EXPECT_EQ(rows[0].type, 24u);
    EXPECT_EQ(rows[0].operStatus, 5u);
    EXPECT_EQ(rows[1].index, 2u);
    EXPECT_EQ(rows[1].description, "eth0");
}

TEST(InterfaceTableLayout, CountBeyondTheBufferIsCut) {
    auto buffer = BuildInterfaceTable({Row(1, "lo", 1, 1)});
    buffer[0] = 200;  // a count that claims more rows than the buffer holds
    EXPECT_EQ(ParseInterfaceTable(buffer.data(), buffer.size()).size(), 1u);
    EXPECT_TRUE(ParseInterfaceTable(buffer.data(), 3).empty());
    EXPECT_TRUE(ParseInterfaceTable(nullptr, 100).empty());
}

TEST(InterfaceTableLayout, DescriptionStaysInsideItsField) {
    auto buffer = BuildInterfaceTable({Row(1, std::string(300, 'x'), 0, 0)});
    const auto rows = ParseInterfaceTable(buffer.data(), buffer.size());
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].description.size(), 255u);
    // A length that overstates the text, without a terminating zero.
    buffer[4 + 600] = 0xFF;
    buffer[4 + 600 + 1] = 0xFF;
    for (int i = 0; i < 256; ++i) buffer[4 + 604 + i] = 'y';
    EXPECT_EQ(ParseInterfaceTable(buffer.data(), buffer.size())[0].description.size(), 256u);
}

TEST(MemoryInterfaceTable, ShortBufferReportsTheSizeNeeded) {
    MemoryInterfaceTable table;
    for (std::uint32_t i = 0; i < 12; ++i) table.rows.push_back(Row(i, "if", i, i));
    const auto shortRead = table.Read(IfTableBufferSize(11));
    EXPECT_EQ(shortRead.error, kInsufficientBuffer);
    EXPECT_EQ(shortRead.requiredSize, IfTableBufferSize(12));
    EXPECT_TRUE(shortRead.rows.empty());
    const auto read = table.Read(shortRead.requiredSize);
    EXPECT_EQ(read.error, 0u);
    EXPECT_EQ(read.rows.size(), 12u);
    table.available = false;
    EXPECT_EQ(table.Read(9464).error, kInterfaceTableUnavailable);
}

}  // namespace
}  // namespace qn
