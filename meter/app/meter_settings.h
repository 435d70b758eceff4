#pragma once
// The meter's persisted settings (HKEY_CURRENT_USER\Software\Dapplet\<section>,
// text values) and how the graph and the sampler take them up at start and
// hand them back at the end.
#include <cstdint>
#include <optional>
#include <string>

#include "throughput/graph.h"
#include "throughput/net_status.h"

namespace qn::meter {

// Text values by section and name; a value that cannot be read gives the
// fallback.
class MeterSettings {
  public:
    virtual ~MeterSettings() = default;
    virtual std::string Get(const std::string& section, const std::string& name,
                            const std::string& fallback) = 0;
    virtual void Save(const std::string& section, const std::string& name,
                      const std::string& value) = 0;
};

// "True" or "False", as flags are stored.
std::string FlagText(bool value);
// A stored flag: "True"/"False" in any case, or a number (not 0 is true);
// nothing for any other text, which leaves the setting as it was.
std::optional<bool> ParseFlag(const std::string& text);
// A stored flag, or fallback when it is missing or does not read as one.
bool StoredFlag(MeterSettings& settings, const std::string& section, const std::string& name,
                bool fallback);
// A stored whole number (colours, the scale), rounded half-to-even; nothing
// for text that is no number or does not fit 32 bits.
std::optional<std::int32_t> ParseWhole(const std::string& text);

// The Graph section into the graph; values that do not read keep the graph's
// own. The scale is read only while autoscaling is off.
void ApplyGraphSettings(MeterSettings& settings, cGraph& graph);
// The graph's settings and the watched interface, as the meter ends.
void SaveGraphSettings(MeterSettings& settings, const cGraph& graph, const cNetStatus& sampler);

}  // namespace qn::meter
