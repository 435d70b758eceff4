#pragma once
// Registry names compare without regard to case (ASCII letters, as the
// registry's own upper-casing does for them) and keep the case they were
// created with.
#include <string>

namespace qn {

int CompareRegNames(const std::string& a, const std::string& b);

inline bool RegNamesEqual(const std::string& a, const std::string& b) {
    return CompareRegNames(a, b) == 0;
}

struct RegNameLess {
    bool operator()(const std::string& a, const std::string& b) const {
        return CompareRegNames(a, b) < 0;
    }
};

}  // namespace qn
