#pragma once
#include <windows.h>

#include <string>

#include "tests/e2e/driver/png_writer.h"

namespace qn::e2e {

// The whole desktop as it is on the screen now.
RgbImage CaptureDesktop();
// A rectangle of the screen (screen coordinates).
RgbImage CaptureScreenRect(int left, int top, int width, int height);
// Saves the desktop as a PNG file; false on failure.
bool SaveDesktopPng(const std::string& path);
// Saves the desktop as <tree>\screenshots\<name>.png, where <tree> is the
// build tree above the program's bin folder; returns the path or "".
std::string SaveNamedScreenshot(const std::string& name);
// The same for one window as it shows on the screen, its frame included.
std::string SaveWindowScreenshot(HWND window, const std::string& name);

}  // namespace qn::e2e
