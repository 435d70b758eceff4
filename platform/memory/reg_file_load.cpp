#include <cctype>

#include "platform/memory/reg_file.h"

namespace qn {
namespace {

constexpr char kHeader[] = "REGEDIT4";

struct LogicalLine {
    int number = 0;  // of its first physical line
    std::string text;
};

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

std::size_t SkipBlanks(const std::string& s, std::size_t i) {
    while (i < s.size() && IsBlank(s[i])) ++i;
    return i;
}

void TrimTrailingBlanks(std::string* s) {
    while (!s->empty() && (IsBlank(s->back()) || s->back() == '\r')) s->pop_back();
}

bool IsValueLine(const std::string& s) {
    const std::size_t i = SkipBlanks(s, 0);
    return i < s.size() && (s[i] == '"' || s[i] == '@');
}

// Physical lines joined where a value line ends in "\"; *unfinished is set when
// the last line still asks to be continued.
std::vector<LogicalLine> JoinLines(const std::string& text, bool* unfinished) {
    std::vector<LogicalLine> lines;
    bool continuing = false;
    int number = 0;
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t end = text.find('\n', pos);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(pos, end - pos);
        pos = end + 1;
        ++number;
        if (continuing)
            lines.back().text += line.substr(SkipBlanks(line, 0));
        else
            lines.push_back({number, line});
        std::string& current = lines.back().text;
        TrimTrailingBlanks(&current);
        continuing = IsValueLine(current) && !current.empty() && current.back() == '\\';
        if (continuing) current.pop_back();
    }
    *unfinished = continuing;
    return lines;
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

bool StartsWithIgnoringCase(const std::string& s, std::size_t i, const char* prefix) {
    for (; *prefix; ++prefix, ++i) {
        if (i >= s.size() || std::tolower(static_cast<unsigned char>(s[i])) != *prefix)
            return false;
    }
    return true;
}

// Reads 1 to 8 hex digits at *i.
bool ParseHexNumber(const std::string& s, std::size_t* i, std::uint32_t* value) {
    std::uint32_t result = 0;
    std::size_t digits = 0;
    while (*i < s.size() && HexDigit(s[*i]) >= 0) {
        if (++digits > 8) return false;
        result = result << 4 | static_cast<std::uint32_t>(HexDigit(s[(*i)++]));
    }
    *value = result;
    return digits > 0;
}

// Only blanks or a comment may follow the data.
bool AtEndOfData(const std::string& s, std::size_t i) {
    i = SkipBlanks(s, i);
    return i == s.size() || s[i] == ';';
}

// A "..." string with the escapes \\ and \"; *i starts at the opening quote.
bool ParseQuoted(const std::string& s, std::size_t* i, std::string* out, std::string* error) {
    out->clear();
    for (++*i; *i < s.size(); ++*i) {
        char c = s[*i];
        if (c == '"') {
            ++*i;
            return true;
        }
        if (c == '\\') {
            if (++*i >= s.size()) break;
            c = s[*i];
            if (c != '\\' && c != '"') {
                *error = std::string("unknown escape \\") + c;
                return false;
            }
        }
        out->push_back(c);
    }
    *error = "missing closing quote";
    return false;
}

// Comma-separated two-digit hex bytes, possibly none.
bool ParseHexBytes(const std::string& s, std::size_t i, std::vector<std::uint8_t>* bytes) {
    bytes->clear();
    for (;;) {
        i = SkipBlanks(s, i);
        if (AtEndOfData(s, i)) return true;
        if (i + 1 >= s.size() || HexDigit(s[i]) < 0 || HexDigit(s[i + 1]) < 0) return false;
        bytes->push_back(static_cast<std::uint8_t>(HexDigit(s[i]) << 4 | HexDigit(s[i + 1])));
        i = SkipBlanks(s, i + 2);
        if (i < s.size() && s[i] == ',')
            ++i;
        else if (!AtEndOfData(s, i))
            return false;
    }
}

struct ValueData {
    bool remove = false;
    std::uint32_t type = kRegNone;
    std::vector<std::uint8_t> bytes;
};

bool ParseValueData(const std::string& s, std::size_t i, ValueData* value, std::string* error) {
    if (s[i] == '-' && AtEndOfData(s, i + 1)) {
        value->remove = true;
        return true;
    }
    if (s[i] == '"') {
        std::string text;
        if (!ParseQuoted(s, &i, &text, error)) return false;
        if (!AtEndOfData(s, i)) {
            *error = "unexpected text after the string";
            return false;
        }
        value->type = kRegSz;
        value->bytes.assign(text.begin(), text.end());
        value->bytes.push_back(0);
        return true;
    }
    if (StartsWithIgnoringCase(s, i, "dword:")) {
        i += 6;
        std::uint32_t number = 0;
        if (!ParseHexNumber(s, &i, &number) || !AtEndOfData(s, i)) {
            *error = "bad dword: it takes 1 to 8 hex digits";
            return false;
        }
        value->type = kRegDword;
        for (int shift = 0; shift < 32; shift += 8)
            value->bytes.push_back(static_cast<std::uint8_t>(number >> shift));
        return true;
    }
    if (StartsWithIgnoringCase(s, i, "hex")) {
        i += 3;
        value->type = kRegBinary;
        if (i < s.size() && s[i] == '(') {
            ++i;
            if (!ParseHexNumber(s, &i, &value->type) || i >= s.size() || s[i] != ')') {
                *error = "bad hex(type)";
                return false;
            }
            ++i;
        }
        if (i >= s.size() || s[i] != ':') {
            *error = "missing ':' after hex";
            return false;
        }
        if (!ParseHexBytes(s, i + 1, &value->bytes)) {
            *error = "bad hex byte list";
            return false;
        }
        return true;
    }
    *error = "unrecognised value data";
    return false;
}

class Loader {
  public:
    explicit Loader(Registry& registry) : registry_(registry) {}
    ~Loader() { CloseKey(); }
    Loader(const Loader&) = delete;
    Loader& operator=(const Loader&) = delete;

    RegFileLoadResult Run(const std::string& text) {
        bool unfinished = false;
        const std::vector<LogicalLine> lines = JoinLines(text, &unfinished);
        std::string header = lines.empty() ? std::string() : lines[0].text;
        TrimTrailingBlanks(&header);
        if (header != kHeader) {
            Fail(1, "the file does not start with REGEDIT4");
            return result_;
        }
        for (std::size_t n = 1; n < lines.size(); ++n) Line(lines[n]);
        if (unfinished) Fail(lines.back().number, "the value continues past the end of the file");
        return result_;
    }

  private:
    void Fail(int line, std::string message) { result_.errors.push_back({line, message}); }

    void CloseKey() {
        if (key_) registry_.CloseKey(key_);
        key_ = 0;
    }

    void Line(const LogicalLine& line) {
        const std::string& s = line.text;
        const std::size_t i = SkipBlanks(s, 0);
        if (i == s.size() || s[i] == ';') return;
        if (s[i] == '[')
            KeyLine(line.number, s.substr(i));
        else if (s[i] == '"' || s[i] == '@')
            ValueLine(line.number, s, i);
        else
            Fail(line.number, "unrecognised line");
    }

    void KeyLine(int number, const std::string& s) {
        CloseKey();
        skip_values_ = true;  // until the key is open
        const std::size_t close = s.rfind(']');
        if (close == std::string::npos || !AtEndOfData(s, close + 1)) {
            Fail(number, "key line without closing ']'");
            return;
        }
        std::string inner = s.substr(1, close - 1);
        const bool remove = !inner.empty() && inner[0] == '-';
        if (remove) inner.erase(0, 1);
        const std::size_t slash = inner.find('\\');
        const std::string root_name = inner.substr(0, slash);
        const std::string path = slash == std::string::npos ? "" : inner.substr(slash + 1);
        RegKey root = 0;
        if (!ParseRegRootName(root_name, &root)) {
            Fail(number, "unknown root key '" + root_name + "'");
            return;
        }
        if (remove) {
            skip_values_ = false;  // values after a deletion are faults
            RegStatus status =
                path.empty() ? kRegInvalidParameter : registry_.DeleteTree(root, path);
            if (status != kRegSuccess && status != kRegFileNotFound)
                Fail(number, "cannot delete key (error " + std::to_string(status) + ")");
            return;
        }
        RegStatus status = registry_.CreateKey(root, path, kKeyAllAccess, &key_, nullptr);
        if (status != kRegSuccess) {
            key_ = 0;
            Fail(number, "cannot create key (error " + std::to_string(status) + ")");
            return;
        }
        skip_values_ = false;
    }

    void ValueLine(int number, const std::string& s, std::size_t i) {
        if (!key_) {
            if (!skip_values_) Fail(number, "value outside a key");
            return;
        }
        std::string name, error;
        if (s[i] == '@') {
            ++i;
        } else if (!ParseQuoted(s, &i, &name, &error)) {
            Fail(number, "value name: " + error);
            return;
        }
        i = SkipBlanks(s, i);
        if (i >= s.size() || s[i] != '=') {
            Fail(number, "missing '=' after the value name");
            return;
        }
        i = SkipBlanks(s, i + 1);
        ValueData value;
        if (i >= s.size() || !ParseValueData(s, i, &value, &error)) {
            Fail(number, error.empty() ? "missing value data" : error);
            return;
        }
        RegStatus status = value.remove
                               ? registry_.DeleteValue(key_, name)
                               : registry_.SetValue(key_, name, value.type, value.bytes.data(),
                                                    static_cast<std::uint32_t>(value.bytes.size()));
        if (status != kRegSuccess && !(value.remove && status == kRegFileNotFound))
            Fail(number, "cannot write value (error " + std::to_string(status) + ")");
    }

    Registry& registry_;
    RegKey key_ = 0;
    bool skip_values_ = false;  // after a faulty key line, its values are not reported again
    RegFileLoadResult result_;
};

}  // namespace

RegFileLoadResult LoadRegFile(Registry& registry, const std::string& text) {
    return Loader(registry).Run(text);
}

}  // namespace qn
