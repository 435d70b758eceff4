#pragma once
// The NT machines: nt40, win2k, winxp (fixtures/registry/). Every value is a
// DWORD; an adapter's "MTU" is deleted at 1500; there is no keep-alive.
#include "tests/support/machine_expectation.h"

namespace qn::machine_test {

// The network cards' interface keys.
namespace table {
inline constexpr const char* kWin2kCard10 = "{8D1E34A2-6C0B-4F3E-9B21-3C5A7E9D1F40}";
inline constexpr const char* kWin2kCard12 = "{2F6B9C51-0D7A-4E88-A4C3-7B1E5D20C9A6}";
inline constexpr const char* kXpCard10 = "{4D36E972-3F1A-4B2C-9E5D-0A1B2C3D4E5F}";
inline constexpr const char* kXpCard11 = "{7A2C5E90-4B1D-4F3A-8C6E-2D9B0F1A7E34}";

}  // namespace table

// NT 4: cards named by "Title", MTU under the card's service, TTL default 32.
inline const MachineExpectation& ExpectedNt40() {
    using namespace table;
    static const MachineExpectation machine{
        "nt40",
        {true, false, false, false, false},
        {
            {"[10] Intel(R) PRO/100B PCI Adapter (TX)", kNtCard, "10", "E100B1", kValid, 0, 1500},
            {"[13] Novell NE2000 Adapter", kNtCard, "13", "NE20001", kValid, 0, 576},
        },
        {8760, 32, true, true, 60},
        {
            {kTcpipKey, "EnablePMTUDiscovery", Dword(1), kAbsent},
        },
        {
            {Nt4AdapterTcpip("E100B1"), "MTU", kAbsent, Dword(576)},
            {kTcpipKey, "EnablePMTUDiscovery", Dword(1), kAbsent},
            {kTcpipKey, "EnablePMTUBHDetect", Dword(1), kAbsent},
            {kTcpipKey, "TcpWindowSize", Dword(8760), Dword(2144)},
            // 32 is the default here: 128 stays.
            {kTcpipKey, "DefaultTTL", kAbsent, Dword(128)},
        },
        {
            {Nt4AdapterTcpip("NE20001"), "MTU", Dword(576), kAbsent},
            {kTcpipKey, "EnablePMTUDiscovery", Dword(1), kAbsent},
            {kTcpipKey, "EnablePMTUBHDetect", Dword(1), kAbsent},
            {kTcpipKey, "TcpWindowSize", Dword(8760), kAbsent},
        },
    };
    return machine;
}

// Windows 2000: cards named by "Description", MTU in the interface key.
inline const MachineExpectation& ExpectedWin2000() {
    using namespace table;
    static const MachineExpectation machine{
        "win2k",
        {true, true, false, false, false},
        {
            {"3Com EtherLink XL 10/100 PCI For Complete PC Management NIC (3C905C-TX)", kNtCard,
             "10", kWin2kCard10, kValid, 0, 1500},
            {"Xircom CardBus Ethernet 10/100 Adapter", kNtCard, "12", kWin2kCard12, kValid, 0,
             1492},
        },
        {8192, 64, false, false, 60},
        {
            {NtInterface(kWin2kCard10), "MTU", Dword(1500), kAbsent},
            {kTcpipKey, "EnablePMTUBHDetect", Dword(2), kAbsent},
        },
        {
            {NtInterface(kWin2kCard10), "MTU", Dword(1500), Dword(576)},
            {NtInterface(kWin2kCard12), "MTU", Dword(1492), Dword(576)},
            {kTcpipKey, "EnablePMTUDiscovery", Dword(0), kAbsent},
            {kTcpipKey, "EnablePMTUBHDetect", Dword(2), kAbsent},
            {kTcpipKey, "TcpWindowSize", kAbsent, Dword(2144)},
            {kTcpipKey, "DefaultTTL", Dword(64), kAbsent},
        },
        {
            {NtInterface(kWin2kCard10), "MTU", Dword(1500), kAbsent},
            {NtInterface(kWin2kCard12), "MTU", Dword(1492), kAbsent},
            {kTcpipKey, "EnablePMTUDiscovery", Dword(0), kAbsent},
            {kTcpipKey, "EnablePMTUBHDetect", Dword(2), kAbsent},
            {kTcpipKey, "DefaultTTL", Dword(64), kAbsent},
        },
    };
    return machine;
}

// Windows XP, the demo machine: everything at its defaults but the wireless
// card's MTU, so saving it as read changes nothing.
inline const MachineExpectation& ExpectedWinXp() {
    using namespace table;
    static const MachineExpectation machine{
        "winxp",
        {true, true, true, false, false},
        {
            {"Realtek RTL8139 Family PCI Fast Ethernet NIC", kNtCard, "10", kXpCard10, kValid, 0,
             1500},
            {"Intel(R) PRO/Wireless 2200BG Network Connection", kNtCard, "11", kXpCard11, kValid, 0,
             1400},
        },
        {8192, 128, true, false, 60},
        {},
        {
            {NtInterface(kXpCard10), "MTU", kAbsent, Dword(576)},
            {NtInterface(kXpCard11), "MTU", Dword(1400), Dword(576)},
            {kTcpipKey, "TcpWindowSize", kAbsent, Dword(2144)},
        },
        {
            {NtInterface(kXpCard11), "MTU", Dword(1400), kAbsent},
        },
    };
    return machine;
}

}  // namespace qn::machine_test
