#include <gtest/gtest.h>

#include <ostream>

#include "tests/unit/tuner_registry/registry_test_helpers.h"

namespace qn::registry_test {
namespace {

using namespace std::string_literals;
using Strings = std::vector<std::string>;
using ByteArray = std::vector<std::uint8_t>;

struct SaveCase {
    const char* label;
    RegVariant value;
    std::uint32_t type;
    std::string bytes;  // what is stored
};
void PrintTo(const SaveCase& c, std::ostream* out) {
    *out << c.label;
}

class SaveKeyWritesTest : public RegistryClassTest,
                          public ::testing::WithParamInterface<SaveCase> {};

TEST_P(SaveKeyWritesTest, StoresTheConvertedBytes) {
    OpenParameters();
    std::uint32_t type = GetParam().type;
    EXPECT_TRUE(reg.SaveKey("Value", GetParam().value, type, 1));
    EXPECT_EQ(Stored("Value"), (StoredValue{GetParam().type, GetParam().bytes}));
    ExpectNoBox();
}

INSTANTIATE_TEST_SUITE_P(
    Conversions, SaveKeyWritesTest,
    ::testing::Values(
        // Text goes without a terminating NUL.
        SaveCase{"Text", "64"s, kRegSz, "64"}, SaveCase{"Expandable", "%x%"s, kRegExpandSz, "%x%"},
        SaveCase{"EmptyText", ""s, kRegSz, ""}, SaveCase{"TextWithNul", "a\0b"s, kRegSz, "a\0b"s},
        SaveCase{"LongAsText", std::int32_t{1500}, kRegSz, "1500"},
        SaveCase{"IntegerAsText", std::int16_t{-5}, kRegSz, "-5"},
        SaveCase{"EmptyAsText", RegVariant(), kRegSz, ""},
        SaveCase{"BytesAsText", ByteArray{'o', 'k'}, kRegSz, "ok"},
        // Binary: one byte per element.
        SaveCase{"Bytes", ByteArray{0x00, 0xFF, 0x10}, kRegBinary, Bytes({0x00, 0xFF, 0x10})},
        SaveCase{"NoBytes", ByteArray{}, kRegBinary, ""},
        SaveCase{"NumbersAsBytes", Strings{"1", "2.5", "3.5", " 255 "}, kRegBinary,
                 Bytes({1, 2, 4, 255})},
        // DWORD: four bytes, low byte first.
        SaveCase{"Long", std::int32_t{8544}, kRegDword, Bytes({0x60, 0x21, 0, 0})},
        SaveCase{"NegativeLong", std::int32_t{-1}, kRegDword, Bytes({0xFF, 0xFF, 0xFF, 0xFF})},
        SaveCase{"Integer", std::int16_t{1}, kRegDword, Bytes({1, 0, 0, 0})},
        SaveCase{"NumberText", "1500"s, kRegDword, Bytes({0xDC, 0x05, 0, 0})},
        SaveCase{"HexText", "&H10"s, kRegDword, Bytes({0x10, 0, 0, 0})},
        SaveCase{"FractionText", "2.5"s, kRegDword, Bytes({2, 0, 0, 0})},
        SaveCase{"EmptyAsLong", RegVariant(), kRegDword, Bytes({0, 0, 0, 0})},
        // Multi-string: each element and its NUL, then one more NUL.
        SaveCase{"Elements", Strings{"a", "bc"}, kRegMultiSz, "a\0bc\0\0"s},
        SaveCase{"NoElements", Strings{}, kRegMultiSz, "\0"s},
        SaveCase{"BytesAsElements", ByteArray{7, 42}, kRegMultiSz,
                 "7\0"
                 "42\0\0"s}),
    [](const ::testing::TestParamInfo<SaveCase>& info) { return std::string(info.param.label); });

struct RefusedCase {
    const char* label;
    RegVariant value;
    std::uint32_t type;
};
void PrintTo(const RefusedCase& c, std::ostream* out) {
    *out << c.label;
}

// Values a Variant conversion would stop the program on: nothing is written
// and the caller learns of it, as of any other invalid parameter.
class SaveKeyRefusesTest : public RegistryClassTest,
                           public ::testing::WithParamInterface<RefusedCase> {};

TEST_P(SaveKeyRefusesTest, KeepsTheOldValue) {
    Store("Value", kRegSz, "old");
    OpenParameters();
    std::uint32_t type = GetParam().type;
    EXPECT_FALSE(reg.SaveKey("Value", GetParam().value, type));
    ExpectNoBox();
    AllowBox();
    EXPECT_FALSE(reg.SaveKey("Value", GetParam().value, type, 1));
    ExpectOneBox("Invalid parameter.");
    EXPECT_EQ(registry.setCalls, 0);
    EXPECT_EQ(Stored("Value"), (StoredValue{kRegSz, "old"}));
    EXPECT_EQ(type, GetParam().type);
}

INSTANTIATE_TEST_SUITE_P(
    Conversions, SaveKeyRefusesTest,
    ::testing::Values(RefusedCase{"ElementsAsText", Strings{"a"}, kRegSz},
                      RefusedCase{"ElementsAsExpandable", Strings{"a"}, kRegExpandSz},
                      RefusedCase{"WordAsLong", "abc"s, kRegDword},
                      RefusedCase{"EmptyTextAsLong", ""s, kRegDword},
                      RefusedCase{"NumberWithTextAsLong", "12abc"s, kRegDword},
                      RefusedCase{"TooLargeForLong", "2147483648"s, kRegDword},
                      RefusedCase{"TooSmallForLong", "-2147483649"s, kRegDword},
                      RefusedCase{"BytesAsLong", ByteArray{1, 2, 3, 4}, kRegDword},
                      RefusedCase{"ElementsAsLong", Strings{"1"}, kRegDword},
                      RefusedCase{"TextAsBytes", "abc"s, kRegBinary},
                      RefusedCase{"LongAsBytes", std::int32_t{1}, kRegBinary},
                      RefusedCase{"EmptyAsBytes", RegVariant(), kRegBinary},
                      RefusedCase{"WordElementAsByte", Strings{"1", "x"}, kRegBinary},
                      RefusedCase{"ByteTooLarge", Strings{"256"}, kRegBinary},
                      RefusedCase{"ByteNegative", Strings{"-1"}, kRegBinary},
                      RefusedCase{"TextAsElements", "a"s, kRegMultiSz},
                      RefusedCase{"LongAsElements", std::int32_t{1}, kRegMultiSz}),
    [](const ::testing::TestParamInfo<RefusedCase>& info) {
        return std::string(info.param.label);
    });

TEST_F(RegistryClassTest, SaveKeyOfUnhandledTypeWritesNothingAndSucceeds) {
    OpenParameters();
    for (std::uint32_t asked : {kRegNone, kRegDwordBigEndian, kRegLink, 8u}) {
        std::uint32_t type = asked;
        EXPECT_TRUE(reg.SaveKey("Value", std::int32_t{1}, type, 1)) << asked;
        EXPECT_EQ(type, asked);
    }
    EXPECT_EQ(registry.setCalls, 0);
    EXPECT_FALSE(Stored("Value"));
}

TEST_F(RegistryClassTest, SaveKeyWriteFailureIsReported) {
    MakeKey(kPath);
    ASSERT_TRUE(reg.OpenKey(kHkeyLocalMachine, kPath, kKeyRead));
    const RegKey held = reg.Key();
    std::uint32_t type = kRegDword;
    EXPECT_FALSE(reg.SaveKey("DefaultTTL", std::int32_t{128}, type));
    ExpectNoBox();
    AllowBox();
    EXPECT_FALSE(reg.SaveKey("DefaultTTL", std::int32_t{128}, type, 1));
    ExpectOneBox("Access denied to specified registry entry.");
    EXPECT_EQ(reg.Key(), held);
    EXPECT_FALSE(Stored("DefaultTTL"));
}

TEST_F(RegistryClassTest, SaveKeyWithNoKeyHeldFails) {
    std::uint32_t type = kRegSz;
    EXPECT_FALSE(reg.SaveKey("DefaultTTL", "64"s, type));
}

struct RoundTrip {
    const char* label;
    RegVariant saved;
    std::uint32_t type;
    RegVariant read;
};
void PrintTo(const RoundTrip& c, std::ostream* out) {
    *out << c.label;
}

class SaveThenQueryTest : public RegistryClassTest,
                          public ::testing::WithParamInterface<RoundTrip> {};

TEST_P(SaveThenQueryTest, ReadsBackWhatWasSaved) {
    OpenParameters();
    std::uint32_t type = GetParam().type;
    ASSERT_TRUE(reg.SaveKey("Value", GetParam().saved, type));
    EXPECT_EQ(reg.QueryKey("Value", type), GetParam().read);
    EXPECT_EQ(type, GetParam().type);
}

INSTANTIATE_TEST_SUITE_P(
    Types, SaveThenQueryTest,
    ::testing::Values(RoundTrip{"Text", "576"s, kRegSz, "576"s},
                      RoundTrip{"Expandable", "%x%"s, kRegExpandSz, "%x%"s},
                      RoundTrip{"Bytes", ByteArray{9, 0, 8}, kRegBinary, ByteArray{9, 0, 8}},
                      RoundTrip{"Long", std::int32_t{-2}, kRegDword, std::int32_t{-2}},
                      RoundTrip{"NumberTextAsLong", "576"s, kRegDword, std::int32_t{576}},
                      RoundTrip{"Elements", Strings{"a", "bc"}, kRegMultiSz, Strings{"a", "bc"}},
                      // An empty element ends the list when it is read.
                      RoundTrip{"EmptyElement", Strings{"a", "", "b"}, kRegMultiSz, Strings{"a"}}),
    [](const ::testing::TestParamInfo<RoundTrip>& info) { return std::string(info.param.label); });

}  // namespace
}  // namespace qn::registry_test
