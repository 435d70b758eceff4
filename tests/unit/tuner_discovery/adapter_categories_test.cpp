// Which instance keys each category accepts, on each family.
#include <gtest/gtest.h>

#include "tests/unit/tuner_discovery/tuner_test_machine.h"
#include "tuner/core/adapter_discovery.h"

namespace qn::testing {
namespace {

// One of each adapter a 9x machine has. Root-enumerated adapters name their
// class instance through "Driver"; the dial-up adapter's differs from its own.
constexpr const char* kNineXAdapters = R"(
[HKEY_LOCAL_MACHINE\Enum\Root\Net\0000]
"DeviceDesc"="Dial-Up Adapter"
"Driver"="Net\\0007"

[HKEY_LOCAL_MACHINE\System\CurrentControlSet\Services\Class\Net\0007]
"DriverDesc"="Dial-Up Adapter"
"IPXHeaderCompression"="1"
"MatchingDeviceId"="*pnp8387"

[HKEY_LOCAL_MACHINE\Enum\Root\Net\0001]
"DeviceDesc"="Microsoft VPN Adapter"
"Driver"="Net\\0001"

[HKEY_LOCAL_MACHINE\System\CurrentControlSet\Services\Class\Net\0001]
"DriverDesc"="Microsoft VPN Adapter"
"DeviceType"="PPTP"
"MatchingDeviceId"="*pnp8387"

[HKEY_LOCAL_MACHINE\System\CurrentControlSet\Services\Class\Net\0002]
"DriverDesc"="NE2000 Compatible"
"MatchingDeviceId"="*pnp80d6"

[HKEY_LOCAL_MACHINE\System\CurrentControlSet\Services\Class\Net\0003]
"DriverDesc"="Realtek RTL8139"

[HKEY_LOCAL_MACHINE\System\CurrentControlSet\Services\Class\Net\0003\Ndi]
"DeviceID"="PCI\\VEN_10EC&DEV_8139"

[HKEY_LOCAL_MACHINE\Enum\PCI\VEN_10EC&DEV_8139&SUBSYS_813910EC&REV_10\BUS_00&DEV_0B&FUNC_00]

[HKEY_LOCAL_MACHINE\System\CurrentControlSet\Services\Class\Net\0004]
"DriverDesc"="Megahertz CC10BT"

[HKEY_LOCAL_MACHINE\System\CurrentControlSet\Services\Class\Net\0004\Ndi]
"DeviceID"="PCMCIA\\MEGAHERTZ-CC10BT-BF05"

[HKEY_LOCAL_MACHINE\Enum\Root\Net\0005]
"DeviceDesc"="AOL Adapter"
"Driver"="Net\\0005"

[HKEY_LOCAL_MACHINE\System\CurrentControlSet\Services\Class\Net\0005]
"DriverDesc"="AOL Adapter"
"DeviceVxDs"="aolmac.vxd"
)";

struct CategoryCase {
    System system;
    int category;
    int instance;
    const char* description;  // "" when the category rejects the instance
    const char* deviceId;
};

void PrintTo(const CategoryCase& c, std::ostream* out) {
    *out << SystemName(c.system) << " category " << c.category << " instance " << c.instance;
}

class AdapterCategories : public ::testing::TestWithParam<CategoryCase> {};

TEST_P(AdapterCategories, AcceptOnlyTheirOwnAdapters) {
    const CategoryCase& c = GetParam();
    TestMachine machine(c.system);
    machine.Load(kNineXAdapters);
    AdapterDiscovery discovery(machine.Context(), machine.environment);
    EXPECT_EQ(c.description, discovery.DescribeAdapter(c.instance, c.category));
    EXPECT_EQ(c.deviceId, discovery.FoundDeviceId());
    EXPECT_EQ(0u, machine.registry.OpenHandleCount());
}

const char kPciId[] = "PCI\\VEN_10EC&DEV_8139&SUBSYS_813910EC&REV_10";
const char kPcmciaId[] = "PCMCIA\\MEGAHERTZ-CC10BT-BF05";

// Windows 98/ME and 95 with Dial-Up Networking 1.3 share these rules.
INSTANTIATE_TEST_SUITE_P(
    Dun13Layout, AdapterCategories,
    ::testing::Values(
        // Software: root-enumerated with a dial-up class key.
        CategoryCase{System::Win98, 0, 0, "Dial-Up Adapter", ""},
        CategoryCase{System::Win98, 0, 1, "", ""}, CategoryCase{System::Win98, 0, 5, "", ""},
        CategoryCase{System::Win95Dun13, 0, 0, "Dial-Up Adapter", ""},
        CategoryCase{System::Win95Dun13, 0, 1, "", ""},
        // ISA: class keys that are neither dial-up nor PPTP.
        CategoryCase{System::Win98, 1, 2, "NE2000 Compatible", "*PNP80D6"},
        CategoryCase{System::Win98, 1, 7, "", ""}, CategoryCase{System::Win98, 1, 1, "", ""},
        CategoryCase{System::WinMe, 1, 1, "", ""},
        // PCI: the driver's identifier completed from Enum\PCI.
        CategoryCase{System::Win98, 2, 3, "Realtek RTL8139", kPciId},
        CategoryCase{System::Win98, 2, 4, "", ""}, CategoryCase{System::Win98, 2, 2, "", ""},
        // AOL.
        CategoryCase{System::Win98, 3, 5, "AOL Adapter", ""},
        CategoryCase{System::Win98, 3, 0, "", ""},
        // PCMCIA.
        CategoryCase{System::Win98, 4, 4, "Megahertz CC10BT", kPcmciaId},
        CategoryCase{System::Win98, 4, 3, "", ""},
        // Root-enumerated hardware: PPTP without a dial-up class key.
        CategoryCase{System::Win98, 5, 1, "Microsoft VPN Adapter", ""},
        CategoryCase{System::Win98, 5, 0, "", ""},
        CategoryCase{System::Win95Dun13, 5, 1, "Microsoft VPN Adapter", ""}));

INSTANTIATE_TEST_SUITE_P(PlainWin95, AdapterCategories,
                         ::testing::Values(
                             // Every root-enumerated adapter but AOL's is software.
                             CategoryCase{System::Win95, 0, 0, "Dial-Up Adapter", ""},
                             CategoryCase{System::Win95, 0, 1, "Microsoft VPN Adapter", ""},
                             CategoryCase{System::Win95, 0, 5, "", ""},
                             // Any described class key with a hardware id counts as ISA.
                             CategoryCase{System::Win95, 1, 2, "NE2000 Compatible", "*PNP80D6"},
                             CategoryCase{System::Win95, 1, 1, "Microsoft VPN Adapter", "*PNP8387"},
                             CategoryCase{System::Win95, 1, 3, "", ""},
                             CategoryCase{System::Win95, 2, 3, "Realtek RTL8139", kPciId},
                             CategoryCase{System::Win95, 3, 5, "AOL Adapter", ""},
                             CategoryCase{System::Win95, 4, 4, "Megahertz CC10BT", kPcmciaId},
                             // No root-enumerated hardware category.
                             CategoryCase{System::Win95, 5, 1, "", ""}));

class Win98Adapter : public ::testing::Test {
  protected:
    Win98Adapter() : machine(System::Win98) {}
    std::string Describe(int instance, int category) {
        return discovery.DescribeAdapter(instance, category);
    }
    TestMachine machine;
    AdapterDiscovery discovery{machine.Context(), machine.environment};
};

TEST_F(Win98Adapter, PciCardWithoutEnumEntryKeepsTheDriversIdentifier) {
    machine.SetText(std::string(kClassNet) + "0003", "DriverDesc", "Realtek RTL8139");
    machine.SetText(std::string(kClassNet) + "0003\\Ndi", "DeviceID", "PCI\\VEN_10EC&DEV_8139");
    machine.SetText("Enum\\PCI\\VEN_8086&DEV_1229\\BUS_00", "x", "");
    EXPECT_EQ("Realtek RTL8139", Describe(3, kKindPci));
    EXPECT_EQ("PCI\\VEN_10EC&DEV_8139", discovery.FoundDeviceId());
}

TEST_F(Win98Adapter, PciCardTakesTheFirstMatchingEnumEntry) {
    machine.SetText(std::string(kClassNet) + "0003", "DriverDesc", "Realtek RTL8139");
    machine.SetText(std::string(kClassNet) + "0003\\Ndi", "DeviceID",
                    std::string("PCI\\VEN_10EC&DEV_8139\0", 22));
    for (const char* device :
         {"VEN_10EC&DEV_8139&SUBSYS_2", "VEN_10EC&DEV_8139&SUBSYS_1", "VEN_10EC&DEV_8129&SUBSYS_0"})
        machine.SetText(std::string("Enum\\PCI\\") + device + "\\BUS_00", "x", "");
    EXPECT_EQ("Realtek RTL8139", Describe(3, kKindPci));
    EXPECT_EQ("PCI\\VEN_10EC&DEV_8139&SUBSYS_1", discovery.FoundDeviceId());
}

TEST_F(Win98Adapter, PciCategoryNeedsAPciIdentifier) {
    machine.SetText(std::string(kClassNet) + "0003", "DriverDesc", "Some Card");
    EXPECT_EQ("", Describe(3, kKindPci)) << "no Ndi key";
    machine.SetText(std::string(kClassNet) + "0003\\Ndi", "DeviceID", "ISAPNP\\ABC1234");
    EXPECT_EQ("", Describe(3, kKindPci));
}

TEST_F(Win98Adapter, PcmciaCategoryNeedsAPcmciaIdentifier) {
    machine.SetText(std::string(kClassNet) + "0004", "DriverDesc", "Some Card");
    machine.SetText(std::string(kClassNet) + "0004\\Ndi", "DeviceID", "");
    EXPECT_EQ("", Describe(4, kKindPcmcia));
    machine.SetText(std::string(kClassNet) + "0004\\Ndi", "DeviceID", "PCI\\PCMCIA");
    EXPECT_EQ("", Describe(4, kKindPcmcia));
}

TEST_F(Win98Adapter, AolDriverMustBeNamedExactly) {
    machine.SetText("Enum\\Root\\Net\\0005", "DeviceDesc", "AOL Adapter");
    machine.SetText("Enum\\Root\\Net\\0005", "Driver", "Net\\0005");
    machine.SetText(std::string(kClassNet) + "0005", "DeviceVxDs", "AOLMAC.VXD");
    EXPECT_EQ("", Describe(5, kKindAol));
    // Stored without a NUL, as another program may write it.
    machine.SetText(std::string(kClassNet) + "0005", "DeviceVxDs", "aolmac.vxd");
    EXPECT_EQ("AOL Adapter", Describe(5, kKindAol));
}

TEST_F(Win98Adapter, IsaCardNeedsAHardwareIdentifier) {
    machine.SetText(std::string(kClassNet) + "0002", "DriverDesc", "NE2000 Compatible");
    EXPECT_EQ("", Describe(2, kKindIsa));
    machine.SetText(std::string(kClassNet) + "0002", "MatchingDeviceId", std::string("\0", 1));
    EXPECT_EQ("", Describe(2, kKindIsa)) << "a lone NUL is empty";
}

TEST_F(Win98Adapter, DialUpIsToldByANonEmptyIpxHeaderCompression) {
    machine.SetText("Enum\\Root\\Net\\0000", "DeviceDesc", "Dial-Up Adapter");
    machine.SetText("Enum\\Root\\Net\\0000", "Driver", std::string("Net\\0000\0", 9));
    machine.SetText(std::string(kClassNet) + "0000", "DriverDesc", "Dial-Up Adapter");
    machine.SetText(std::string(kClassNet) + "0000", "IPXHeaderCompression", std::string("\0", 1));
    EXPECT_EQ("", Describe(0, kKindSoftware));
    EXPECT_EQ("Dial-Up Adapter", Describe(0, kKindRootHardware));
    machine.SetText(std::string(kClassNet) + "0000", "IPXHeaderCompression", "1");
    EXPECT_EQ("Dial-Up Adapter", Describe(0, kKindSoftware));
    EXPECT_EQ("", Describe(0, kKindRootHardware));
}

TEST_F(Win98Adapter, DeviceIdIsClearedByTheNextLookup) {
    machine.Load(kNineXAdapters);
    Describe(2, kKindIsa);
    EXPECT_EQ("*PNP80D6", discovery.FoundDeviceId());
    Describe(40, kKindIsa);
    EXPECT_EQ("", discovery.FoundDeviceId());
}

// NT keeps its cards under NetworkCards by plain number.
constexpr const char* kNtCard = R"(
[HKEY_LOCAL_MACHINE\SOFTWARE\Microsoft\Windows NT\CurrentVersion\NetworkCards\3]
"Title"="[3] 3Com Etherlink III"
"Description"="3Com EtherLink III Adapter"
"ServiceName"="El59x1"

[HKEY_LOCAL_MACHINE\SYSTEM\CurrentControlSet\Services\El59x1\Parameters\Tcpip]
"IPAddress"=hex(7):30,2e,30,2e,30,2e,30,00,00
)";

struct NtCase {
    System system;
    const char* description;
};

void PrintTo(const NtCase& c, std::ostream* out) {
    *out << SystemName(c.system);
}

class NtCardDescription : public ::testing::TestWithParam<NtCase> {};

TEST_P(NtCardDescription, ComesFromTitleOnNt4AndDescriptionLater) {
    TestMachine machine(GetParam().system);
    machine.Load(kNtCard);
    AdapterDiscovery discovery(machine.Context(), machine.environment);
    EXPECT_EQ(GetParam().description, discovery.DescribeAdapter(3, kKindIsa));
    EXPECT_EQ("El59x1", discovery.FoundDeviceId());
}

INSTANTIATE_TEST_SUITE_P(Nt, NtCardDescription,
                         ::testing::Values(NtCase{System::Nt4, "[3] 3Com Etherlink III"},
                                           NtCase{System::Win2000, "3Com EtherLink III Adapter"},
                                           NtCase{System::WinXp, "3Com EtherLink III Adapter"}));

TEST(NtCard, WithoutAnAddressIsNotBoundToTcpip) {
    TestMachine machine(System::Win2000);
    machine.Load(kNtCard);
    RegKey key = 0;
    ASSERT_EQ(kRegSuccess, machine.registry.OpenKey(
                               kHkeyLocalMachine,
                               "SYSTEM\\CurrentControlSet\\Services\\El59x1\\Parameters\\Tcpip",
                               kKeyAllAccess, &key));
    machine.registry.DeleteValue(key, "IPAddress");
    machine.registry.CloseKey(key);
    AdapterDiscovery discovery(machine.Context(), machine.environment);
    EXPECT_EQ("", discovery.DescribeAdapter(3, kKindIsa));
}

TEST(NtCard, WithoutADescriptionIsNoCard) {
    TestMachine machine(System::WinXp);
    machine.Load(kNtCard);
    machine.SetText("SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\NetworkCards\\3",
                    "Description", "");
    AdapterDiscovery discovery(machine.Context(), machine.environment);
    EXPECT_EQ("", discovery.DescribeAdapter(3, kKindIsa));
}

}  // namespace
}  // namespace qn::testing
