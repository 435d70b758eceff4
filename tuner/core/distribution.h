#pragma once
// Who distributes this build of the tuner, as the About box names them. One
// table, so that a distributor changes three lines and nothing else.
namespace qn {

struct Distribution {
    const char* name;
    const char* supportAddress;  // "" hides the address
    const char* webPage;
};

inline constexpr Distribution kDistribution{
    "the Quillon Project",
    "support@quillon-project.org",
    "http://www.quillon-project.org/",
};

}  // namespace qn
