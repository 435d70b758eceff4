#include "support/ansi_case.h"

#include <algorithm>

namespace qn {
namespace {

// Small and capital forms in code page 1252 that are not a plain 0x20 apart.
struct CasePair {
    unsigned char small;
    unsigned char capital;
};
constexpr CasePair kIrregularPairs[] = {{0x9A, 0x8A}, {0x9C, 0x8C}, {0x9E, 0x8E}, {0xFF, 0x9F}};

// Letters whose other form lies 0x20 away; 0xD7 and 0xF7 are the signs x and /.
bool IsRegularSmall(unsigned char c) {
    return (c >= 'a' && c <= 'z') || (c >= 0xE0 && c <= 0xFE && c != 0xF7);
}
bool IsRegularCapital(unsigned char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7);
}

char UpperChar(char ch) {
    const auto c = static_cast<unsigned char>(ch);
    if (IsRegularSmall(c)) return static_cast<char>(c - 0x20);
    for (const CasePair& pair : kIrregularPairs) {
        if (c == pair.small) return static_cast<char>(pair.capital);
    }
    return ch;
}

char LowerChar(char ch) {
    const auto c = static_cast<unsigned char>(ch);
    if (IsRegularCapital(c)) return static_cast<char>(c + 0x20);
    for (const CasePair& pair : kIrregularPairs) {
        if (c == pair.capital) return static_cast<char>(pair.small);
    }
    return ch;
}

}  // namespace

std::string ToUpperAnsi(std::string_view text) {
    std::string result(text);
    std::transform(result.begin(), result.end(), result.begin(), UpperChar);
    return result;
}

std::string ToLowerAnsi(std::string_view text) {
    std::string result(text);
    std::transform(result.begin(), result.end(), result.begin(), LowerChar);
    return result;
}

bool EqualsIgnoringCaseAnsi(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](char x, char y) { return LowerChar(x) == LowerChar(y); });
}

}  // namespace qn
