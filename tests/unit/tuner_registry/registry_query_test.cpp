#include <gtest/gtest.h>

#include <ostream>

#include "tests/unit/tuner_registry/registry_test_helpers.h"

namespace qn::registry_test {
namespace {

using namespace std::string_literals;
using Strings = std::vector<std::string>;
using ByteArray = std::vector<std::uint8_t>;

struct QueryCase {
    const char* label;
    RegVariant (CRegistry::*query)(const std::string&, std::uint32_t&, int);
};
void PrintTo(const QueryCase& c, std::ostream* out) {
    *out << c.label;
}

// The three queries agree on every value that is there.
class AnyQueryTest : public RegistryClassTest, public ::testing::WithParamInterface<QueryCase> {
  protected:
    RegVariant Query(const std::string& name, std::uint32_t& type, int flag = 0) {
        return (reg.*GetParam().query)(name, type, flag);
    }
};

TEST_P(AnyQueryTest, TextWrittenByWindowsKeepsItsNul) {
    Store("DefaultTTL", kRegSz, "128\0"s);
    OpenParameters();
    std::uint32_t type = kRegSz;
    EXPECT_EQ(Query("DefaultTTL", type), RegVariant("128\0"s));
    EXPECT_EQ(type, kRegSz);
}

TEST_P(AnyQueryTest, TextWithoutNulComesBackAlone) {
    Store("DefaultTTL", kRegSz, "64");
    OpenParameters();
    std::uint32_t type = kRegSz;
    EXPECT_EQ(Query("DefaultTTL", type), RegVariant("64"s));
}

TEST_P(AnyQueryTest, ExpandableTextIsNotExpanded) {
    Store("Path", kRegExpandSz, "%SystemRoot%\\x\0"s);
    OpenParameters();
    std::uint32_t type = kRegExpandSz;
    EXPECT_EQ(Query("Path", type), RegVariant("%SystemRoot%\\x\0"s));
    EXPECT_EQ(type, kRegExpandSz);
}

TEST_P(AnyQueryTest, EmptyTextIsAnEmptyStringNotEmpty) {
    Store("Domain", kRegSz, "");
    OpenParameters();
    std::uint32_t type = kRegSz;
    EXPECT_EQ(Query("Domain", type), RegVariant(""s));
}

TEST_P(AnyQueryTest, DwordAskedAsTextGivesItsFourBytesAndType) {
    Store("MTU", kRegDword, Bytes({0x44, 0x43, 0x00, 0x41}));
    OpenParameters();
    std::uint32_t type = kRegSz;
    EXPECT_EQ(Query("MTU", type), RegVariant("DC\0A"s));
    EXPECT_EQ(type, kRegDword);
}

TEST_P(AnyQueryTest, MultiStringSplitsIntoItsElements) {
    Store("IPAddress", kRegMultiSz,
          "10.0.0.1\0"
          "192.168.1.2\0\0"s);
    OpenParameters();
    std::uint32_t type = kRegMultiSz;
    EXPECT_EQ(Query("IPAddress", type), RegVariant(Strings{"10.0.0.1", "192.168.1.2"}));
}

TEST_P(AnyQueryTest, StoredTypeDecidesBetweenTextAndElements) {
    Store("Bind", kRegMultiSz, "a\0bc\0\0"s);
    Store("Name", kRegSz, "x\0"s);
    OpenParameters();
    std::uint32_t type = kRegSz;
    EXPECT_EQ(Query("Bind", type), RegVariant(Strings{"a", "bc"}));
    EXPECT_EQ(type, kRegMultiSz);
    type = kRegMultiSz;
    EXPECT_EQ(Query("Name", type), RegVariant("x\0"s));
    EXPECT_EQ(type, kRegSz);
}

TEST_P(AnyQueryTest, DwordIsASignedLowByteFirstInteger) {
    Store("TcpWindowSize", kRegDword, Bytes({0x60, 0x21, 0x00, 0x00}));
    Store("AllOnes", kRegDword, Bytes({0xFF, 0xFF, 0xFF, 0xFF}));
    OpenParameters();
    std::uint32_t type = kRegDword;
    EXPECT_EQ(Query("TcpWindowSize", type), RegVariant(std::int32_t{8544}));
    EXPECT_EQ(Query("AllOnes", type), RegVariant(std::int32_t{-1}));
}

TEST_P(AnyQueryTest, ShortValueAskedAsDwordFillsTheLowBytes) {
    Store("Short", kRegBinary, Bytes({0x01, 0x02}));
    OpenParameters();
    std::uint32_t type = kRegDword;
    EXPECT_EQ(Query("Short", type), RegVariant(std::int32_t{0x0201}));
    EXPECT_EQ(type, kRegBinary);
}

TEST_P(AnyQueryTest, BinaryGivesEveryByte) {
    Store("Blob", kRegBinary, Bytes({0x00, 0xFF, 0x10}));
    Store("One", kRegBinary, Bytes({0x07}));
    Store("Text", kRegSz, "ab\0"s);
    OpenParameters();
    std::uint32_t type = kRegBinary;
    EXPECT_EQ(Query("Blob", type), RegVariant(ByteArray{0x00, 0xFF, 0x10}));
    EXPECT_EQ(Query("One", type), RegVariant(ByteArray{0x07}));
    type = kRegBinary;
    EXPECT_EQ(Query("Text", type), RegVariant(ByteArray{'a', 'b', 0}));
    EXPECT_EQ(type, kRegSz);
}

TEST_P(AnyQueryTest, EmptyBinaryIsAnEmptyArray) {
    Store("Blob", kRegBinary, "");
    OpenParameters();
    std::uint32_t type = kRegBinary;
    EXPECT_EQ(Query("Blob", type), RegVariant(ByteArray{}));
}

TEST_P(AnyQueryTest, BlankNameOrUnhandledTypeGivesEmptyWithoutAsking) {
    Store("", kRegSz, "default\0"s);
    Store("Five", kRegDwordBigEndian, Bytes({0, 0, 0, 1}));
    OpenParameters();
    for (const char* name : {"", "   "}) {
        std::uint32_t type = kRegSz;
        EXPECT_TRUE(IsEmpty(Query(name, type, 1))) << '"' << name << '"';
        EXPECT_EQ(type, kRegSz);
    }
    for (std::uint32_t asked : {kRegNone, kRegDwordBigEndian, kRegLink, 8u, 0xFFFFFFFFu}) {
        std::uint32_t type = asked;
        EXPECT_TRUE(IsEmpty(Query("Five", type, 1))) << asked;
        EXPECT_EQ(type, asked);
    }
    EXPECT_EQ(registry.queryCalls, 0);
    ExpectNoBox();
}

INSTANTIATE_TEST_SUITE_P(Queries, AnyQueryTest,
                         ::testing::Values(QueryCase{"QueryKey", &CRegistry::QueryKey},
                                           QueryCase{"QueryKey2", &CRegistry::QueryKey2},
                                           QueryCase{"QueryKey3", &CRegistry::QueryKey3}),
                         [](const ::testing::TestParamInfo<QueryCase>& info) {
                             return std::string(info.param.label);
                         });

// What a missing value gives.

TEST_F(RegistryClassTest, QueryKeyMissingValueIsEmptyAndSilent) {
    OpenParameters();
    for (std::uint32_t asked : {kRegSz, kRegExpandSz, kRegBinary, kRegDword, kRegMultiSz}) {
        std::uint32_t type = asked;
        EXPECT_TRUE(IsEmpty(reg.QueryKey("Missing", type))) << asked;
    }
    ExpectNoBox();
}

TEST_F(RegistryClassTest, QueryKeyMissingValueMessageWhenAsked) {
    OpenParameters();
    const RegKey held = reg.Key();
    for (std::uint32_t asked : {kRegSz, kRegBinary, kRegDword}) {
        boxes = {};
        AllowBox();
        std::uint32_t type = asked;
        EXPECT_TRUE(IsEmpty(reg.QueryKey("Missing", type, 1))) << asked;
        ExpectOneBox("Undefined Registry Error # 2");
    }
    EXPECT_EQ(reg.Key(), held);
}

TEST_F(RegistryClassTest, MissLeavesTheCallersTypeForItsNextQuery) {
    Store("DefaultTTL", kRegSz, "128\0"s);
    Store("MTU", kRegDword, Bytes({0xDC, 0x05, 0, 0}));
    OpenParameters();
    std::uint32_t type = kRegSz;
    EXPECT_EQ(reg.QueryKey3("Missing", type), RegVariant("Error"s));
    EXPECT_EQ(type, kRegSz);
    EXPECT_EQ(reg.QueryKey("DefaultTTL", type), RegVariant("128\0"s));
    type = kRegDword;
    EXPECT_EQ(reg.QueryKey2("Missing", type, 1), RegVariant(std::int16_t{1}));
    EXPECT_EQ(type, kRegDword);
    EXPECT_EQ(reg.QueryKey("MTU", type), RegVariant(std::int32_t{1500}));
}

TEST_F(RegistryClassTest, QueryWithNoKeyHeldFails) {
    std::uint32_t type = kRegSz;
    EXPECT_TRUE(IsEmpty(reg.QueryKey("DefaultTTL", type)));
    AllowBox();
    EXPECT_TRUE(IsEmpty(reg.QueryKey("DefaultTTL", type, 1)));
    ExpectOneBox("Undefined Registry Error # 6");
}

TEST_F(RegistryClassTest, ValueTooLongForADwordIsNotRead) {
    Store("MaxMTU", kRegSz, "1500\0"s);
    OpenParameters();
    std::uint32_t type = kRegDword;
    AllowBox();
    EXPECT_TRUE(IsEmpty(reg.QueryKey("MaxMTU", type, 1)));
    ExpectOneBox("Undefined Registry Error # 234");
}

TEST_F(RegistryClassTest, FailedSizedQueryShowsItsCode) {
    Store("DefaultTTL", kRegSz, "128\0"s);
    Store("Blob", kRegBinary, Bytes({1, 2, 3}));
    OpenParameters();
    for (std::uint32_t asked : {kRegSz, kRegBinary}) {
        boxes = {};
        AllowBox();
        registry.queryCalls = 0;
        registry.failQueryCall = 2;
        registry.queryFailure = 1012;
        std::uint32_t type = asked;
        EXPECT_TRUE(IsEmpty(reg.QueryKey(asked == kRegSz ? "DefaultTTL" : "Blob", type, 1)));
        ExpectOneBox("Cannot read specified key.");
    }
}

TEST_F(RegistryClassTest, QueryKey2GivesOneForMissingWhenAsked) {
    OpenParameters();
    for (std::uint32_t asked : {kRegSz, kRegExpandSz, kRegMultiSz, kRegDword}) {
        std::uint32_t type = asked;
        EXPECT_EQ(reg.QueryKey2("Missing", type, 1), RegVariant(std::int16_t{1})) << asked;
        type = asked;
        EXPECT_EQ(reg.QueryKey2("Missing", type, -1), RegVariant(std::int16_t{1})) << asked;
        type = asked;
        EXPECT_TRUE(IsEmpty(reg.QueryKey2("Missing", type))) << asked;
    }
    ExpectNoBox();
}

TEST_F(RegistryClassTest, QueryKey2ReportsAFailedSizedQueryOnlyWhenAsked) {
    Store("DefaultTTL", kRegSz, "128\0"s);
    OpenParameters();
    registry.failQueryCall = 2;
    registry.queryFailure = 1012;
    std::uint32_t type = kRegSz;
    EXPECT_TRUE(IsEmpty(reg.QueryKey2("DefaultTTL", type)));
    ExpectNoBox();

    registry.queryCalls = 0;
    AllowBox();
    EXPECT_TRUE(IsEmpty(reg.QueryKey2("DefaultTTL", type, 1)));
    ExpectOneBox("Cannot read specified key.");
}

TEST_F(RegistryClassTest, QueryKey3GivesErrorForMissingTextWhateverTheFlag) {
    OpenParameters();
    for (std::uint32_t asked : {kRegSz, kRegExpandSz, kRegMultiSz}) {
        for (int showErr : {0, 1}) {
            std::uint32_t type = asked;
            EXPECT_EQ(reg.QueryKey3("Missing", type, showErr), RegVariant("Error"s)) << asked;
        }
    }
    ExpectNoBox();
}

TEST_F(RegistryClassTest, QueryKey3MissingDwordIsEmptyWithTheMessageWhenAsked) {
    OpenParameters();
    std::uint32_t type = kRegDword;
    EXPECT_TRUE(IsEmpty(reg.QueryKey3("Missing", type)));
    ExpectNoBox();
    AllowBox();
    EXPECT_TRUE(IsEmpty(reg.QueryKey3("Missing", type, 1)));
    ExpectOneBox("Undefined Registry Error # 2");
}

}  // namespace
}  // namespace qn::registry_test
