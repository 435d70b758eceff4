#pragma once
// The meter's settings kept in a map, for tests.
#include <map>
#include <string>

#include "meter/app/meter_settings.h"

namespace qn::meter {

struct MemoryMeterSettings : MeterSettings {
    std::string Get(const std::string& section, const std::string& name,
                    const std::string& fallback) override {
        const auto found = values.find(section + "\\" + name);
        return found == values.end() ? fallback : found->second;
    }
    void Save(const std::string& section, const std::string& name,
              const std::string& value) override {
        values[section + "\\" + name] = value;
    }
    std::map<std::string, std::string> values;  // by "section\name"
};

}  // namespace qn::meter
