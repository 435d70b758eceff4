#include "support/like_pattern.h"

#include <bitset>
#include <vector>

namespace qn {
namespace {

struct PatternToken {
    enum class Kind { kAnyRun, kOneOf };
    Kind kind = Kind::kOneOf;
    std::bitset<256> chars;  // for kOneOf: the characters it accepts

    bool Accepts(char c) const { return chars.test(static_cast<unsigned char>(c)); }
};

PatternToken AnyRun() {
    return PatternToken{PatternToken::Kind::kAnyRun, {}};
}

PatternToken OneOf(std::bitset<256> chars) {
    return PatternToken{PatternToken::Kind::kOneOf, chars};
}

PatternToken Literal(char c) {
    std::bitset<256> chars;
    chars.set(static_cast<unsigned char>(c));
    return OneOf(chars);
}

std::bitset<256> Digits() {
    std::bitset<256> chars;
    for (char c = '0'; c <= '9'; ++c) chars.set(static_cast<unsigned char>(c));
    return chars;
}

// The characters of the list between "[" (or "[!") and "]".
std::bitset<256> ListChars(std::string_view list) {
    std::bitset<256> chars;
    for (size_t i = 0; i < list.size(); ++i) {
        const auto low = static_cast<unsigned char>(list[i]);
        if (i + 2 < list.size() && list[i + 1] == '-') {
            const auto high = static_cast<unsigned char>(list[i + 2]);
            for (unsigned c = low; c <= high; ++c) chars.set(c);
            i += 2;
        } else {
            chars.set(low);
        }
    }
    return chars;
}

// The token of a bracket's inside, "abc" or "!abc"; none for an empty bracket.
void AddBracketToken(std::string_view list, std::vector<PatternToken>& tokens) {
    if (list.empty()) return;
    const bool negated = list.front() == '!';
    if (negated) list.remove_prefix(1);
    const std::bitset<256> chars = ListChars(list);
    tokens.push_back(OneOf(negated ? ~chars : chars));
}

std::vector<PatternToken> ParsePattern(std::string_view pattern) {
    std::vector<PatternToken> tokens;
    // Once a "[" finds no "]", no later one can: they all stand for themselves.
    bool closingBracketAhead = true;
    for (size_t i = 0; i < pattern.size(); ++i) {
        const char c = pattern[i];
        size_t close = std::string_view::npos;
        if (c == '[' && closingBracketAhead) {
            close = pattern.find(']', i + 1);
            closingBracketAhead = close != std::string_view::npos;
        }
        if (c == '*') {
            // A run of stars means the same as one star.
            if (tokens.empty() || tokens.back().kind != PatternToken::Kind::kAnyRun) {
                tokens.push_back(AnyRun());
            }
        } else if (c == '?') {
            tokens.push_back(OneOf(std::bitset<256>().set()));
        } else if (c == '#') {
            tokens.push_back(OneOf(Digits()));
        } else if (close != std::string_view::npos) {
            AddBracketToken(pattern.substr(i + 1, close - i - 1), tokens);
            i = close;
        } else {
            tokens.push_back(Literal(c));
        }
    }
    return tokens;
}

}  // namespace

bool MatchesLikePattern(std::string_view text, std::string_view pattern) {
    const std::vector<PatternToken> tokens = ParsePattern(pattern);
    // Every token but "*" takes exactly one character, so on a mismatch it is
    // enough to let the latest "*" take one more character and retry from there.
    size_t t = 0;
    size_t p = 0;
    size_t starToken = tokens.size();  // none yet
    size_t starText = 0;
    while (t < text.size()) {
        if (p < tokens.size() && tokens[p].kind == PatternToken::Kind::kAnyRun) {
            starToken = p++;
            starText = t;
        } else if (p < tokens.size() && tokens[p].Accepts(text[t])) {
            ++p;
            ++t;
        } else if (starToken < tokens.size()) {
            p = starToken + 1;
            t = ++starText;
        } else {
            return false;
        }
    }
    while (p < tokens.size() && tokens[p].kind == PatternToken::Kind::kAnyRun) ++p;
    return p == tokens.size();
}

}  // namespace qn
