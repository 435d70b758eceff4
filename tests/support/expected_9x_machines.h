#pragma once
// The 9x machines: win95, win95-dun13, win98, winme (fixtures/registry/).
#include "tests/support/machine_expectation.h"

namespace qn::machine_test {

// Windows 95 without DUN 1.3: every adapter's MTU is "MaxMTU" in its
// transport key, written as text and deleted at 1500; numbers are DWORDs,
// the TTL text (default 32).
inline const MachineExpectation& ExpectedWin95() {
    using namespace table;
    static const MachineExpectation machine{
        "win95",
        {false, false, false, false, false},
        {
            {"Dial-Up Adapter (Software)", kSoftware, "0000", "", kValid, 0, 576},
            {"NE2000 Compatible (Hardware - ISA)", kIsa, "0001", "*PNP80D6", kValid, 0, 1500},
            {"3Com Fast EtherLink XL 10/100Mb TX Ethernet Adapter (3C905-TX) (Hardware - PCI)",
             kPci, "0003", R"(PCI\VEN_10B7&DEV_9050&SUBSYS_00000000&REV_00)", kValid, 0, 1500},
            {"AOL Adapter (AOL)", kAol, "0003", "", kValid, 0, 1500},
            {"Megahertz XJ10BT PCMCIA Ethernet Adapter (Hardware - PCMCIA)", kPcmcia, "0007",
             R"(PCMCIA\MEGAHERTZ-XJ10BT-2B64)", kInvalid, 0, 0},
        },
        {8760, 64, false, true, 90},
        // As read: the MTUs are rewritten without NUL, 1500 and "0" (read
        // as 1500) are deleted; the globals already hold exactly what the
        // tuner writes (the TTL "64" was stored without NUL).
        {
            {NetTrans("0000"), "MaxMTU", Text("576"), TextNoNul("576")},
            {NetTrans("0002"), "MaxMTU", Text("1500"), kAbsent},
            {NetTrans("0005"), "MaxMTU", Text("0"), kAbsent},
            {kAolSockKey, "Version", Text("4.0.1501"), kAbsent},
        },
        {
            {NetTrans("0000"), "MaxMTU", Text("576"), TextNoNul("576")},
            {NetTrans("0002"), "MaxMTU", Text("1500"), TextNoNul("576")},
            {NetTrans("0003"), "MaxMTU", kAbsent, TextNoNul("576")},
            {NetTrans("0005"), "MaxMTU", Text("0"), TextNoNul("576")},
            {kAolSockKey, "Version", Text("4.0.1501"), kAbsent},
            {kMstcpKey, "SessionKeepAlive", Dword(5400000), Dword(600000)},
            {kMstcpKey, "PMTUDiscovery", Dword(0), kAbsent},
            {kMstcpKey, "PMTUBlackHoleDetect", Dword(1), kAbsent},
            {kMstcpKey, "DefaultRcvWindow", Dword(8760), Dword(2144)},
            // 32 is the default here: 128 stays.
            {kMstcpKey, "DefaultTTL", TextNoNul("64"), TextNoNul("128")},
        },
        {
            {NetTrans("0000"), "MaxMTU", Text("576"), kAbsent},
            {NetTrans("0002"), "MaxMTU", Text("1500"), kAbsent},
            {NetTrans("0005"), "MaxMTU", Text("0"), kAbsent},
            {kAolSockKey, "Version", Text("4.0.1501"), kAbsent},
            {kMstcpKey, "SessionKeepAlive", Dword(5400000), kAbsent},
            {kMstcpKey, "PMTUDiscovery", Dword(0), kAbsent},
            {kMstcpKey, "PMTUBlackHoleDetect", Dword(1), kAbsent},
            {kMstcpKey, "DefaultRcvWindow", Dword(8760), kAbsent},
            {kMstcpKey, "DefaultTTL", TextNoNul("64"), kAbsent},
        },
    };
    return machine;
}

// Windows 95 with DUN 1.3: dial-up adapters keep "IPMTU" in their class key
// and its copy in "Ndi\params\IPMTU" (never deleted), hardware "MaxMTU";
// the globals keep the Windows 95 types, but the TTL default is 128.
inline const MachineExpectation& ExpectedWin95Dun13() {
    using namespace table;
    static const MachineExpectation machine{
        "win95-dun13",
        {false, false, false, false, true},
        {
            {"Dial-Up Adapter (Software)", kSoftware, "0000", "", kValid, 0, 576},
            {"Dial-Up Adapter #2 (VPN Support) (Software)", kSoftware, "0002", "", kValid, 1400,
             1400},
            {"NE2000 Compatible (Hardware - ISA)", kIsa, "0001", "*PNP80D6", kValid, 1500, 1500},
            {"Intel 8255x-based PCI Ethernet Adapter (10/100) (Hardware - PCI)", kPci, "0003",
             R"(PCI\VEN_8086&DEV_1229)", kInvalid, 0, 576},
        },
        {8192, 128, true, false, 2},
        // As read: dial-up MTUs are always written (automatic as "0"); the
        // keep-alive is held in whole minutes; defaults written out go.
        {
            {ClassNet("0000"), "IPMTU", kAbsent, TextNoNul("0")},
            {ClassNetIpMtuParam("0000"), "@", kAbsent, TextNoNul("0")},
            {ClassNet("0004"), "IPMTU", Text("1400"), TextNoNul("1400")},
            {ClassNetIpMtuParam("0004"), "@", Text("1400"), TextNoNul("1400")},
            {kMstcpKey, "SessionKeepAlive", Dword(100000), Dword(120000)},
            {kMstcpKey, "PMTUBlackHoleDetect", Dword(0), kAbsent},
            {kMstcpKey, "DefaultRcvWindow", Dword(0), kAbsent},
            {kMstcpKey, "DefaultTTL", Text("128"), kAbsent},
        },
        {
            {ClassNet("0000"), "IPMTU", kAbsent, TextNoNul("576")},
            {ClassNetIpMtuParam("0000"), "@", kAbsent, TextNoNul("576")},
            {ClassNet("0004"), "IPMTU", Text("1400"), TextNoNul("576")},
            {ClassNetIpMtuParam("0004"), "@", Text("1400"), TextNoNul("576")},
            {NetTrans("0001"), "MaxMTU", kAbsent, TextNoNul("576")},
            {kMstcpKey, "SessionKeepAlive", Dword(100000), Dword(600000)},
            {kMstcpKey, "PMTUBlackHoleDetect", Dword(0), kAbsent},
            {kMstcpKey, "DefaultRcvWindow", Dword(0), Dword(2144)},
            {kMstcpKey, "DefaultTTL", Text("128"), kAbsent},
        },
        {
            {ClassNet("0000"), "IPMTU", kAbsent, TextNoNul("0")},
            {ClassNetIpMtuParam("0000"), "@", kAbsent, TextNoNul("0")},
            {ClassNet("0004"), "IPMTU", Text("1400"), TextNoNul("0")},
            {ClassNetIpMtuParam("0004"), "@", Text("1400"), TextNoNul("0")},
            {kMstcpKey, "SessionKeepAlive", Dword(100000), kAbsent},
            {kMstcpKey, "PMTUBlackHoleDetect", Dword(0), kAbsent},
            {kMstcpKey, "DefaultRcvWindow", Dword(0), kAbsent},
            {kMstcpKey, "DefaultTTL", Text("128"), kAbsent},
        },
    };
    return machine;
}

// Windows 98: as DUN 1.3 for the MTUs, every global value text (TTL default
// 128). The AOL adapter would also pass as root-enumerated hardware: it is
// listed once, as AOL.
inline const MachineExpectation& ExpectedWin98() {
    using namespace table;
    static const MachineExpectation machine{
        "win98",
        {false, false, false, true, false},
        {
            {"Dial-Up Adapter (Software)", kSoftware, "0000", "", kValid, 576, 576},
            {"NE2000 Compatible (Hardware - ISA)", kIsa, "0002", "*PNP80D6", kValid, 1500, 1500},
            {"Realtek RTL8139(A/B/C/8130) PCI Fast Ethernet NIC (Hardware - ISA)", kIsa, "0003",
             R"(PCI\VEN_10EC&DEV_8139)", kInvalid, 0, 576},
            {"NE1000 Compatible (Hardware - ISA)", kIsa, "0006", "*PNP80D3", kInvalid, 0, 576},
            {"Realtek RTL8139(A/B/C/8130) PCI Fast Ethernet NIC (Hardware - PCI)", kPci, "0003",
             R"(PCI\VEN_10EC&DEV_8139&SUBSYS_813910EC&REV_10)", kValid, 1492, 1492},
            {"AOL Adapter (AOL)", kAol, "0003", "", kValid, 576, 576},
            {"Microsoft Virtual Private Networking Adapter (Hardware)", kRootHardware, "0001", "",
             kValid, 1400, 1400},
        },
        {5840, 64, false, false, 90},
        // As read: every value the tuner keeps is rewritten without NUL; the
        // black-hole "2" (off) goes as the default.
        {
            {ClassNet("0000"), "IPMTU", Text("576"), TextNoNul("576")},
            {ClassNetIpMtuParam("0000"), "@", Text("576"), TextNoNul("576")},
            {NetTrans("0004"), "MaxMTU", Text("1400"), TextNoNul("1400")},
            {NetTrans("0005"), "MaxMTU", Text("1492"), TextNoNul("1492")},
            {NetTrans("0007"), "MaxMTU", Text("576"), TextNoNul("576")},
            {kAolSockKey, "Version", Text("5.0.3417"), kAbsent},
            {kMstcpKey, "SessionKeepAlive", Text("5400000"), TextNoNul("5400000")},
            {kMstcpKey, "PMTUDiscovery", Text("0"), TextNoNul("0")},
            {kMstcpKey, "PMTUBlackHoleDetect", Text("2"), kAbsent},
            {kMstcpKey, "DefaultRcvWindow", Text("5840"), TextNoNul("5840")},
            {kMstcpKey, "DefaultTTL", Text("64"), TextNoNul("64")},
        },
        {
            {ClassNet("0000"), "IPMTU", Text("576"), TextNoNul("576")},
            {ClassNetIpMtuParam("0000"), "@", Text("576"), TextNoNul("576")},
            {NetTrans("0002"), "MaxMTU", kAbsent, TextNoNul("576")},
            {NetTrans("0004"), "MaxMTU", Text("1400"), TextNoNul("576")},
            {NetTrans("0005"), "MaxMTU", Text("1492"), TextNoNul("576")},
            {NetTrans("0007"), "MaxMTU", Text("576"), TextNoNul("576")},
            {kAolSockKey, "Version", Text("5.0.3417"), kAbsent},
            {kMstcpKey, "SessionKeepAlive", Text("5400000"), TextNoNul("600000")},
            {kMstcpKey, "PMTUDiscovery", Text("0"), kAbsent},
            {kMstcpKey, "PMTUBlackHoleDetect", Text("2"), kAbsent},
            {kMstcpKey, "DefaultRcvWindow", Text("5840"), TextNoNul("2144")},
            {kMstcpKey, "DefaultTTL", Text("64"), kAbsent},
        },
        {
            {ClassNet("0000"), "IPMTU", Text("576"), TextNoNul("0")},
            {ClassNetIpMtuParam("0000"), "@", Text("576"), TextNoNul("0")},
            {NetTrans("0004"), "MaxMTU", Text("1400"), kAbsent},
            {NetTrans("0005"), "MaxMTU", Text("1492"), kAbsent},
            {NetTrans("0007"), "MaxMTU", Text("576"), kAbsent},
            {kAolSockKey, "Version", Text("5.0.3417"), kAbsent},
            {kMstcpKey, "SessionKeepAlive", Text("5400000"), kAbsent},
            {kMstcpKey, "PMTUDiscovery", Text("0"), kAbsent},
            {kMstcpKey, "PMTUBlackHoleDetect", Text("2"), kAbsent},
            {kMstcpKey, "DefaultRcvWindow", Text("5840"), kAbsent},
            {kMstcpKey, "DefaultTTL", Text("64"), kAbsent},
        },
    };
    return machine;
}

// Windows ME: as Windows 98, with the connection-sharing entry first; its
// "InternetMTU" is never deleted.
inline const MachineExpectation& ExpectedWinMe() {
    using namespace table;
    static const MachineExpectation machine{
        "winme",
        {false, false, false, true, false},
        {
            {"Internet Connection Sharing (ICS)", kSharing, "0", "0", kValid, 1500, 1500},
            {"Dial-Up Adapter (Software)", kSoftware, "0000", "", kValid, 0, 576},
            {"Microsoft Virtual Private Networking Adapter (Software)", kSoftware, "0002", "",
             kValid, 1400, 1400},
            {"3Com EtherLink III LAN PC Card (3C589D) (Hardware - ISA)", kIsa, "0001",
             R"(PCMCIA\3COM_CORPORATION-3C589-5B7D)", kInvalid, 0, 576},
            {"3Com EtherLink III LAN PC Card (3C589D) (Hardware - PCMCIA)", kPcmcia, "0001",
             R"(PCMCIA\3COM_CORPORATION-3C589-5B7D)", kValid, 576, 576},
        },
        {64240, 128, true, true, 10},
        // As read: the dial-up adapter has no "Ndi\params\IPMTU" key, so only
        // its "IPMTU" is written; the keep-alive already lacked its NUL.
        {
            {kSharingKeyPath, "InternetMTU", Text("1500"), TextNoNul("1500")},
            {ClassNet("0000"), "IPMTU", Text(""), TextNoNul("0")},
            {ClassNet("0002"), "IPMTU", Text("1400"), TextNoNul("1400")},
            {ClassNetIpMtuParam("0002"), "@", Text("1400"), TextNoNul("1400")},
            {NetTrans("0003"), "MaxMTU", Text("576"), TextNoNul("576")},
            {kMstcpKey, "PMTUDiscovery", Text("1"), kAbsent},
            {kMstcpKey, "PMTUBlackHoleDetect", Text("1"), TextNoNul("1")},
            {kMstcpKey, "DefaultRcvWindow", Text("64240"), TextNoNul("64240")},
        },
        {
            {kSharingKeyPath, "InternetMTU", Text("1500"), TextNoNul("576")},
            {ClassNet("0000"), "IPMTU", Text(""), TextNoNul("576")},
            {ClassNet("0002"), "IPMTU", Text("1400"), TextNoNul("576")},
            {ClassNetIpMtuParam("0002"), "@", Text("1400"), TextNoNul("576")},
            {NetTrans("0003"), "MaxMTU", Text("576"), TextNoNul("576")},
            {kMstcpKey, "PMTUDiscovery", Text("1"), kAbsent},
            {kMstcpKey, "PMTUBlackHoleDetect", Text("1"), kAbsent},
            {kMstcpKey, "DefaultRcvWindow", Text("64240"), TextNoNul("2144")},
        },
        {
            {kSharingKeyPath, "InternetMTU", Text("1500"), TextNoNul("1500")},
            {ClassNet("0000"), "IPMTU", Text(""), TextNoNul("0")},
            {ClassNet("0002"), "IPMTU", Text("1400"), TextNoNul("0")},
            {ClassNetIpMtuParam("0002"), "@", Text("1400"), TextNoNul("0")},
            {NetTrans("0003"), "MaxMTU", Text("576"), kAbsent},
            {kMstcpKey, "SessionKeepAlive", TextNoNul("600000"), kAbsent},
            {kMstcpKey, "PMTUDiscovery", Text("1"), kAbsent},
            {kMstcpKey, "PMTUBlackHoleDetect", Text("1"), kAbsent},
            {kMstcpKey, "DefaultRcvWindow", Text("64240"), kAbsent},
        },
    };
    return machine;
}

}  // namespace qn::machine_test
