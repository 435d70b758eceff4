#pragma once
// Reading numbers out of text the way the programs' settings, registry values
// and text boxes are read: leniently, from the front, never failing.
#include <string_view>

namespace qn {

// The number at the start of text, as Basic's Val reads it:
// - blanks, tabs and line feeds are skipped anywhere in the number, so
//   "1 2" reads as 12 and " - 5" as -5;
// - then an optional sign, digits with at most one decimal point, and an
//   optional exponent (E, e, D or d, optional sign, digits; "1e" reads as 1);
// - or "&H" / "&O" and hexadecimal / octal digits. Up to 16 bits they are a
//   16-bit signed value ("&HFFFF" is -1), up to 32 bits a 32-bit signed value
//   ("&HFFFFFFFF" is -1, "&H10000" is 65536);
// - reading stops at the first other character, a NUL included.
// Text without a number reads as 0. A number too large for a double, or a hex
// or octal number wider than 32 bits, gives the largest finite double (with
// its sign); a number too small gives 0. Never NaN or infinity.
double LeadingNumber(std::string_view text);

// True when the whole text, apart from blanks around it, is one number in the
// form LeadingNumber reads (no blanks inside it; at least one digit; an
// exponent, when present, has digits). Used to tell "not a number" apart from
// a number that happens to be 0.
bool IsNumberText(std::string_view text);

}  // namespace qn
