// Which edits of the record count as a change that OK saves.
#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "tests/unit/tuner_main_window/window_on_machine.h"

namespace qn {
namespace {

using testing::Win98Window;

struct Edit {
    const char* name;
    void (*apply)(TcpipSettings&);
    bool counts;
};
void PrintTo(const Edit& row, std::ostream* os) {
    *os << row.name;
}

class RecordEdit : public Win98Window, public ::testing::WithParamInterface<Edit> {};

TEST_P(RecordEdit, CountsAsAChangeOnlyForWhatIsSaved) {
    ASSERT_FALSE(window.SettingsChanged());
    GetParam().apply(window.Settings);
    EXPECT_EQ(window.SettingsChanged(), GetParam().counts);
}

// Adapters 3 and 4 of Windows 98 are invalid, adapter 2 is valid.
INSTANTIATE_TEST_SUITE_P(
    Win98, RecordEdit,
    ::testing::Values(
        Edit{"KeepAlive", [](TcpipSettings& s) { s.SessionKeepAlive = 30; }, true},
        Edit{"PmtuDiscovery", [](TcpipSettings& s) { s.PmtuDiscovery = !s.PmtuDiscovery; }, true},
        Edit{"BlackHole", [](TcpipSettings& s) { s.PmtuBlackHole = !s.PmtuBlackHole; }, true},
        Edit{"Ttl", [](TcpipSettings& s) { s.Ttl = 128; }, true},
        Edit{"Rwin", [](TcpipSettings& s) { s.Rwin = 8192; }, true},
        Edit{"RwinCalc", [](TcpipSettings& s) { s.RwinCalc = 2; }, true},
        Edit{"ValidAdapterMtu", [](TcpipSettings& s) { s.Adapters[2].Mtu = 1400; }, true},
        Edit{"ValidAdapterIpMtu", [](TcpipSettings& s) { s.Adapters[2].IpMtu = 0; }, true},
        Edit{"HostsFile", [](TcpipSettings& s) { s.HostsFileEnabled = 1; }, false},
        Edit{"MtuAdapter", [](TcpipSettings& s) { s.MtuAdapter = 2; }, false},
        Edit{"RwinMultiplier", [](TcpipSettings& s) { s.RwinMultiplier = 4.0; }, false},
        Edit{"InvalidAdapterMtu", [](TcpipSettings& s) { s.Adapters[3].Mtu = 1400; }, false},
        Edit{"InvalidAdapterIpMtu", [](TcpipSettings& s) { s.Adapters[4].IpMtu = 1400; }, false}),
    [](const ::testing::TestParamInfo<Edit>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace qn
