#include "platform/file_system.h"

#include "support/ansi_case.h"

namespace qn {

std::string WindowsPathKey(const std::string& path) {
    std::string key;
    for (char c : path) {
        if (c == '/') c = '\\';
        if (c == '\\' && !key.empty() && key.back() == '\\') continue;
        key += c;
    }
    if (!key.empty() && key.back() == '\\') key.pop_back();
    return ToUpperAnsi(key);
}

}  // namespace qn
