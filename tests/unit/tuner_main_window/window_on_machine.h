#pragma once
// The tuner's main window as the user first sees it on one simulated machine,
// and the registry tools that prepare a machine and show what saving did.
#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>

#include "tests/unit/tuner_ui/tuner_session_helpers.h"

namespace qn::testing {

void DeleteTree(Registry& registry, const std::string& key);
// A value under HKEY_LOCAL_MACHINE as text: a DWORD as its number, a string
// without its terminating NUL; nullopt when absent.
std::optional<std::string> ValueText(Registry& registry, const std::string& key,
                                     const std::string& name);
// Everything under HKEY_LOCAL_MACHINE, as a REGEDIT4 export.
std::string LocalMachine(Registry& registry);

// The window loads in its constructor, so that each test starts where the
// user starts; tests that must prepare the machine first use HeadlessTuner.
class WindowOn : public ::testing::Test {
  protected:
    explicit WindowOn(const std::string& machine) : tuner(machine), window(*tuner.window) {
        window.Show();
    }
    HeadlessTuner tuner;
    MainWindow& window;
};

// Windows 98 uses every group. At load: the dial-up adapter (576, a software
// adapter) heads both lists, RWIN is a custom 5840, TTL 64 selects no option,
// keep-alive is a custom 90 and both check boxes are clear.
class Win98Window : public WindowOn {
  protected:
    Win98Window() : WindowOn("win98") {}
};

}  // namespace qn::testing
