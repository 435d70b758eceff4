#include "meter/app/registry_meter_settings.h"

#include "meter/config/registry_settings.h"

namespace qn::meter {

std::string RegistryMeterSettings::Get(const std::string& section, const std::string& name,
                                       const std::string& fallback) {
    return RegGetSetting(services_, kHkeyCurrentUser, title_, section, name, fallback);
}

void RegistryMeterSettings::Save(const std::string& section, const std::string& name,
                                 const std::string& value) {
    RegSaveSetting(services_, kHkeyCurrentUser, title_, section, name, value);
}

}  // namespace qn::meter
