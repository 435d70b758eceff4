#pragma once
// The meter's settings in HKEY_CURRENT_USER\Software\<title>\<section>.
#include <string>

#include "meter/app/meter_settings.h"
#include "meter/config/registry_services.h"

namespace qn::meter {

class RegistryMeterSettings : public MeterSettings {
  public:
    RegistryMeterSettings(RegistryServices services, std::string title)
        : services_(std::move(services)), title_(std::move(title)) {}
    std::string Get(const std::string& section, const std::string& name,
                    const std::string& fallback) override;
    void Save(const std::string& section, const std::string& name,
              const std::string& value) override;

  private:
    RegistryServices services_;
    std::string title_;
};

}  // namespace qn::meter
