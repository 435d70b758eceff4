#pragma once
#include <map>

#include "platform/settings_store.h"

namespace qn {

// Names compare without regard to case, as in the registry.
class MemorySettingsStore : public SettingsStore {
  public:
    std::string Get(const std::string& app, const std::string& section, const std::string& key,
                    const std::string& fallback) const override;
    bool Save(const std::string& app, const std::string& section, const std::string& key,
              const std::string& value) override;
    bool Delete(const std::string& app, const std::string& section,
                const std::string& key) override;

    std::size_t Count() const { return values_.size(); }

  private:
    // app, section and key, upper-cased, joined by "\".
    std::map<std::string, std::string> values_;
};

}  // namespace qn
