#include "meter/config/registry_settings.h"

#include "meter/config/registry_class.h"

namespace qn::meter {

namespace {

cRegistry SettingRegistry(const RegistryServices& services, RegKey root, const std::string& section,
                          const std::string& name) {
    cRegistry registry(services);
    registry.SetClassKey(root);
    registry.SetSectionKey(section);
    registry.SetValueKey(name);
    registry.SetValueType(kRegSz);
    return registry;
}

std::string SettingSection(const std::string& app, const std::string& section) {
    return "Software\\" + app + "\\" + section;
}

}  // namespace

void RegSaveSetting(const RegistryServices& services, RegKey root, const std::string& app,
                    const std::string& section, const std::string& name, const std::string& value) {
    SettingRegistry(services, root, SettingSection(app, section), name).SetValue(value);
}

std::string RegGetSetting(const RegistryServices& services, RegKey root, const std::string& app,
                          const std::string& section, const std::string& name,
                          const std::string& defaultValue) {
    cRegistry registry = SettingRegistry(services, root, SettingSection(app, section), name);
    registry.SetDefault(defaultValue);
    return VariantToText(registry.Value()).value_or(defaultValue);
}

void RegDeleteSetting(const RegistryServices& services, RegKey root, const std::string& app,
                      const std::string& section, const std::string& name) {
    // "Software\" alone would take every program's settings with it.
    if (app.empty()) return;
    const std::string path = section.empty() ? "Software\\" + app : SettingSection(app, section);
    cRegistry registry = SettingRegistry(services, root, path, name);
    if (name.empty())
        registry.DeleteKey();
    else
        registry.DeleteValue();
}

}  // namespace qn::meter
