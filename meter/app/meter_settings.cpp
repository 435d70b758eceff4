#include "meter/app/meter_settings.h"

#include "support/ansi_case.h"
#include "support/integer_conversion.h"
#include "support/number_parse.h"

namespace qn::meter {

namespace {

constexpr const char* kGraph = "Graph";

// Sets through setter only what reads as the right kind.
template <typename Setter>
void ReadFlag(MeterSettings& settings, const char* name, bool fallback, Setter setter) {
    if (const auto flag = ParseFlag(settings.Get(kGraph, name, FlagText(fallback)))) {
        setter(*flag);
    }
}

template <typename Setter>
void ReadWhole(MeterSettings& settings, const char* name, std::int32_t fallback, Setter setter) {
    if (const auto number = ParseWhole(settings.Get(kGraph, name, std::to_string(fallback)))) {
        setter(*number);
    }
}

void ReadColour(MeterSettings& settings, const char* name, Colour fallback, Colour& colour) {
    ReadWhole(settings, name, static_cast<std::int32_t>(fallback),
              [&](std::int32_t value) { colour = static_cast<Colour>(value); });
}

void SaveColour(MeterSettings& settings, const char* name, Colour colour) {
    settings.Save(kGraph, name, std::to_string(static_cast<std::int32_t>(colour)));
}

}  // namespace

std::string FlagText(bool value) {
    return value ? "True" : "False";
}

std::optional<bool> ParseFlag(const std::string& text) {
    if (EqualsIgnoringCaseAnsi(text, "True")) return true;
    if (EqualsIgnoringCaseAnsi(text, "False")) return false;
    if (!IsNumberText(text)) return std::nullopt;
    return LeadingNumber(text) != 0.0;
}

bool StoredFlag(MeterSettings& settings, const std::string& section, const std::string& name,
                bool fallback) {
    return ParseFlag(settings.Get(section, name, FlagText(fallback))).value_or(fallback);
}

std::optional<std::int32_t> ParseWhole(const std::string& text) {
    if (!IsNumberText(text)) return std::nullopt;
    return RoundToInt32(LeadingNumber(text));
}

// A setting that is not stored reads as the standard look (style 0).
void ApplyGraphSettings(MeterSettings& settings, cGraph& graph) {
    ReadFlag(settings, "AutoScale", true, [&](bool on) { graph.SetAutoScale(on); });
    if (!graph.AutoScale()) {
        ReadWhole(settings, "Scale", 1, [&](std::int32_t scale) { graph.SetScaleValue(scale); });
    }
    ReadFlag(settings, "Show Numerical Values", true, [&](bool on) { graph.SetShowNum(on); });
    ReadFlag(settings, "Show Gridlines", true, [&](bool on) { graph.SetShowGrid(on); });
    ReadColour(settings, "BackColor", 0xFFFFFF, graph.BackColor);
    ReadColour(settings, "BothColor", 0x00FF00, graph.BothColor);
    ReadColour(settings, "ChartColor", 0xB0B0B0, graph.ChartColor);
    ReadFlag(settings, "FillUnderGraph", true, [&](bool on) { graph.FillUnderGraph = on; });
    ReadColour(settings, "NumColor", 0x000000, graph.NumColor);
    ReadColour(settings, "RecvColor", 0x0000FF, graph.RecvColor);
    ReadColour(settings, "SendColor", 0xFF0000, graph.SendColor);
    graph.SetBackgroundPicture(settings.Get(kGraph, "Background", ""));
    ReadFlag(settings, "StretchBackground", false, [&](bool on) { graph.StretchBackground = on; });
}

void SaveGraphSettings(MeterSettings& settings, const cGraph& graph, const cNetStatus& sampler) {
    settings.Save("Settings", "Interface", sampler.Interface());
    settings.Save(kGraph, "AutoScale", FlagText(graph.AutoScale()));
    settings.Save(kGraph, "Scale", std::to_string(graph.ScaleValue()));
    SaveColour(settings, "BackColor", graph.BackColor);
    SaveColour(settings, "BothColor", graph.BothColor);
    SaveColour(settings, "ChartColor", graph.ChartColor);
    settings.Save(kGraph, "FillUnderGraph", FlagText(graph.FillUnderGraph));
    SaveColour(settings, "NumColor", graph.NumColor);
    SaveColour(settings, "RecvColor", graph.RecvColor);
    SaveColour(settings, "SendColor", graph.SendColor);
    settings.Save(kGraph, "Background", graph.BackgroundPicture());
    settings.Save(kGraph, "StretchBackground", FlagText(graph.StretchBackground));
}

}  // namespace qn::meter
