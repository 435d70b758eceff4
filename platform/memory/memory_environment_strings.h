#pragma once
// An environment of the test's own variables.
#include <map>
#include <string>

#include "platform/environment_strings.h"

namespace qn {

class MemoryEnvironmentStrings : public EnvironmentStrings {
  public:
    void Set(const std::string& name, const std::string& value);
    std::string Expand(const std::string& text) const override;

  private:
    std::map<std::string, std::string> variables_;  // by upper-case name
};

}  // namespace qn
