#include "platform/memory/memory_settings_store.h"

#include "support/ansi_case.h"

namespace qn {

namespace {

std::string SectionKey(const std::string& app, const std::string& section) {
    return ToUpperAnsi(app + "\\" + section + "\\");
}

}  // namespace

std::string MemorySettingsStore::Get(const std::string& app, const std::string& section,
                                     const std::string& key, const std::string& fallback) const {
    const auto found = values_.find(SectionKey(app, section) + ToUpperAnsi(key));
    return found == values_.end() ? fallback : found->second;
}

bool MemorySettingsStore::Save(const std::string& app, const std::string& section,
                               const std::string& key, const std::string& value) {
    if (app.empty() || section.empty()) return false;
    values_[SectionKey(app, section) + ToUpperAnsi(key)] = value;
    return true;
}

bool MemorySettingsStore::Delete(const std::string& app, const std::string& section,
                                 const std::string& key) {
    const std::string prefix = SectionKey(app, section);
    if (!key.empty()) return values_.erase(prefix + ToUpperAnsi(key)) != 0;
    bool any = false;
    for (auto it = values_.lower_bound(prefix);
         it != values_.end() && it->first.compare(0, prefix.size(), prefix) == 0;) {
        it = values_.erase(it);
        any = true;
    }
    return any;
}

}  // namespace qn
