// Saving the whole record: what is written, in which order, and that reading
// it back gives the record again.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "platform/memory/memory_settings_store.h"
#include "tests/unit/tuner_discovery/tuner_test_machine.h"
#include "tests/unit/tuner_params/recording_registry.h"
#include "tuner/core/tcpip_parameters.h"

namespace qn::testing {
namespace {

constexpr const char* kAolSocket = "SOFTWARE\\America Online\\AOL\\aolsock";

// A dial-up adapter (class 0002), an AOL adapter (transport 0004) and an ISA
// card (transport 0005); and the AOL software's own key.
constexpr const char* kWin98Machine = R"(
[HKEY_LOCAL_MACHINE\Enum\Root\Net\0000]
"Driver"="Net\\0002"

[HKEY_LOCAL_MACHINE\System\CurrentControlSet\Services\Class\Net\0002\Ndi\params\IPMTU]

[HKEY_LOCAL_MACHINE\Enum\Root\Net\0001\Bindings]
"MSTCP\\0004"=""

[HKEY_LOCAL_MACHINE\Enum\Root\*PNP80D6\0000\Bindings]
"MSTCP\\0005"=""

[HKEY_LOCAL_MACHINE\Enum\Network\MSTCP\0004]
"Driver"="NetTrans\\0004"

[HKEY_LOCAL_MACHINE\Enum\Network\MSTCP\0005]
"Driver"="NetTrans\\0005"

[HKEY_LOCAL_MACHINE\System\CurrentControlSet\Services\Class\NetTrans\0004]

[HKEY_LOCAL_MACHINE\System\CurrentControlSet\Services\Class\NetTrans\0005]

[HKEY_LOCAL_MACHINE\System\CurrentControlSet\Services\ICSharing\Settings\General]

[HKEY_LOCAL_MACHINE\System\CurrentControlSet\Services\VxD\MSTCP]

[HKEY_LOCAL_MACHINE\System\CurrentControlSet\Services\Tcpip\Parameters]

[HKEY_LOCAL_MACHINE\SOFTWARE\America Online\AOL\aolsock]
"Adapter"="1"
)";

AdapterEntry Entry(int kind, const std::string& instance, const std::string& deviceId,
                   std::int16_t mtu, std::int16_t ipMtu) {
    AdapterEntry adapter;
    adapter.Label = "adapter " + instance;
    adapter.Kind = static_cast<std::int16_t>(kind);
    adapter.KindText = kind == kKindConnectionSharing ? "-1" : std::to_string(kind);
    adapter.InstanceKey = instance;
    adapter.DeviceId = deviceId;
    adapter.Mtu = mtu;
    adapter.IpMtu = ipMtu;
    return adapter;
}

TcpipSettings Win98Record() {
    TcpipSettings settings;
    settings.Adapters[1] = Entry(kKindConnectionSharing, "0", "0", 1400, 0);
    settings.Adapters[2] = Entry(kKindSoftware, "0000", "", 576, 0);
    settings.Adapters[3] = Entry(kKindAol, "0001", "", 576, 576);
    settings.Adapters[4] = Entry(kKindIsa, "0002", "*PNP80D6", 1500, 1500);
    settings.AdapterCount = 4;
    settings.SessionKeepAlive = 10;
    settings.PmtuDiscovery = true;
    settings.PmtuBlackHole = false;
    settings.Rwin = 2144;
    settings.RwinCalc = 2;
    settings.Ttl = 128;
    return settings;
}

struct Recorded {
    explicit Recorded(System system) : machine(system) { machine.Load(kWin98Machine); }
    void Save(const TcpipSettings& settings) {
        RegistryContext context{registry, machine.boxes};
        AdapterDiscovery discovery(context, machine.environment);
        TcpipParameters(context, machine.environment, discovery).SaveValues(settings, store);
    }
    TestMachine machine;
    std::vector<std::string> log;
    RecordingRegistry registry{machine.registry, log};
    MemorySettingsStore settingsStore;
    RecordingSettingsStore store{settingsStore, log};
};

std::string Set(const std::string& key, const std::string& name) {
    return "set " + key + "\\" + name;
}
std::string Deleted(const std::string& key, const std::string& name) {
    return "delete " + key + "\\" + name;
}

TEST(SaveValues, Win98WritesAdaptersThenGlobalsInOrder) {
    Recorded recorded(System::Win98);
    recorded.Save(Win98Record());
    const std::string mstcp = kMstcp;
    EXPECT_THAT(recorded.log,
                ::testing::ElementsAre(
                    Set(kSharing, "InternetMTU"),                                  //
                    Set(std::string(kClassNet) + "0002", "IPMTU"),                 //
                    Set(std::string(kClassNet) + "0002\\Ndi\\params\\IPMTU", ""),  //
                    Set(std::string(kNetTrans) + "\\0004", "MaxMTU"),              //
                    "delete key " + std::string(kAolSocket),                       //
                    Set(std::string(kNetTrans) + "\\0005", "MaxMTU"),              //
                    Deleted(std::string(kNetTrans) + "\\0005", "MaxMTU"),          //
                    Set(mstcp, "SessionKeepAlive"),                                //
                    Set(mstcp, "PMTUDiscovery"), Deleted(mstcp, "PMTUDiscovery"),  //
                    Set(mstcp, "PMTUBlackHoleDetect"), Deleted(mstcp, "PMTUBlackHoleDetect"),
                    Set(mstcp, "DefaultRcvWindow"),           //
                    "setting Quillon\\Settings\\RWINCalc=2",  //
                    Set(mstcp, "DefaultTTL"), Deleted(mstcp, "DefaultTTL")));
    EXPECT_FALSE(recorded.machine.HasKey(kAolSocket));
    EXPECT_EQ("1400", recorded.machine.Raw(kSharing, "InternetMTU").value_or("(absent)"));
    EXPECT_EQ("0", recorded.machine.Raw(std::string(kClassNet) + "0002", "IPMTU").value_or(""));
    EXPECT_EQ("576",
              recorded.machine.Raw(std::string(kNetTrans) + "\\0004", "MaxMTU").value_or(""));
    EXPECT_EQ("600000", recorded.machine.Raw(kMstcp, "SessionKeepAlive").value_or(""));
    EXPECT_EQ(0u, recorded.machine.registry.OpenHandleCount());
    EXPECT_TRUE(recorded.machine.boxes.Shown().empty());
}

TEST(SaveValues, SkipsInvalidAdaptersAndKeepsTheirAolKey) {
    Recorded recorded(System::Win98);
    TcpipSettings settings = Win98Record();
    for (int i = 1; i <= settings.AdapterCount; ++i) settings.Adapters[i].Invalid = true;
    recorded.Save(settings);
    EXPECT_EQ(Set(kMstcp, "SessionKeepAlive"), recorded.log.front());
    EXPECT_TRUE(recorded.machine.HasKey(kAolSocket));
}

TEST(SaveValues, AnAbsentAolKeyIsNoError) {
    Recorded recorded(System::Win98);
    RegKey key = 0;
    recorded.machine.registry.OpenKey(kHkeyLocalMachine, "SOFTWARE\\America Online\\AOL",
                                      kKeyAllAccess, &key);
    recorded.machine.registry.DeleteKey(key, "aolsock");
    recorded.machine.registry.CloseKey(key);
    recorded.Save(Win98Record());
    EXPECT_TRUE(recorded.machine.boxes.Shown().empty());
    EXPECT_EQ("600000", recorded.machine.Raw(kMstcp, "SessionKeepAlive").value_or(""));
}

TEST(SaveValues, PlainWin95WritesEachAdaptersMtuAsMaxMtu) {
    Recorded recorded(System::Win95);
    TcpipSettings settings;
    settings.Adapters[1] = Entry(kKindAol, "0001", "", 576, 0);
    settings.AdapterCount = 1;
    settings.Ttl = 32;
    settings.PmtuDiscovery = true;
    settings.Rwin = 8192;
    settings.SessionKeepAlive = 60;
    recorded.Save(settings);
    EXPECT_EQ("576",
              recorded.machine.Raw(std::string(kNetTrans) + "\\0004", "MaxMTU").value_or(""));
    EXPECT_FALSE(recorded.machine.HasKey(kAolSocket));
    EXPECT_FALSE(recorded.machine.Raw(kMstcp, "DefaultTTL").has_value());
}

TEST(SaveValues, NtHasNoKeepAlive) {
    Recorded recorded(System::WinXp);
    TcpipSettings settings;
    settings.SessionKeepAlive = 90;
    settings.Ttl = 64;
    settings.Rwin = 8192;
    recorded.Save(settings);
    const std::string tcpip = kTcpip;
    EXPECT_THAT(recorded.log,
                ::testing::ElementsAre(Set(tcpip, "EnablePMTUDiscovery"),  //
                                       Set(tcpip, "EnablePMTUBHDetect"),
                                       Deleted(tcpip, "EnablePMTUBHDetect"),
                                       Set(tcpip, "TcpWindowSize"), Deleted(tcpip, "TcpWindowSize"),
                                       "setting Quillon\\Settings\\RWINCalc=0",  //
                                       Set(tcpip, "DefaultTTL")));
}

// What SaveValues writes, ReadGlobals reads back; defaults leave nothing.
class SaveAndRead : public ::testing::TestWithParam<System> {};

TEST_P(SaveAndRead, GivesTheSameRecord) {
    Recorded recorded(GetParam());
    const bool nt =
        GetParam() == System::Nt4 || GetParam() == System::Win2000 || GetParam() == System::WinXp;
    TcpipSettings saved;
    saved.Rwin = 32120;
    saved.Ttl = 64;
    saved.PmtuDiscovery = false;
    saved.PmtuBlackHole = true;
    saved.SessionKeepAlive = nt ? 60 : 15;
    recorded.Save(saved);
    RegistryContext context = recorded.machine.Context();
    AdapterDiscovery discovery(context, recorded.machine.environment);
    TcpipParameters parameters(context, recorded.machine.environment, discovery);
    TcpipSettings read;
    parameters.ReadGlobals(read);
    EXPECT_EQ(saved.Rwin, read.Rwin);
    EXPECT_EQ(saved.Ttl, read.Ttl);
    EXPECT_EQ(saved.PmtuDiscovery, read.PmtuDiscovery);
    EXPECT_EQ(saved.PmtuBlackHole, read.PmtuBlackHole);
    EXPECT_EQ(saved.SessionKeepAlive, read.SessionKeepAlive);
}

TEST_P(SaveAndRead, DefaultsLeaveNoValues) {
    Recorded recorded(GetParam());
    AdapterDiscovery discovery(recorded.machine.Context(), recorded.machine.environment);
    TcpipParameters parameters(recorded.machine.Context(), recorded.machine.environment, discovery);
    TcpipSettings defaults;
    parameters.ReadGlobals(defaults);
    recorded.Save(defaults);
    for (const char* key : {kMstcp, kTcpip}) {
        RegKey handle = 0;
        ASSERT_EQ(kRegSuccess,
                  recorded.machine.registry.OpenKey(kHkeyLocalMachine, key, kKeyRead, &handle));
        RegKeyInfo info;
        recorded.machine.registry.QueryInfoKey(handle, &info);
        recorded.machine.registry.CloseKey(handle);
        EXPECT_EQ(0u, info.values) << key;
    }
}

INSTANTIATE_TEST_SUITE_P(Systems, SaveAndRead,
                         ::testing::Values(System::Win95, System::Win95Dun13, System::Win98,
                                           System::WinMe, System::Nt4, System::Win2000,
                                           System::WinXp),
                         [](const ::testing::TestParamInfo<System>& info) {
                             return std::string(SystemName(info.param));
                         });

}  // namespace
}  // namespace qn::testing
