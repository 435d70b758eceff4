// Finding an adapter's TCP/IP binding and transport, and marking adapters
// without one.
#include <gtest/gtest.h>

#include "tests/unit/tuner_discovery/tuner_test_machine.h"
#include "tuner/core/adapter_discovery.h"

namespace qn::testing {
namespace {

AdapterEntry Adapter(int kind, const std::string& instanceKey, const std::string& deviceId = "") {
    AdapterEntry adapter;
    adapter.Kind = static_cast<std::int16_t>(kind);
    adapter.KindText = std::to_string(kind);
    adapter.InstanceKey = instanceKey;
    adapter.DeviceId = deviceId;
    return adapter;
}

struct BindingsCase {
    int kind;
    const char* deviceId;
    const char* bindingsKey;  // where the test puts the binding
};

void PrintTo(const BindingsCase& c, std::ostream* out) {
    *out << "kind " << c.kind;
}

class BindingsKey : public ::testing::TestWithParam<BindingsCase> {};

TEST_P(BindingsKey, DependsOnTheKind) {
    const BindingsCase& c = GetParam();
    TestMachine machine(System::Win98);
    machine.SetText(c.bindingsKey, "MSTCP\\0003", "");
    // Bus devices: only their first instance counts.
    if (*c.deviceId)
        machine.SetText(std::string("Enum\\") + c.deviceId + "\\ZZZ\\Bindings", "MSTCP\\0001", "");
    AdapterDiscovery discovery(machine.Context(), machine.environment);
    EXPECT_EQ("0003", discovery.FindTcpBinding(Adapter(c.kind, "0007", c.deviceId)));
    EXPECT_EQ(0u, machine.registry.OpenHandleCount());
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, BindingsKey,
    ::testing::Values(BindingsCase{0, "", "Enum\\Root\\Net\\0007\\Bindings"},
                      BindingsCase{3, "", "Enum\\Root\\Net\\0007\\Bindings"},
                      BindingsCase{5, "", "Enum\\Root\\Net\\0007\\Bindings"},
                      BindingsCase{1, "*PNP80D6", "Enum\\Root\\*PNP80D6\\0000\\Bindings"},
                      BindingsCase{2, "PCI\\VEN_10EC&DEV_8139",
                                   "Enum\\PCI\\VEN_10EC&DEV_8139\\BUS_00&DEV_0B\\Bindings"},
                      BindingsCase{4, "PCMCIA\\MEGAHERTZ-CC10BT",
                                   "Enum\\PCMCIA\\MEGAHERTZ-CC10BT\\1\\Bindings"}));

TEST(FindTcpBinding, TakesTheLowestMstcpNumberBelow100) {
    TestMachine machine(System::Win98);
    const char* key = "Enum\\Root\\Net\\0000\\Bindings";
    machine.SetText(key, "NETBEUI\\0000", "");
    machine.SetText(key, "MSTCP\\0100", "");
    AdapterDiscovery discovery(machine.Context(), machine.environment);
    EXPECT_EQ("Null", discovery.FindTcpBinding(Adapter(0, "0000")));
    machine.SetText(key, "MSTCP\\0012", "");
    machine.SetText(key, "MSTCP\\0004", "");
    EXPECT_EQ("0004", discovery.FindTcpBinding(Adapter(0, "0000")));
    EXPECT_EQ(0u, machine.registry.OpenHandleCount());
}

TEST(FindTcpBinding, ABindingOfAnyTypeCounts) {
    TestMachine machine(System::Win95);
    machine.SetDword("Enum\\Root\\Net\\0000\\Bindings", "MSTCP\\0002", 0);
    AdapterDiscovery discovery(machine.Context(), machine.environment);
    EXPECT_EQ("0002", discovery.FindTcpBinding(Adapter(0, "0000")));
}

TEST(FindTcpBinding, ADeviceWithoutSubKeysHasNoBinding) {
    TestMachine machine(System::Win98);
    machine.SetText("Enum\\PCI\\VEN_10EC&DEV_8139", "x", "");
    AdapterDiscovery discovery(machine.Context(), machine.environment);
    EXPECT_EQ("Null", discovery.FindTcpBinding(Adapter(2, "0003", "PCI\\VEN_10EC&DEV_8139")));
    EXPECT_EQ("Null", discovery.FindTcpBinding(Adapter(kKindConnectionSharing, "0", "0")));
}

class NetTransKey : public ::testing::Test {
  protected:
    NetTransKey() : machine(System::Win98) {
        machine.SetText("Enum\\Root\\Net\\0000\\Bindings", "MSTCP\\0003", "");
    }
    TestMachine machine;
    AdapterDiscovery discovery{machine.Context(), machine.environment};
};

TEST_F(NetTransKey, IsTheEndOfTheBindingsDriverWithoutItsNul) {
    machine.SetText("Enum\\Network\\MSTCP\\0003", "Driver", std::string("NetTrans\\0011\0", 14));
    EXPECT_EQ("0011", discovery.GetNetTransKey(Adapter(0, "0000")));
    machine.SetText("Enum\\Network\\MSTCP\\0003", "Driver", "NetTrans\\0012");
    EXPECT_EQ("0012", discovery.GetNetTransKey(Adapter(0, "0000")));
    EXPECT_TRUE(machine.boxes.Shown().empty());
}

TEST_F(NetTransKey, WithoutBindingIsNullAndSilent) {
    EXPECT_EQ("Null", discovery.GetNetTransKey(Adapter(0, "0001")));
    EXPECT_TRUE(machine.boxes.Shown().empty());
}

TEST_F(NetTransKey, EmptyDriverIsReportedAsRegistryError) {
    machine.SetText("Enum\\Network\\MSTCP\\0003", "Driver", std::string("\0", 1));
    machine.boxes.Answer(ui::vbOK, "Registry Error.");
    EXPECT_EQ("", discovery.GetNetTransKey(Adapter(0, "0000")));
    ASSERT_EQ(1u, machine.boxes.Shown().size());
    EXPECT_EQ(ui::vbOKOnly, machine.boxes.Shown()[0].buttons);
    EXPECT_EQ("Quillon", machine.boxes.Shown()[0].title);
}

TEST(ClassNetKey, IsTheEndOfTheAdaptersDriverWithoutItsNul) {
    TestMachine machine(System::Win98);
    machine.SetText("Enum\\Root\\Net\\0002", "Driver", std::string("Net\\0004\0", 9));
    AdapterDiscovery discovery(machine.Context(), machine.environment);
    EXPECT_EQ("0004", discovery.GetClassNetKey(Adapter(0, "0002")));
    EXPECT_EQ("", discovery.GetClassNetKey(Adapter(0, "0003")));
}

// Adapters by kind, each bound or not; the result lists which are invalid.
struct ValidityCase {
    System system;
    const char* invalid;  // the labels of the invalid adapters, concatenated
};

void PrintTo(const ValidityCase& c, std::ostream* out) {
    *out << SystemName(c.system);
}

class MarkInvalidAdapters : public ::testing::TestWithParam<ValidityCase> {};

TEST_P(MarkInvalidAdapters, OnlyAdaptersWithoutTransportThatNeedOne) {
    TestMachine machine(GetParam().system);
    machine.Load(R"(
[HKEY_LOCAL_MACHINE\Enum\Root\Net\0000\Bindings]
"MSTCP\\0000"=""

[HKEY_LOCAL_MACHINE\Enum\Network\MSTCP\0000]
"Driver"="NetTrans\\0000"
)");
    TcpipSettings settings;
    const AdapterEntry adapters[] = {Adapter(kKindConnectionSharing, "0"),
                                     Adapter(0, "0000"),
                                     Adapter(0, "0001"),
                                     Adapter(5, "0000"),
                                     Adapter(5, "0001"),
                                     Adapter(1, "0002", "*PNP80D6")};
    const char* labels[] = {"I", "S+", "S-", "H+", "H-", "A-"};
    settings.AdapterCount = 6;
    for (int i = 0; i < 6; ++i) {
        settings.Adapters[i + 1] = adapters[i];
        settings.Adapters[i + 1].Label = labels[i];
    }
    AdapterDiscovery(machine.Context(), machine.environment).MarkInvalidAdapters(settings);
    std::string invalid;
    for (int i = 1; i <= settings.AdapterCount; ++i)
        if (settings.Adapters[i].Invalid) invalid += settings.Adapters[i].Label;
    EXPECT_EQ(GetParam().invalid, invalid);
    EXPECT_TRUE(machine.boxes.Shown().empty());
}

INSTANTIATE_TEST_SUITE_P(Systems, MarkInvalidAdapters,
                         ::testing::Values(ValidityCase{System::Win95, "S-H-A-"},
                                           ValidityCase{System::Win95Dun13, "H-A-"},
                                           ValidityCase{System::Win98, "H-A-"},
                                           ValidityCase{System::WinMe, "H-A-"},
                                           ValidityCase{System::Nt4, ""},
                                           ValidityCase{System::WinXp, ""}));

TEST(AdapterKindSuffix, NamesEachCategory) {
    EXPECT_EQ(" (Software)", AdapterKindSuffix(0));
    EXPECT_EQ(" (Hardware - ISA)", AdapterKindSuffix(1));
    EXPECT_EQ(" (Hardware - PCI)", AdapterKindSuffix(2));
    EXPECT_EQ(" (AOL)", AdapterKindSuffix(3));
    EXPECT_EQ(" (Hardware - PCMCIA)", AdapterKindSuffix(4));
    EXPECT_EQ(" (Hardware)", AdapterKindSuffix(5));
    EXPECT_EQ("", AdapterKindSuffix(99));
}

}  // namespace
}  // namespace qn::testing
