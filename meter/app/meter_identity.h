#pragma once
// The meter's name and the texts derived from it.
#include <cstddef>
#include <string>

namespace qn::meter {

// The program's title: registry key, window-message names, tooltip.
inline constexpr char kMeterTitle[] = "Dapplet";

// Tray tooltip at start, e.g. "Dapplet v1.0".
std::string StartupTooltip(const std::string& title, int major, int minor);

// Name of the window message the shell sends for tray icon events.
std::string TrayCallbackMessageName(const std::string& title);

// text cut so that it and its terminating zero fit a fixed char field.
std::string FitToField(const std::string& text, std::size_t fieldSize);

}  // namespace qn::meter
