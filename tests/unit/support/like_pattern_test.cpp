#include "support/like_pattern.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>

namespace qn {
namespace {

using namespace std::string_literals;

TEST(LikePattern, PlainTextIsExactCaseSensitiveEquality) {
    EXPECT_TRUE(MatchesLikePattern("www.example.com", "www.example.com"));
    EXPECT_FALSE(MatchesLikePattern("WWW.example.com", "www.example.com"));
    EXPECT_FALSE(MatchesLikePattern("www.example.co", "www.example.com"));
    EXPECT_TRUE(MatchesLikePattern("", ""));
    EXPECT_FALSE(MatchesLikePattern("a", ""));
    EXPECT_FALSE(MatchesLikePattern("", "a"));
}

TEST(LikePattern, Wildcards) {
    EXPECT_TRUE(MatchesLikePattern("", "*"));
    EXPECT_TRUE(MatchesLikePattern("ads.example.com", "*.example.com"));
    EXPECT_TRUE(MatchesLikePattern(".example.com", "*.example.com"));
    EXPECT_FALSE(MatchesLikePattern("example.com", "*.example.com"));
    EXPECT_TRUE(MatchesLikePattern("abcbc", "*bc"));
    EXPECT_TRUE(MatchesLikePattern("a1b", "a?b"));
    EXPECT_FALSE(MatchesLikePattern("ab", "a?b"));
    EXPECT_TRUE(MatchesLikePattern("ad7", "ad#"));
    EXPECT_FALSE(MatchesLikePattern("adx", "ad#"));
    EXPECT_TRUE(MatchesLikePattern("a*b", "a[*]b"));
    EXPECT_FALSE(MatchesLikePattern("axb", "a[*]b"));
    EXPECT_TRUE(MatchesLikePattern("x?#", "x[?][#]"));
}

TEST(LikePattern, CharacterLists) {
    EXPECT_TRUE(MatchesLikePattern("b", "[abc]"));
    EXPECT_FALSE(MatchesLikePattern("B", "[abc]"));
    EXPECT_TRUE(MatchesLikePattern("m", "[a-z]"));
    EXPECT_TRUE(MatchesLikePattern("M", "[!a-z]"));
    EXPECT_FALSE(MatchesLikePattern("m", "[!a-z]"));
    EXPECT_TRUE(MatchesLikePattern("-", "[a-]"));
    EXPECT_TRUE(MatchesLikePattern("-", "[-a]"));
    EXPECT_TRUE(MatchesLikePattern("7", "[a-c0-9]"));
    EXPECT_FALSE(MatchesLikePattern("m", "[z-a]"));
    EXPECT_TRUE(MatchesLikePattern("\xE9", "[\xE0-\xFF]"));
    EXPECT_TRUE(MatchesLikePattern("!", "[!]"));
    EXPECT_FALSE(MatchesLikePattern("", "[!]"));
}

TEST(LikePattern, OddPatternsAreHandledSafely) {
    // Empty brackets stand for the empty string.
    EXPECT_TRUE(MatchesLikePattern("ab", "a[]b"));
    EXPECT_TRUE(MatchesLikePattern("", "[]"));
    // An unclosed bracket stands for itself.
    EXPECT_TRUE(MatchesLikePattern("a[b", "a[b"));
    EXPECT_FALSE(MatchesLikePattern("ab", "a[b"));
    EXPECT_TRUE(MatchesLikePattern("]", "]"));
    // NUL is an ordinary character on both sides.
    EXPECT_TRUE(MatchesLikePattern("a\0b"s, "a?b"));
    EXPECT_TRUE(MatchesLikePattern("a\0b"s, "a\0b"s));
    EXPECT_FALSE(MatchesLikePattern("a"s, "a\0"s));
    EXPECT_FALSE(MatchesLikePattern("a\0"s, "a"s));
    EXPECT_TRUE(MatchesLikePattern("a\0"s, "a*"));
}

TEST(LikePattern, PathologicalPatternsStayFast) {
    const std::string text(5000, 'a');
    std::string pattern;
    for (int i = 0; i < 500; ++i) pattern += "*a";
    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(MatchesLikePattern(text, pattern + "b"));
    EXPECT_TRUE(MatchesLikePattern(text, pattern));
    EXPECT_FALSE(MatchesLikePattern(text, std::string(3000, '*') + "b"));
    EXPECT_FALSE(MatchesLikePattern(text, std::string(200000, '[')));
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
}

}  // namespace
}  // namespace qn
