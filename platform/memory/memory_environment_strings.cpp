#include "platform/memory/memory_environment_strings.h"

#include "support/ansi_case.h"

namespace qn {

void MemoryEnvironmentStrings::Set(const std::string& name, const std::string& value) {
    variables_[ToUpperAnsi(name)] = value;
}

std::string MemoryEnvironmentStrings::Expand(const std::string& text) const {
    std::string expanded;
    std::string::size_type pos = 0;
    while (pos < text.size()) {
        const auto open = text.find('%', pos);
        const auto close = open == std::string::npos ? open : text.find('%', open + 1);
        if (close == std::string::npos) {
            expanded += text.substr(pos);
            break;
        }
        expanded += text.substr(pos, open - pos);
        auto variable = variables_.find(ToUpperAnsi(text.substr(open + 1, close - open - 1)));
        if (variable != variables_.end())
            expanded += variable->second;
        else
            expanded += text.substr(open, close - open + 1);
        pos = close + 1;
    }
    return expanded;
}

}  // namespace qn
