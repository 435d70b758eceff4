#pragma once

namespace qn::e2e {

// Where programs are named to start at log-on, under HKEY_LOCAL_MACHINE (the
// tuner's log-on reminder) or HKEY_CURRENT_USER (the meter).
constexpr const char* kRunKey = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";

}  // namespace qn::e2e
