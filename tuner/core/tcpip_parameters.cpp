#include "tuner/core/tcpip_parameters.h"

#include "tuner/core/registry_class.h"
#include "tuner/core/tuner_settings.h"

namespace qn {

const char* const kMstcpKey9x = "System\\CurrentControlSet\\Services\\VxD\\MSTCP\\";
const char* const kTcpipKeyNt = "System\\CurrentControlSet\\Services\\Tcpip\\Parameters\\";
const char* const kInterfacesKeyNt =
    "SYSTEM\\CurrentControlSet\\Services\\Tcpip\\Parameters\\Interfaces\\";
const char* const kNetTransKey9x = "System\\CurrentControlSet\\Services\\Class\\NetTrans\\";
const char* const kClassNetKey9x = "System\\CurrentControlSet\\Services\\Class\\Net\\";
const char* const kSharingKey = "System\\CurrentControlSet\\Services\\ICSharing\\Settings\\General";
const char* const kAolSocketKey = "SOFTWARE\\America Online\\AOL\\aolsock";

namespace {

// What the window shows for a software adapter left on automatic.
constexpr std::int16_t kAutomaticMtuShown = 576;

// AOL's socket layer keeps its own copy of the adapter settings; without it
// AOL takes the new ones.
void ForgetAolSocketSettings(RegistryContext context) {
    CRegistry registry(context);
    registry.DeleteKey(kAolSocketKey, kHkeyLocalMachine);
}

}  // namespace

void TcpipParameters::ReadAdapterMtus(TcpipSettings& settings) {
    const bool nt = environment_.IsWinNT();
    // 9x: an adapter without a transport binding is invalid before its MTU is read.
    if (!nt) discovery_.MarkInvalidAdapters(settings);
    const bool plainWin95 = environment_.IsPlainWin95();
    for (int index = 1; index <= settings.AdapterCount && index < kAdapterSlots; ++index) {
        AdapterEntry& adapter = settings.Adapters[index];
        if (nt) {
            adapter.Mtu = ReadMtuNT(adapter);
        } else if (plainWin95) {
            adapter.Mtu = ReadMtu95(adapter);
        } else {
            adapter.IpMtu = ReadMtu98(adapter);
            adapter.Mtu = adapter.IpMtu != 0 ? adapter.IpMtu : kAutomaticMtuShown;
        }
    }
}

void TcpipParameters::ReadGlobals(TcpipSettings& settings) {
    settings.Rwin = ReadRwin();
    settings.Ttl = ReadTtl();
    settings.PmtuDiscovery = ReadPmtuDiscovery();
    settings.PmtuBlackHole = ReadPmtuBlackHole();
    settings.SessionKeepAlive = ReadSessionKeepAlive();
}

void TcpipParameters::SaveValues(const TcpipSettings& settings, SettingsStore& tunerSettings) {
    const bool mtuPerAdapter = environment_.IsWinNT() || environment_.IsPlainWin95();
    for (int index = 1; index <= settings.AdapterCount && index < kAdapterSlots; ++index) {
        const AdapterEntry& adapter = settings.Adapters[index];
        if (adapter.Invalid) continue;
        if (mtuPerAdapter)
            WriteMtu(adapter, adapter.Mtu);
        else if (adapter.Kind == kKindConnectionSharing)
            WriteIcsMtu(adapter.Mtu);
        else
            WriteMtu98(adapter, adapter.IpMtu);
        if (adapter.Kind == kKindAol) ForgetAolSocketSettings(context_);
    }
    if (!environment_.IsWinNT()) WriteSessionKeepAlive(settings.SessionKeepAlive);
    WritePmtuDiscovery(settings.PmtuDiscovery);
    WritePmtuBlackHole(settings.PmtuBlackHole);
    WriteRwin(settings.Rwin);
    TunerSettings(tunerSettings).SetRwinCalc(settings.RwinCalc);
    WriteTtl(settings.Ttl);
}

}  // namespace qn
