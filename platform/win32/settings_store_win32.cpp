#include <windows.h>

#include <vector>

#include "platform/win32/win32_services.h"

namespace qn::win32 {

namespace {

std::string SectionPath(const std::string& app, const std::string& section) {
    return "Software\\" + app + "\\" + section;
}

class Win32SettingsStore : public SettingsStore {
  public:
    std::string Get(const std::string& app, const std::string& section, const std::string& key,
                    const std::string& fallback) const override {
        HKEY handle = nullptr;
        if (RegOpenKeyExA(HKEY_CURRENT_USER, SectionPath(app, section).c_str(), 0, KEY_QUERY_VALUE,
                          &handle) != ERROR_SUCCESS) {
            return fallback;
        }
        DWORD type = 0;
        DWORD size = 0;
        std::string value = fallback;
        if (RegQueryValueExA(handle, key.c_str(), nullptr, &type, nullptr, &size) ==
                ERROR_SUCCESS &&
            (type == REG_SZ || type == REG_EXPAND_SZ)) {
            std::vector<char> data(size + 1, '\0');
            if (RegQueryValueExA(handle, key.c_str(), nullptr, &type,
                                 reinterpret_cast<BYTE*>(data.data()), &size) == ERROR_SUCCESS) {
                // Stored with or without its terminating NUL: cut at the first one.
                value.assign(data.data(), strnlen(data.data(), size));
            }
        }
        RegCloseKey(handle);
        return value;
    }

    bool Save(const std::string& app, const std::string& section, const std::string& key,
              const std::string& value) override {
        if (app.empty() || section.empty()) return false;
        HKEY handle = nullptr;
        if (RegCreateKeyExA(HKEY_CURRENT_USER, SectionPath(app, section).c_str(), 0, nullptr,
                            REG_OPTION_NON_VOLATILE, KEY_SET_VALUE, nullptr, &handle,
                            nullptr) != ERROR_SUCCESS) {
            return false;
        }
        const LONG result = RegSetValueExA(handle, key.c_str(), 0, REG_SZ,
                                           reinterpret_cast<const BYTE*>(value.c_str()),
                                           static_cast<DWORD>(value.size() + 1));
        RegCloseKey(handle);
        return result == ERROR_SUCCESS;
    }

    bool Delete(const std::string& app, const std::string& section,
                const std::string& key) override {
        if (app.empty() || section.empty()) return false;
        if (key.empty()) {
            return RegDeleteKeyA(HKEY_CURRENT_USER, SectionPath(app, section).c_str()) ==
                   ERROR_SUCCESS;
        }
        HKEY handle = nullptr;
        if (RegOpenKeyExA(HKEY_CURRENT_USER, SectionPath(app, section).c_str(), 0, KEY_SET_VALUE,
                          &handle) != ERROR_SUCCESS) {
            return false;
        }
        const LONG result = RegDeleteValueA(handle, key.c_str());
        RegCloseKey(handle);
        return result == ERROR_SUCCESS;
    }
};

}  // namespace

std::unique_ptr<SettingsStore> MakeWin32SettingsStore() {
    return std::make_unique<Win32SettingsStore>();
}

}  // namespace qn::win32
