#pragma once
// Where Windows keeps each TCP/IP parameter, what an absent value means, and
// the rule that a value equal to the system's default is stored as absent.
#include <cstdint>
#include <string>

#include "platform/settings_store.h"
#include "tuner/core/adapter_discovery.h"
#include "tuner/core/environment.h"
#include "tuner/core/registry_context.h"
#include "tuner/core/tcpip_settings.h"

namespace qn {

// Keys under HKEY_LOCAL_MACHINE.
extern const char* const kMstcpKey9x;       // System\CurrentControlSet\Services\VxD\MSTCP\ .
extern const char* const kTcpipKeyNt;       // System\CurrentControlSet\Services\Tcpip\Parameters\ .
extern const char* const kInterfacesKeyNt;  // ...\Tcpip\Parameters\Interfaces\ .
extern const char* const kNetTransKey9x;    // System\CurrentControlSet\Services\Class\NetTrans\ .
extern const char* const kClassNetKey9x;    // System\CurrentControlSet\Services\Class\Net\ .
extern const char* const kSharingKey;       // ...\ICSharing\Settings\General
extern const char* const kAolSocketKey;     // SOFTWARE\America Online\AOL\aolsock

// The connection-sharing MTU ("internetMTU"); 0 when absent.
std::int16_t ReadIcsMtu(RegistryContext context);

class TcpipParameters {
  public:
    TcpipParameters(RegistryContext context, const Environment& environment,
                    AdapterDiscovery& discovery)
        : context_(context), environment_(environment), discovery_(discovery) {}

    // Readers; each gives the system's default for an absent value.
    std::int16_t ReadMtuNT(const AdapterEntry& adapter);
    std::int16_t ReadMtu95(const AdapterEntry& adapter);
    std::int16_t ReadMtu98(const AdapterEntry& adapter);
    std::int32_t ReadRwin();
    std::int16_t ReadTtl();
    bool ReadPmtuDiscovery();
    bool ReadPmtuBlackHole();
    std::int16_t ReadSessionKeepAlive();  // minutes

    // Writers: write, then delete the value again when it equals the default.
    void WriteMtu(const AdapterEntry& adapter, std::int16_t mtu);
    void WriteMtu98(const AdapterEntry& adapter, std::int16_t ipMtu);
    void WriteIcsMtu(std::int16_t mtu);
    void WriteRwin(std::int32_t rwin);
    void WriteTtl(std::int16_t ttl);
    void WritePmtuDiscovery(bool on);
    void WritePmtuBlackHole(bool on);
    void WriteSessionKeepAlive(std::int16_t minutes);

    // The default TTL of the running system.
    std::int16_t DefaultTtl() const;

    // Reads every adapter's MTU (marking 9x adapters without binding invalid)
    // and then the global values, in the loading order.
    void ReadAdapterMtus(TcpipSettings& settings);
    void ReadGlobals(TcpipSettings& settings);

    // Writes the record: adapters' MTUs (deleting the AOL socket key for an
    // AOL adapter), keep-alive (9x), path-MTU discovery, black-hole detection,
    // RWIN, the RWIN calculator's adapter ("RWINCalc" in the tuner's settings),
    // then TTL.
    void SaveValues(const TcpipSettings& settings, SettingsStore& tunerSettings);

  private:
    RegistryContext context_;
    const Environment& environment_;
    AdapterDiscovery& discovery_;
};

}  // namespace qn
