#pragma once
#include <string>

namespace qn::e2e {

// This machine's host name as Windows Sockets gives it (under Wine the Unix
// host name); "" when it cannot be had.
std::string LocalHostName();

}  // namespace qn::e2e
