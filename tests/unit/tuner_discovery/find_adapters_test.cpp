// The adapter table FindAdapters builds: order, labels, kinds and identifiers.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "tests/unit/tuner_discovery/tuner_test_machine.h"
#include "tuner/core/adapter_discovery.h"

namespace qn::testing {
namespace {

// One adapter of each 9x category, at instances whose order differs from the
// category order. AOL's adapter has a dial-up class key, so Windows 98 takes
// it as software, and then not again as AOL.
constexpr const char* kOneOfEach = R"(
[HKEY_LOCAL_MACHINE\Enum\Root\Net\0009]
"DeviceDesc"="Dial-Up Adapter"
"Driver"="Net\\0009"

[HKEY_LOCAL_MACHINE\System\CurrentControlSet\Services\Class\Net\0009]
"DriverDesc"="Dial-Up Adapter"
"IPXHeaderCompression"="1"

[HKEY_LOCAL_MACHINE\Enum\Root\Net\0001]
"DeviceDesc"="Microsoft VPN Adapter"
"Driver"="Net\\0001"

[HKEY_LOCAL_MACHINE\System\CurrentControlSet\Services\Class\Net\0001]
"DriverDesc"="Microsoft VPN Adapter"
"DeviceType"="PPTP"

[HKEY_LOCAL_MACHINE\System\CurrentControlSet\Services\Class\Net\0008]
"DriverDesc"="NE2000 Compatible"
"MatchingDeviceId"="*pnp80d6"

[HKEY_LOCAL_MACHINE\System\CurrentControlSet\Services\Class\Net\0003]
"DriverDesc"="Realtek RTL8139"

[HKEY_LOCAL_MACHINE\System\CurrentControlSet\Services\Class\Net\0003\Ndi]
"DeviceID"="PCI\\VEN_10EC&DEV_8139"

[HKEY_LOCAL_MACHINE\System\CurrentControlSet\Services\Class\Net\0004]
"DriverDesc"="Megahertz CC10BT"

[HKEY_LOCAL_MACHINE\System\CurrentControlSet\Services\Class\Net\0004\Ndi]
"DeviceID"="PCMCIA\\MEGAHERTZ-CC10BT-BF05"

[HKEY_LOCAL_MACHINE\Enum\Root\Net\0005]
"DeviceDesc"="AOL Adapter"
"Driver"="Net\\0005"

[HKEY_LOCAL_MACHINE\System\CurrentControlSet\Services\Class\Net\0005]
"DriverDesc"="AOL Adapter"
"IPXHeaderCompression"="1"
"DeviceVxDs"="aolmac.vxd"
)";

struct Row {
    std::string label, instanceKey, kindText, deviceId;
    int kind;
};

std::vector<Row> Rows(const TcpipSettings& settings) {
    std::vector<Row> rows;
    for (int i = 1; i <= settings.AdapterCount; ++i) {
        const AdapterEntry& a = settings.Adapters[i];
        rows.push_back({a.Label, a.InstanceKey, a.KindText, a.DeviceId, a.Kind});
    }
    return rows;
}

MATCHER_P5(IsRow, label, instanceKey, kindText, deviceId, kind, "") {
    return arg.label == label && arg.instanceKey == instanceKey && arg.kindText == kindText &&
           arg.deviceId == deviceId && arg.kind == kind;
}

void PrintTo(const Row& row, std::ostream* out) {
    *out << "{" << row.label << ", " << row.instanceKey << ", " << row.kindText << ", "
         << row.deviceId << ", " << row.kind << "}";
}

TEST(FindAdapters, ListsCategoriesInOrderWithTheirSuffixes) {
    TestMachine machine(System::Win98);
    machine.Load(kOneOfEach);
    TcpipSettings settings;
    AdapterDiscovery(machine.Context(), machine.environment).FindAdapters(settings);
    EXPECT_THAT(
        Rows(settings),
        ::testing::ElementsAre(
            IsRow("AOL Adapter (Software)", "0005", "0", "", 0),
            IsRow("Dial-Up Adapter (Software)", "0009", "0", "", 0),
            IsRow("NE2000 Compatible (Hardware - ISA)", "0008", "1", "*PNP80D6", 1),
            IsRow("Realtek RTL8139 (Hardware - PCI)", "0003", "2", "PCI\\VEN_10EC&DEV_8139", 2),
            IsRow("Megahertz CC10BT (Hardware - PCMCIA)", "0004", "4",
                  "PCMCIA\\MEGAHERTZ-CC10BT-BF05", 4),
            IsRow("Microsoft VPN Adapter (Hardware)", "0001", "5", "", 5)));
    EXPECT_EQ(0u, machine.registry.OpenHandleCount());
}

TEST(FindAdapters, OnPlainWin95AolIsNotSoftware) {
    TestMachine machine(System::Win95);
    machine.Load(kOneOfEach);
    TcpipSettings settings;
    AdapterDiscovery(machine.Context(), machine.environment).FindAdapters(settings);
    std::vector<std::string> labels;
    for (const Row& row : Rows(settings)) labels.push_back(row.label);
    EXPECT_THAT(labels, ::testing::Contains("AOL Adapter (AOL)"));
    EXPECT_THAT(labels, ::testing::Not(::testing::Contains("AOL Adapter (Software)")));
    EXPECT_THAT(labels, ::testing::Contains("Microsoft VPN Adapter (Software)"));
}

TEST(FindAdapters, InstancesStopAt0099) {
    TestMachine machine(System::Win98);
    for (const char* instance : {"0099", "0100"}) {
        machine.SetText(std::string("Enum\\Root\\Net\\") + instance, "DeviceDesc",
                        std::string("Adapter ") + instance);
        machine.SetText(std::string("Enum\\Root\\Net\\") + instance, "Driver",
                        std::string("Net\\") + instance);
        machine.SetText(kClassNet + std::string(instance), "DriverDesc", "Dial-Up Adapter");
        machine.SetText(kClassNet + std::string(instance), "IPXHeaderCompression", "1");
    }
    TcpipSettings settings;
    AdapterDiscovery(machine.Context(), machine.environment).FindAdapters(settings);
    ASSERT_EQ(1, settings.AdapterCount);
    EXPECT_EQ("Adapter 0099 (Software)", settings.Adapters[1].Label);
}

struct DescriptionCase {
    const char* stored;
    std::size_t size;
    const char* label;
};

void PrintTo(const DescriptionCase& c, std::ostream* out) {
    *out << c.label;
}

class StoredDescription : public ::testing::TestWithParam<DescriptionCase> {};

// Windows stores the NUL; other programs may not, and the last letter stays.
TEST_P(StoredDescription, LosesOnlyATerminatingNul) {
    TestMachine machine(System::Win98);
    machine.SetText(std::string(kClassNet) + "0002", "DriverDesc",
                    std::string(GetParam().stored, GetParam().size));
    machine.SetText(std::string(kClassNet) + "0002", "MatchingDeviceId", "*PNP80D6");
    TcpipSettings settings;
    AdapterDiscovery(machine.Context(), machine.environment).FindAdapters(settings);
    ASSERT_EQ(1, settings.AdapterCount);
    EXPECT_EQ(GetParam().label, settings.Adapters[1].Label);
}

INSTANTIATE_TEST_SUITE_P(Nul, StoredDescription,
                         ::testing::Values(DescriptionCase{"NE2000\0", 7,
                                                           "NE2000 (Hardware - ISA)"},
                                           DescriptionCase{"NE2000", 6, "NE2000 (Hardware - ISA)"},
                                           DescriptionCase{"N", 1, "N (Hardware - ISA)"}));

struct SharingCase {
    System system;
    const char* internetMtu;  // nullptr: no value
    bool listed;
};

void PrintTo(const SharingCase& c, std::ostream* out) {
    *out << SystemName(c.system) << " internetMTU " << (c.internetMtu ? c.internetMtu : "absent");
}

class ConnectionSharingEntry : public ::testing::TestWithParam<SharingCase> {};

TEST_P(ConnectionSharingEntry, ComesFirstOnWin98AndMeWhenItsMtuIsSet) {
    const SharingCase& c = GetParam();
    TestMachine machine(c.system);
    machine.Load(kOneOfEach);
    if (c.internetMtu)
        machine.Load(std::string("[HKEY_LOCAL_MACHINE\\") + kSharing + "]\r\n" +
                     "\"InternetMTU\"=\"" + c.internetMtu + "\"\r\n");
    TcpipSettings settings;
    AdapterDiscovery(machine.Context(), machine.environment).FindAdapters(settings);
    ASSERT_GE(settings.AdapterCount, 1);
    const std::vector<Row> rows = Rows(settings);
    if (c.listed) {
        EXPECT_THAT(rows.front(), IsRow("Internet Connection Sharing (ICS)", "0", "-1", "0", 99));
        EXPECT_EQ(7, settings.AdapterCount);
    } else {
        for (const Row& row : rows) EXPECT_NE(99, row.kind) << row.label;
    }
}

INSTANTIATE_TEST_SUITE_P(Systems, ConnectionSharingEntry,
                         ::testing::Values(SharingCase{System::Win98, "1500", true},
                                           SharingCase{System::WinMe, "576", true},
                                           SharingCase{System::Win98, "0", false},
                                           SharingCase{System::Win98, nullptr, false},
                                           SharingCase{System::Win95Dun13, "1500", false},
                                           SharingCase{System::Win95, "1500", false}));

TEST(FindAdapters, StartsAFreshTable) {
    TestMachine machine(System::Win98);
    TcpipSettings settings;
    settings.AdapterCount = 2;
    settings.Adapters[1].Label = "stale";
    settings.Adapters[2].Label = "stale";
    AdapterDiscovery(machine.Context(), machine.environment).FindAdapters(settings);
    EXPECT_EQ(0, settings.AdapterCount);
    EXPECT_EQ("", settings.Adapters[1].Label);
}

constexpr const char* kNtCards = R"(
[HKEY_LOCAL_MACHINE\SOFTWARE\Microsoft\Windows NT\CurrentVersion\NetworkCards\2]
"Description"="Intel PRO/100"
"ServiceName"="E100B1"

[HKEY_LOCAL_MACHINE\SYSTEM\CurrentControlSet\Services\E100B1\Parameters\Tcpip]
"IPAddress"=hex(7):31,30,2e,30,2e,30,2e,32,00,00

[HKEY_LOCAL_MACHINE\SOFTWARE\Microsoft\Windows NT\CurrentVersion\NetworkCards\12]
"Description"="WAN Miniport"
"ServiceName"="NdisWan5"

[HKEY_LOCAL_MACHINE\SOFTWARE\Microsoft\Windows NT\CurrentVersion\NetworkCards\0012]
"Description"="Not an NT instance name"
"ServiceName"="E100B1"
)";

TEST(FindAdapters, NtListsBoundCardsByNumberWithoutSuffix) {
    TestMachine machine(System::Win2000);
    machine.Load(kNtCards);
    TcpipSettings settings;
    AdapterDiscovery(machine.Context(), machine.environment).FindAdapters(settings);
    EXPECT_THAT(Rows(settings),
                ::testing::ElementsAre(IsRow("Intel PRO/100", "2", "1", "E100B1", 1)));
}

}  // namespace
}  // namespace qn::testing
