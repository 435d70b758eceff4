#pragma once
// Basic's Trim, LTrim and RTrim: they remove spaces only; tabs, carriage
// returns and line feeds stay.
#include <string>
#include <string_view>

namespace qn {

std::string TrimSpaces(std::string_view text);
std::string TrimLeadingSpaces(std::string_view text);
std::string TrimTrailingSpaces(std::string_view text);

}  // namespace qn
