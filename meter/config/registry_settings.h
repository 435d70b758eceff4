#pragma once
// mRegistry: the meter's settings as text values under
// <root>\Software\<app>\<section>, written and read through cRegistry.
#include <string>

#include "meter/config/registry_services.h"

namespace qn::meter {

// Stored as REG_SZ, or REG_EXPAND_SZ when the text holds a %NAME% reference.
void RegSaveSetting(const RegistryServices& services, RegKey root, const std::string& app,
                    const std::string& section, const std::string& name, const std::string& value);

// The value as text (a REG_DWORD as its decimal text); defaultValue when the
// key or value is missing.
std::string RegGetSetting(const RegistryServices& services, RegKey root, const std::string& app,
                          const std::string& section, const std::string& name,
                          const std::string& defaultValue);

// An empty name deletes the section with everything below it (the whole
// application's key when section is empty too); otherwise the one value, and a
// missing section then raises. An empty app deletes nothing.
void RegDeleteSetting(const RegistryServices& services, RegKey root, const std::string& app,
                      const std::string& section, const std::string& name);

}  // namespace qn::meter
