// Reading and writing each adapter's MTU where its family keeps it.
#include <gtest/gtest.h>

#include "tests/unit/tuner_discovery/tuner_test_machine.h"
#include "tests/unit/tuner_params/recording_registry.h"
#include "tuner/core/tcpip_parameters.h"

namespace qn::testing {
namespace {

// A dial-up adapter (class instance 0002, transport 0000) and a PCI card
// (transport 0003), both bound to TCP/IP.
constexpr const char* kNineXAdapters = R"(
[HKEY_LOCAL_MACHINE\Enum\Root\Net\0000]
"Driver"="Net\\0002"

[HKEY_LOCAL_MACHINE\Enum\Root\Net\0000\Bindings]
"MSTCP\\0000"=""

[HKEY_LOCAL_MACHINE\System\CurrentControlSet\Services\Class\Net\0002]
"DriverDesc"="Dial-Up Adapter"

[HKEY_LOCAL_MACHINE\System\CurrentControlSet\Services\Class\Net\0002\Ndi\params\IPMTU]

[HKEY_LOCAL_MACHINE\Enum\PCI\VEN_10EC&DEV_8139\BUS_00&DEV_0B\Bindings]
"MSTCP\\0001"=""

[HKEY_LOCAL_MACHINE\Enum\Network\MSTCP\0000]
"Driver"="NetTrans\\0000"

[HKEY_LOCAL_MACHINE\Enum\Network\MSTCP\0001]
"Driver"="NetTrans\\0003"

[HKEY_LOCAL_MACHINE\System\CurrentControlSet\Services\Class\NetTrans\0000]
"DriverDesc"="TCP/IP"

[HKEY_LOCAL_MACHINE\System\CurrentControlSet\Services\Class\NetTrans\0003]
"DriverDesc"="TCP/IP"

[HKEY_LOCAL_MACHINE\System\CurrentControlSet\Services\ICSharing\Settings\General]
)";

constexpr const char* kClassNet0002 = "System\\CurrentControlSet\\Services\\Class\\Net\\0002";
constexpr const char* kIpMtuParameter =
    "System\\CurrentControlSet\\Services\\Class\\Net\\0002\\Ndi\\params\\IPMTU";
constexpr const char* kNetTrans0000 = "System\\CurrentControlSet\\Services\\Class\\NetTrans\\0000";
constexpr const char* kNetTrans0003 = "System\\CurrentControlSet\\Services\\Class\\NetTrans\\0003";
constexpr const char* kInterface =
    "SYSTEM\\CurrentControlSet\\Services\\Tcpip\\Parameters\\Interfaces\\{4D36E972}";
constexpr const char* kNt4Adapter =
    "SYSTEM\\CurrentControlSet\\Services\\El59x1\\Parameters\\Tcpip";

AdapterEntry Software() {
    AdapterEntry adapter;
    adapter.Label = "Dial-Up Adapter (Software)";
    adapter.InstanceKey = "0000";
    adapter.KindText = "0";
    adapter.Kind = kKindSoftware;
    return adapter;
}

AdapterEntry PciCard() {
    AdapterEntry adapter;
    adapter.Label = "Realtek (Hardware - PCI)";
    adapter.InstanceKey = "0001";
    adapter.KindText = "2";
    adapter.DeviceId = "PCI\\VEN_10EC&DEV_8139";
    adapter.Kind = kKindPci;
    return adapter;
}

AdapterEntry Unbound() {
    AdapterEntry adapter = PciCard();
    adapter.DeviceId = "PCI\\VEN_8086&DEV_1229";
    return adapter;
}

AdapterEntry ConnectionSharing() {
    AdapterEntry adapter;
    adapter.Label = "Internet Connection Sharing (ICS)";
    adapter.InstanceKey = "0";
    adapter.KindText = "-1";
    adapter.DeviceId = "0";
    adapter.Kind = kKindConnectionSharing;
    return adapter;
}

AdapterEntry NtCard(const std::string& service) {
    AdapterEntry adapter;
    adapter.Label = "Card";
    adapter.InstanceKey = "1";
    adapter.KindText = "1";
    adapter.DeviceId = service;
    adapter.Kind = kKindIsa;
    return adapter;
}

struct Machine : TestMachine {
    explicit Machine(System system) : TestMachine(system) {
        Load(kNineXAdapters);
        // The NT adapters' keys exist, as with the cards installed.
        SetText(kInterface, "IPAddress", "");
        SetText(kNt4Adapter, "IPAddress", "");
    }
    AdapterDiscovery discovery{Context(), environment};
    TcpipParameters parameters{Context(), environment, discovery};
};

// NT: a DWORD "MTU", 1500 when absent, 0 or beyond what the field holds.
struct NtReadCase {
    System system;
    const char* key;
    const char* service;
    std::optional<std::uint32_t> stored;
    std::int16_t expected;
};

void PrintTo(const NtReadCase& c, std::ostream* out) {
    *out << SystemName(c.system) << " " << (c.stored ? std::to_string(*c.stored) : "absent");
}

class ReadMtuNT : public ::testing::TestWithParam<NtReadCase> {};

TEST_P(ReadMtuNT, ReadsTheAdaptersKey) {
    const NtReadCase& c = GetParam();
    Machine machine(c.system);
    if (c.stored) machine.SetDword(c.key, "MTU", *c.stored);
    EXPECT_EQ(c.expected, machine.parameters.ReadMtuNT(NtCard(c.service)));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ReadMtuNT,
    ::testing::Values(NtReadCase{System::Win2000, kInterface, "{4D36E972}", 1400u, 1400},
                      NtReadCase{System::WinXp, kInterface, "{4D36E972}", std::nullopt, 1500},
                      NtReadCase{System::WinXp, kInterface, "{4D36E972}", 0u, 1500},
                      NtReadCase{System::WinXp, kInterface, "{4D36E972}", 70000u, 1500},
                      NtReadCase{System::WinXp, kInterface, "{4D36E972}", 0xFFFFFFFFu, 1500},
                      NtReadCase{System::Nt4, kNt4Adapter, "El59x1", 576u, 576},
                      // NT 4 does not look in the interface key.
                      NtReadCase{System::Nt4, kInterface, "{4D36E972}", 576u, 1500}));

TEST(ReadMtu95, ReadsMaxMtuOfTheTransport) {
    Machine machine(System::Win95);
    AdapterEntry adapter = Software();
    EXPECT_EQ(1500, machine.parameters.ReadMtu95(adapter));
    machine.SetText(kNetTrans0000, "MaxMTU", "0");
    EXPECT_EQ(1500, machine.parameters.ReadMtu95(adapter));
    machine.SetText(kNetTrans0000, "MaxMTU", std::string("576\0", 4));
    EXPECT_EQ(576, machine.parameters.ReadMtu95(adapter));
    machine.SetText(kNetTrans0000, "MaxMTU", "99999");
    EXPECT_EQ(1500, machine.parameters.ReadMtu95(adapter)) << "too large for the field";
    adapter.Invalid = true;
    EXPECT_EQ(0, machine.parameters.ReadMtu95(adapter));
    EXPECT_EQ(0, machine.parameters.ReadMtu95(Unbound()));
}

TEST(ReadMtu98, SoftwareAdapterReadsIpMtuOfItsClassKey) {
    Machine machine(System::Win98);
    EXPECT_EQ(0, machine.parameters.ReadMtu98(Software())) << "absent: automatic";
    machine.SetText(kClassNet0002, "IPMTU", "Auto");
    EXPECT_EQ(0, machine.parameters.ReadMtu98(Software()));
    machine.SetText(kClassNet0002, "IPMTU", std::string("1500\0", 5));
    EXPECT_EQ(1500, machine.parameters.ReadMtu98(Software()));
}

TEST(ReadMtu98, HardwareAdapterReadsMaxMtuOfItsTransport) {
    Machine machine(System::Win95Dun13);
    EXPECT_EQ(1500, machine.parameters.ReadMtu98(PciCard()));
    machine.SetText(kNetTrans0003, "MaxMTU", "1400");
    EXPECT_EQ(1400, machine.parameters.ReadMtu98(PciCard()));
    AdapterEntry invalid = PciCard();
    invalid.Invalid = true;
    EXPECT_EQ(0, machine.parameters.ReadMtu98(invalid));
}

TEST(ReadMtu98, ConnectionSharingReadsInternetMtu) {
    Machine machine(System::WinMe);
    EXPECT_EQ(0, machine.parameters.ReadMtu98(ConnectionSharing()));
    EXPECT_EQ(0, ReadIcsMtu(machine.Context()));
    machine.SetText(kSharing, "InternetMTU", std::string("1400\0", 5));
    EXPECT_EQ(1400, machine.parameters.ReadMtu98(ConnectionSharing()));
    EXPECT_EQ(1400, ReadIcsMtu(machine.Context()));
}

TcpipSettings WithAdapters(std::initializer_list<AdapterEntry> adapters) {
    TcpipSettings settings;
    for (const AdapterEntry& adapter : adapters)
        settings.Adapters[++settings.AdapterCount] = adapter;
    return settings;
}

TEST(ReadAdapterMtus, Win98ShowsAutomaticAs576AndMarksUnboundHardware) {
    Machine machine(System::Win98);
    machine.SetText(kNetTrans0003, "MaxMTU", "1400");
    TcpipSettings settings = WithAdapters({Software(), PciCard(), Unbound()});
    machine.parameters.ReadAdapterMtus(settings);
    EXPECT_EQ(0, settings.Adapters[1].IpMtu);
    EXPECT_EQ(576, settings.Adapters[1].Mtu);
    EXPECT_FALSE(settings.Adapters[1].Invalid);
    EXPECT_EQ(1400, settings.Adapters[2].IpMtu);
    EXPECT_EQ(1400, settings.Adapters[2].Mtu);
    EXPECT_TRUE(settings.Adapters[3].Invalid);
    EXPECT_EQ(0, settings.Adapters[3].IpMtu);
}

TEST(ReadAdapterMtus, PlainWin95ReadsMtuAndMarksUnboundSoftware) {
    Machine machine(System::Win95);
    machine.SetText(kNetTrans0000, "MaxMTU", "576");
    AdapterEntry unboundSoftware = Software();
    unboundSoftware.InstanceKey = "0001";
    TcpipSettings settings = WithAdapters({Software(), unboundSoftware});
    machine.parameters.ReadAdapterMtus(settings);
    EXPECT_EQ(576, settings.Adapters[1].Mtu);
    EXPECT_TRUE(settings.Adapters[2].Invalid);
    EXPECT_EQ(0, settings.Adapters[2].Mtu);
}

TEST(ReadAdapterMtus, NtReadsEachInterface) {
    Machine machine(System::WinXp);
    machine.SetDword(kInterface, "MTU", 1492);
    TcpipSettings settings = WithAdapters({NtCard("{4D36E972}"), NtCard("{Other}")});
    machine.parameters.ReadAdapterMtus(settings);
    EXPECT_EQ(1492, settings.Adapters[1].Mtu);
    EXPECT_EQ(1500, settings.Adapters[2].Mtu);
    EXPECT_FALSE(settings.Adapters[2].Invalid);
}

struct NtWriteCase {
    System system;
    const char* key;
    const char* service;
};

void PrintTo(const NtWriteCase& c, std::ostream* out) {
    *out << SystemName(c.system);
}

class WriteMtuNt : public ::testing::TestWithParam<NtWriteCase> {};

TEST_P(WriteMtuNt, StoresADwordUnless1500) {
    const NtWriteCase& c = GetParam();
    Machine machine(c.system);
    machine.parameters.WriteMtu(NtCard(c.service), 576);
    EXPECT_EQ(576u, machine.Dword(c.key, "MTU").value_or(0));
    machine.parameters.WriteMtu(NtCard(c.service), 1500);
    EXPECT_FALSE(machine.Raw(c.key, "MTU").has_value());
}

INSTANTIATE_TEST_SUITE_P(Nt, WriteMtuNt,
                         ::testing::Values(NtWriteCase{System::Nt4, kNt4Adapter, "El59x1"},
                                           NtWriteCase{System::Win2000, kInterface, "{4D36E972}"},
                                           NtWriteCase{System::WinXp, kInterface, "{4D36E972}"}));

TEST(WriteMtu, PlainWin95StoresTextInTheTransportUnless1500) {
    Machine machine(System::Win95);
    machine.parameters.WriteMtu(Software(), 576);
    EXPECT_EQ("576", machine.Raw(kNetTrans0000, "MaxMTU").value_or("(absent)"));
    machine.parameters.WriteMtu(Software(), 1500);
    EXPECT_FALSE(machine.Raw(kNetTrans0000, "MaxMTU").has_value());
}

TEST(WriteMtu, AnUnknownTransportIsNotWrittenInto) {
    Machine machine(System::Win95);
    machine.SetText("Enum\\Network\\MSTCP\\0000", "Driver", "");
    machine.boxes.Answer(ui::vbOK, "Registry Error.");
    machine.parameters.WriteMtu(Software(), 576);
    EXPECT_FALSE(machine.Raw(kNetTrans, "MaxMTU").has_value());
    EXPECT_EQ(1u, machine.boxes.Shown().size());
}

TEST(WriteMtu98, SoftwareAdapterAlwaysStoresBothCopies) {
    for (std::int16_t mtu : {1500, 0, 576}) {
        Machine machine(System::Win98);
        machine.parameters.WriteMtu98(Software(), mtu);
        const std::string text = std::to_string(mtu);
        EXPECT_EQ(text, machine.Raw(kClassNet0002, "IPMTU").value_or("(absent)"));
        EXPECT_EQ(text, machine.Raw(kIpMtuParameter, "").value_or("(absent)"));
    }
}

TEST(WriteMtu98, HardwareAdapterStoresMaxMtuUnless1500) {
    Machine machine(System::Win95Dun13);
    machine.parameters.WriteMtu98(PciCard(), 576);
    EXPECT_EQ("576", machine.Raw(kNetTrans0003, "MaxMTU").value_or("(absent)"));
    machine.parameters.WriteMtu98(PciCard(), 1500);
    EXPECT_FALSE(machine.Raw(kNetTrans0003, "MaxMTU").has_value());
}

TEST(WriteIcsMtu, IsNeverRemoved) {
    Machine machine(System::Win98);
    machine.parameters.WriteIcsMtu(1500);
    EXPECT_EQ("1500", machine.Raw(kSharing, "InternetMTU").value_or("(absent)"));
}

}  // namespace
}  // namespace qn::testing
