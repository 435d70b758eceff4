#include "tuner/core/tuner_settings.h"

#include "support/integer_conversion.h"
#include "support/number_parse.h"

namespace qn {

const char* const kTunerAppName = "Quillon";

namespace {

constexpr const char* kSettings = "Settings";
constexpr const char* kVersion = "Version";
constexpr const char* kWarnings = "Warnings";

std::string Flag(bool on) {
    return on ? "1" : "0";
}

}  // namespace

std::string TunerSettings::Get(const char* section, const char* key, const char* fallback) const {
    return store_.Get(kTunerAppName, section, key, fallback);
}

// Stored text that is not a number reads as 0 rather than failing: the store
// is the user's to edit.
double TunerSettings::Number(const char* section, const char* key, const char* fallback) const {
    return LeadingNumber(Get(section, key, fallback));
}

void TunerSettings::Save(const char* section, const char* key, const std::string& value) {
    store_.Save(kTunerAppName, section, key, value);
}

bool TunerSettings::NoSplash() const {
    return Number(kSettings, "NoSplash", "0") == 1;
}

void TunerSettings::SetNoSplash(bool noSplash) {
    if (noSplash) {
        Save(kSettings, "NoSplash", "1");
    } else {
        store_.Delete(kTunerAppName, kSettings, "NoSplash");
    }
}

int TunerSettings::RwinCalc() const {
    return RoundToInt16(Number(kSettings, "RWINCalc", "0")).value_or(0);
}

void TunerSettings::SetRwinCalc(int adapterIndex) {
    Save(kSettings, "RWINCalc", std::to_string(adapterIndex));
}

StartupView TunerSettings::GetStartupView() const {
    return Number(kSettings, "StartupMode", "0") == 1 ? StartupView::Classic : StartupView::Wizard;
}

void TunerSettings::SetStartupView(StartupView view) {
    Save(kSettings, "StartupMode", Flag(view == StartupView::Classic));
}

bool TunerSettings::AutoDelete() const {
    return Number(kSettings, "AutoDelete", "1") == 1;
}

void TunerSettings::SetAutoDelete(bool autoDelete) {
    Save(kSettings, "AutoDelete", Flag(autoDelete));
}

bool TunerSettings::SkipMtuFinderWarning() const {
    return Number(kWarnings, "findmtu", "0") != 0;
}

void TunerSettings::SetSkipMtuFinderWarning(bool skip) {
    Save(kWarnings, "findmtu", Flag(skip));
}

bool TunerSettings::SkipHostsWarning() const {
    return Number(kWarnings, "hosts", "0") != 0;
}

void TunerSettings::SetSkipHostsWarning(bool skip) {
    Save(kWarnings, "hosts", Flag(skip));
}

bool TunerSettings::ShowStartupViewDialog() const {
    return Number(kWarnings, "Startup", "1") == 1;
}

void TunerSettings::SetShowStartupViewDialog(bool show) {
    Save(kWarnings, "Startup", Flag(show));
}

void TunerSettings::ResetWarningMessages() {
    SetSkipMtuFinderWarning(false);
    SetSkipHostsWarning(false);
    SetShowStartupViewDialog(true);
}

bool TunerSettings::NoteBuild(int build) {
    if (Number(kVersion, "Build", "0") == build) return false;
    Save(kVersion, "Build", std::to_string(build));
    ResetWarningMessages();
    return true;
}

}  // namespace qn
