#pragma once
// Case conversion and case-blind comparison of ANSI text (Windows code page
// 1252, Western): the ASCII letters, the accented letters 0xC0-0xFE, and S and
// Z with caron, OE and Y with diaeresis. Other bytes (sharp s among them) stay.
#include <string>
#include <string_view>

namespace qn {

std::string ToUpperAnsi(std::string_view text);
std::string ToLowerAnsi(std::string_view text);
// True when the texts are equal apart from letter case.
bool EqualsIgnoringCaseAnsi(std::string_view a, std::string_view b);

}  // namespace qn
