#include <windows.h>

#include <vector>

#include "platform/win32/win32_services.h"

namespace qn::win32 {

namespace {

class Win32EnvironmentStrings : public EnvironmentStrings {
  public:
    std::string Expand(const std::string& text) const override {
        // The first call gives the size needed, its NUL included.
        const DWORD needed = ExpandEnvironmentStringsA(text.c_str(), nullptr, 0);
        if (needed == 0) return text;
        std::vector<char> buffer(needed + 1, '\0');
        const DWORD written = ExpandEnvironmentStringsA(text.c_str(), buffer.data(),
                                                        static_cast<DWORD>(buffer.size()));
        if (written == 0 || written > buffer.size()) return text;
        // Up to the NUL: some versions count more than the ANSI text needs.
        return std::string(buffer.data());
    }
};

}  // namespace

std::unique_ptr<EnvironmentStrings> MakeWin32EnvironmentStrings() {
    return std::make_unique<Win32EnvironmentStrings>();
}

}  // namespace qn::win32
