#pragma once
// Conversion between ANSI text (Windows code page 1252, Western) and UTF-16, as
// MultiByteToWideChar and WideCharToMultiByte do it for that code page.
#include <optional>
#include <string>
#include <string_view>

namespace qn {

// Every byte has a UTF-16 unit; the five bytes 1252 leaves unassigned map to
// the C1 control of the same number, as Windows maps them.
std::u16string AnsiToUtf16(std::string_view text);

// Units without an ANSI byte, and each surrogate pair, become "?".
std::string Utf16ToAnsi(std::u16string_view text);

// The ANSI byte of one UTF-16 unit, if it has one.
std::optional<char> Utf16UnitToAnsi(char16_t unit);

}  // namespace qn
