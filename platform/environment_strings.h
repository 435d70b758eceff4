#pragma once
// Environment references in text, expanded as ExpandEnvironmentStringsA does.
#include <string>

namespace qn {

class EnvironmentStrings {
  public:
    virtual ~EnvironmentStrings() = default;
    // text with each %NAME% of a defined variable replaced by its value (names
    // match without regard to case). References to undefined variables and a
    // lone "%" stay as they are.
    virtual std::string Expand(const std::string& text) const = 0;
};

}  // namespace qn
