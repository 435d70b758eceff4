#include "support/number_parse.h"

#include <cfloat>
#include <cstdint>
#include <string>

#include "support/decimal_digits.h"

namespace qn {
namespace {

constexpr int kEnd = -1;
constexpr long kExponentCap = 100000000;  // far beyond any double; keeps the sum in range

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n';
}
bool IsDigit(int c) {
    return c >= '0' && c <= '9';
}

// Walks the text the way Val does: blanks between the characters are ignored.
class NumberCursor {
  public:
    NumberCursor(std::string_view text, bool skipBlanks) : text_(text), skipBlanks_(skipBlanks) {}

    int Peek() {
        if (skipBlanks_) {
            while (pos_ < text_.size() && IsBlank(text_[pos_])) ++pos_;
        }
        return pos_ < text_.size() ? static_cast<unsigned char>(text_[pos_]) : kEnd;
    }
    bool Take(char wanted) {
        if (Peek() != wanted) return false;
        ++pos_;
        return true;
    }
    bool TakeEither(char a, char b) { return Take(a) || Take(b); }
    void Advance() { ++pos_; }
    size_t Position() const { return pos_; }
    void Rewind(size_t pos) { pos_ = pos; }

  private:
    std::string_view text_;
    bool skipBlanks_;
    size_t pos_ = 0;
};

int DigitValue(int c, int radix) {
    int value = radix;
    if (IsDigit(c)) value = c - '0';
    if (c >= 'a' && c <= 'f') value = c - 'a' + 10;
    if (c >= 'A' && c <= 'F') value = c - 'A' + 10;
    return value < radix ? value : -1;
}

struct Scan {
    bool found = false;  // at least one digit
    double value = 0.0;
};

// After "&H" or "&O": the 16- or 32-bit signed value of the digits.
Scan ScanRadixDigits(NumberCursor& cursor, int radix) {
    Scan scan;
    uint64_t value = 0;
    bool tooWide = false;
    for (int digit; (digit = DigitValue(cursor.Peek(), radix)) >= 0; cursor.Advance()) {
        scan.found = true;
        // Once past 32 bits the value stops growing, so it never wraps.
        if (!tooWide) value = value * radix + digit;
        if (value > UINT32_MAX) tooWide = true;
    }
    if (tooWide) {
        scan.value = DBL_MAX;
    } else if (value <= UINT16_MAX) {
        scan.value = static_cast<int16_t>(static_cast<uint16_t>(value));
    } else {
        scan.value = static_cast<int32_t>(static_cast<uint32_t>(value));
    }
    return scan;
}

// Exponent part after the mantissa; leaves the cursor untouched when it has no digits.
long ScanExponent(NumberCursor& cursor) {
    const size_t start = cursor.Position();
    const int marker = cursor.Peek();
    if (marker != 'E' && marker != 'e' && marker != 'D' && marker != 'd') return 0;
    cursor.Advance();
    bool negative = false;
    if (cursor.Take('-')) {
        negative = true;
    } else {
        cursor.Take('+');
    }
    if (!IsDigit(cursor.Peek())) {
        cursor.Rewind(start);
        return 0;
    }
    long exponent = 0;
    for (; IsDigit(cursor.Peek()); cursor.Advance()) {
        if (exponent < kExponentCap) exponent = exponent * 10 + (cursor.Peek() - '0');
    }
    return negative ? -exponent : exponent;
}

Scan ScanDecimal(NumberCursor& cursor) {
    Scan scan;
    const bool negative = cursor.Take('-');
    if (!negative) cursor.Take('+');
    std::string digits;
    long fractionDigits = 0;
    bool pointSeen = false;
    for (;;) {
        const int c = cursor.Peek();
        if (IsDigit(c)) {
            // Leading zeros carry no value; dropping them keeps long inputs short.
            if (!(digits.empty() && c == '0')) digits += static_cast<char>(c);
            if (pointSeen && fractionDigits < kExponentCap) ++fractionDigits;
            scan.found = true;
        } else if (c == '.' && !pointSeen) {
            pointSeen = true;
        } else {
            break;
        }
        cursor.Advance();
    }
    if (!scan.found) return scan;
    const long exponent = ScanExponent(cursor);
    scan.value = DecimalToDouble(negative, digits, exponent - fractionDigits);
    return scan;
}

Scan ScanNumber(NumberCursor& cursor) {
    if (cursor.Take('&')) {
        if (cursor.TakeEither('H', 'h')) return ScanRadixDigits(cursor, 16);
        if (cursor.TakeEither('O', 'o')) return ScanRadixDigits(cursor, 8);
        return Scan{};
    }
    return ScanDecimal(cursor);
}

}  // namespace

double LeadingNumber(std::string_view text) {
    NumberCursor cursor(text, /*skipBlanks=*/true);
    return ScanNumber(cursor).value;
}

bool IsNumberText(std::string_view text) {
    const size_t first = text.find_first_not_of(" \t\n");
    if (first == std::string_view::npos) return false;
    const size_t last = text.find_last_not_of(" \t\n");
    const std::string_view body = text.substr(first, last - first + 1);
    NumberCursor cursor(body, /*skipBlanks=*/false);
    const Scan scan = ScanNumber(cursor);
    return scan.found && cursor.Position() == body.size();
}

}  // namespace qn
