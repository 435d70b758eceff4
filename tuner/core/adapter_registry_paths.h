#pragma once
// Where the 9x and NT registries keep their network adapters.
#include <string>

namespace qn {

constexpr const char* kEnumKey9x = "Enum\\";
constexpr const char* kEnumRootKey9x = "Enum\\Root\\";
constexpr const char* kEnumRootNetKey9x = "Enum\\Root\\Net\\";
constexpr const char* kEnumPciKey9x = "Enum\\PCI";
constexpr const char* kEnumMstcpKey9x = "Enum\\Network\\MSTCP\\";
constexpr const char* kClassKey9x = "System\\CurrentControlSet\\Services\\Class\\";
constexpr const char* kNetworkCardsKeyNt =
    "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\NetworkCards\\";

// "0007": 9x names its instance keys with four digits.
std::string InstanceKey9x(int instance);

// The instance a "Driver" value such as "Net\0003" ends in: its last four
// characters (all of a shorter text).
std::string LastFourCharacters(const std::string& text);

// "SYSTEM\CurrentControlSet\Services\" + service + "\Parameters\Tcpip": where
// an NT adapter's TCP/IP settings live (NT 4 keeps its MTU there).
std::string AdapterTcpipKeyNt(const std::string& serviceName);

}  // namespace qn
