#pragma once
// The tuner's own options in the per-user settings store ("Quillon").
#include <string>

#include "platform/settings_store.h"

namespace qn {

// The application name of the store and the title of the tuner's messages.
extern const char* const kTunerAppName;

enum class StartupView { Wizard = 0, Classic = 1 };

class TunerSettings {
  public:
    explicit TunerSettings(SettingsStore& store) : store_(store) {}

    bool NoSplash() const;
    // Ticked stores "1"; cleared removes the value.
    void SetNoSplash(bool noSplash);

    // The stored index, 0 when absent or unreadable.
    int RwinCalc() const;
    void SetRwinCalc(int adapterIndex);

    StartupView GetStartupView() const;
    void SetStartupView(StartupView view);

    bool AutoDelete() const;
    void SetAutoDelete(bool autoDelete);

    // The "do not show again" ticks of the warnings, and the start-up-view
    // dialog's "Always show this Dialog".
    bool SkipMtuFinderWarning() const;
    void SetSkipMtuFinderWarning(bool skip);
    bool SkipHostsWarning() const;
    void SetSkipHostsWarning(bool skip);
    bool ShowStartupViewDialog() const;
    void SetShowStartupViewDialog(bool show);

    void ResetWarningMessages();

    // A build other than the stored one is recorded and brings every warning
    // back; true when that happened.
    bool NoteBuild(int build);

  private:
    std::string Get(const char* section, const char* key, const char* fallback) const;
    double Number(const char* section, const char* key, const char* fallback) const;
    void Save(const char* section, const char* key, const std::string& value);

    SettingsStore& store_;
};

}  // namespace qn
