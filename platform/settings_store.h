#pragma once
// The per-user store of a program's own options: application, section and key
// name a text value.
#include <string>

namespace qn {

class SettingsStore {
  public:
    virtual ~SettingsStore() = default;
    // fallback when the key is missing or unreadable.
    virtual std::string Get(const std::string& app, const std::string& section,
                            const std::string& key, const std::string& fallback) const = 0;
    virtual bool Save(const std::string& app, const std::string& section, const std::string& key,
                      const std::string& value) = 0;
    // An empty key deletes the whole section.
    virtual bool Delete(const std::string& app, const std::string& section,
                        const std::string& key) = 0;
};

}  // namespace qn
