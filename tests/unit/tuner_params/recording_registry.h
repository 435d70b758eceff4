#pragma once
// A registry that passes every call on to another and logs, in order, each
// change as "set PATH\NAME", "delete PATH\NAME" or "delete key PATH\SUBKEY",
// PATH being the key's path under its root.
#include <map>
#include <string>
#include <vector>

#include "platform/registry.h"
#include "platform/settings_store.h"

namespace qn::testing {

class RecordingRegistry : public Registry {
  public:
    RecordingRegistry(Registry& inner, std::vector<std::string>& log) : inner_(inner), log_(log) {}

    RegStatus OpenKey(RegKey parent, const std::string& sub_key, std::uint32_t access,
                      RegKey* result) override {
        const RegStatus status = inner_.OpenKey(parent, sub_key, access, result);
        if (status == kRegSuccess) paths_[*result] = PathOf(parent, sub_key);
        return status;
    }
    RegStatus CreateKey(RegKey parent, const std::string& sub_key, std::uint32_t access,
                        RegKey* result, bool* created) override {
        const RegStatus status = inner_.CreateKey(parent, sub_key, access, result, created);
        if (status == kRegSuccess) paths_[*result] = PathOf(parent, sub_key);
        return status;
    }
    RegStatus CloseKey(RegKey key) override {
        paths_.erase(key);
        return inner_.CloseKey(key);
    }
    RegStatus FlushKey(RegKey key) override { return inner_.FlushKey(key); }
    RegStatus QueryValue(RegKey key, const std::string& name, std::uint32_t* type,
                         std::uint8_t* data, std::uint32_t* size) override {
        return inner_.QueryValue(key, name, type, data, size);
    }
    RegStatus SetValue(RegKey key, const std::string& name, std::uint32_t type,
                       const std::uint8_t* data, std::uint32_t size) override {
        log_.push_back("set " + PathOf(key, name));
        return inner_.SetValue(key, name, type, data, size);
    }
    RegStatus DeleteValue(RegKey key, const std::string& name) override {
        log_.push_back("delete " + PathOf(key, name));
        return inner_.DeleteValue(key, name);
    }
    RegStatus DeleteKey(RegKey parent, const std::string& sub_key) override {
        log_.push_back("delete key " + PathOf(parent, sub_key));
        return inner_.DeleteKey(parent, sub_key);
    }
    RegStatus DeleteTree(RegKey parent, const std::string& sub_key) override {
        log_.push_back("delete tree " + PathOf(parent, sub_key));
        return inner_.DeleteTree(parent, sub_key);
    }
    RegStatus EnumKey(RegKey key, std::uint32_t index, char* name,
                      std::uint32_t* name_size) override {
        return inner_.EnumKey(key, index, name, name_size);
    }
    RegStatus EnumValue(RegKey key, std::uint32_t index, char* name, std::uint32_t* name_size,
                        std::uint32_t* type, std::uint8_t* data,
                        std::uint32_t* data_size) override {
        return inner_.EnumValue(key, index, name, name_size, type, data, data_size);
    }
    RegStatus QueryInfoKey(RegKey key, RegKeyInfo* info) override {
        return inner_.QueryInfoKey(key, info);
    }

  private:
    std::string PathOf(RegKey key, const std::string& child) const {
        const auto found = paths_.find(key);
        const std::string base = found == paths_.end() ? "" : found->second;
        std::string path = base.empty() ? child : base + "\\" + child;
        while (path.find("\\\\") != std::string::npos) path.erase(path.find("\\\\"), 1);
        return path;
    }

    Registry& inner_;
    std::vector<std::string>& log_;
    std::map<RegKey, std::string> paths_;
};

// A settings store that logs each saved value as "setting SECTION\KEY=VALUE".
class RecordingSettingsStore : public SettingsStore {
  public:
    RecordingSettingsStore(SettingsStore& inner, std::vector<std::string>& log)
        : inner_(inner), log_(log) {}
    std::string Get(const std::string& app, const std::string& section, const std::string& key,
                    const std::string& fallback) const override {
        return inner_.Get(app, section, key, fallback);
    }
    bool Save(const std::string& app, const std::string& section, const std::string& key,
              const std::string& value) override {
        log_.push_back("setting " + app + "\\" + section + "\\" + key + "=" + value);
        return inner_.Save(app, section, key, value);
    }
    bool Delete(const std::string& app, const std::string& section,
                const std::string& key) override {
        log_.push_back("delete setting " + app + "\\" + section + "\\" + key);
        return inner_.Delete(app, section, key);
    }

  private:
    SettingsStore& inner_;
    std::vector<std::string>& log_;
};

}  // namespace qn::testing
