#include "tuner/hosts/address_host.h"

#include "tuner/core/ping_command.h"

namespace qn {

std::string GetLastSlash(std::string_view text) {
    const std::size_t first = text.find('/');
    if (first == std::string_view::npos) return std::string();
    const std::size_t second = text.find('/', first + 1);
    if (second == std::string_view::npos) return std::string();
    const std::size_t third = text.find('/', second + 1);
    if (third == std::string_view::npos) return std::string();
    return std::string(text.substr(second + 1, third - second - 1));
}

std::size_t GetLastBackSlash(std::string_view text) {
    const std::size_t last = text.rfind('\\');
    return last == std::string_view::npos ? 0 : last + 1;
}

bool IsImportableHost(const std::string& name) {
    // The ping command's rule is the same: letters, digits, ".", "-" and "_",
    // not starting with "-"; spaces around the name are not part of it.
    const auto host = PingableHost(name);
    return host && *host == name;
}

}  // namespace qn
