#pragma once
// Basic's Like operator with binary (case-sensitive) comparison.
#include <string_view>

namespace qn {

// True when the whole text matches the pattern. In the pattern:
// - "*" any run of characters (also none), "?" any one character,
//   "#" one digit 0-9;
// - "[list]" one character of the list, "[!list]" one character not in it;
//   the list holds characters and ranges "a-z" (by byte value). Inside the
//   brackets "*", "?", "#" and "[" stand for themselves, and so does "-" at
//   the start or end of the list. "[]" matches nothing (it stands for the
//   empty string), "[!]" any one character, and a reversed range such as
//   "[z-a]" no character;
// - a "[" without a closing "]" stands for itself (Basic would raise an
//   error), so any stored text can serve as a pattern;
// - every other character, NUL included, matches itself.
// Time grows with text length times pattern length, never exponentially.
bool MatchesLikePattern(std::string_view text, std::string_view pattern);

}  // namespace qn
