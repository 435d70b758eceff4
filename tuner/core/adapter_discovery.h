#pragma once
// Finds the network adapters that carry TCP/IP and where each keeps its
// settings, on the 9x and the NT family.
#include <set>
#include <string>

#include "tuner/core/environment.h"
#include "tuner/core/registry_context.h"
#include "tuner/core/tcpip_settings.h"

namespace qn {

// Discovery visits instance numbers 0 to 99 of each category.
constexpr int kInstancesPerCategory = 100;

// What FindTcpBinding and GetNetTransKey give for an adapter without a TCP/IP
// binding.
inline constexpr char kNoTcpBinding[] = "Null";

class AdapterDiscovery {
  public:
    AdapterDiscovery(RegistryContext context, const Environment& environment)
        : context_(context), environment_(environment) {}

    // Clears the table and fills it: the connection-sharing entry (98/ME),
    // then software, ISA, PCI, AOL, PCMCIA and root-enumerated adapters.
    void FindAdapters(TcpipSettings& settings);

    // The description of the adapter at that instance of that category, or ""
    // when there is none there; leaves its hardware id or service name in
    // FoundDeviceId().
    std::string DescribeAdapter(int instance, int category);
    const std::string& FoundDeviceId() const { return foundDeviceId_; }

    // 9x only. The four-digit number of the adapter's MSTCP binding, or "Null".
    std::string FindTcpBinding(const AdapterEntry& adapter);
    // 9x only. The adapter's instance under Class\NetTrans, "Null" without a
    // binding, or "" after telling the user "Registry Error.".
    std::string GetNetTransKey(const AdapterEntry& adapter);
    // 9x software adapters: the instance under Class\Net named by the last four
    // characters of the adapter's "Driver" value.
    std::string GetClassNetKey(const AdapterEntry& adapter);

    // Marks 9x adapters without a TCP/IP transport binding invalid.
    void MarkInvalidAdapters(TcpipSettings& settings);

    // Several lookups of one run meet the same broken binding; the user hears
    // of it once per adapter. The set outlives this object and names the
    // adapters already reported.
    void ReportRegistryErrorsOnce(std::set<std::string>& reported) { reported_ = &reported; }

  private:
    RegistryContext context_;
    const Environment& environment_;
    std::string foundDeviceId_;
    std::set<std::string>* reported_ = nullptr;
};

// " (Software)", " (Hardware - ISA)" ...; "" for kinds without one.
std::string AdapterKindSuffix(int kind);

}  // namespace qn
