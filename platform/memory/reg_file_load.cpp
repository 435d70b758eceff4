#include <cctype>
#include <utility>

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

// Reads the lines and hands each key and value to the handler; values of a
// key line that failed are skipped without a further fault.
class Reader {
  public:
    explicit Reader(RegFileHandler& handler) : handler_(handler) {}

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
    enum class KeyState { kNone, kOpen, kFailed };

    void Fail(int line, std::string message) { result_.errors.push_back({line, message}); }

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
        state_ = KeyState::kFailed;  // until the key is open
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
        std::string error;
        if (remove) {
            state_ = KeyState::kNone;  // values after a deletion are faults
            if (!handler_.DeleteKey(root, path, &error)) Fail(number, error);
            return;
        }
        if (!handler_.OpenKey(root, path, &error)) {
            Fail(number, error);
            return;
        }
        state_ = KeyState::kOpen;
    }

    void ValueLine(int number, const std::string& s, std::size_t i) {
        if (state_ != KeyState::kOpen) {
            if (state_ == KeyState::kNone) Fail(number, "value outside a key");
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
        const bool done = value.remove ? handler_.DeleteValue(name, &error)
                                       : handler_.SetValue(name, value.type, value.bytes, &error);
        if (!done) Fail(number, error);
    }

    RegFileHandler& handler_;
    KeyState state_ = KeyState::kNone;
    RegFileLoadResult result_;
};

// Carries out what the text asks for in a registry.
class Loader : public RegFileHandler {
  public:
    explicit Loader(Registry& registry) : registry_(registry) {}
    ~Loader() override { CloseKey(); }
    Loader(const Loader&) = delete;
    Loader& operator=(const Loader&) = delete;

    bool OpenKey(RegKey root, const std::string& path, std::string* error) override {
        CloseKey();
        const RegStatus status = registry_.CreateKey(root, path, kKeyAllAccess, &key_, nullptr);
        if (status == kRegSuccess) return true;
        key_ = 0;
        return Failed("cannot create key", status, error);
    }

    bool DeleteKey(RegKey root, const std::string& path, std::string* error) override {
        CloseKey();
        const RegStatus status =
            path.empty() ? kRegInvalidParameter : registry_.DeleteTree(root, path);
        if (status == kRegSuccess || status == kRegFileNotFound) return true;
        return Failed("cannot delete key", status, error);
    }

    bool SetValue(const std::string& name, std::uint32_t type,
                  const std::vector<std::uint8_t>& data, std::string* error) override {
        const RegStatus status = registry_.SetValue(key_, name, type, data.data(),
                                                    static_cast<std::uint32_t>(data.size()));
        return status == kRegSuccess || Failed("cannot write value", status, error);
    }

    bool DeleteValue(const std::string& name, std::string* error) override {
        const RegStatus status = registry_.DeleteValue(key_, name);
        if (status == kRegSuccess || status == kRegFileNotFound) return true;
        return Failed("cannot write value", status, error);
    }

  private:
    static bool Failed(const char* what, RegStatus status, std::string* error) {
        *error = std::string(what) + " (error " + std::to_string(status) + ")";
        return false;
    }

    void CloseKey() {
        if (key_) registry_.CloseKey(key_);
        key_ = 0;
    }

    Registry& registry_;
    RegKey key_ = 0;
};

}  // namespace

RegFileLoadResult ReadRegFile(const std::string& text, RegFileHandler& handler) {
    return Reader(handler).Run(text);
}

RegFileLoadResult LoadRegFile(Registry& registry, const std::string& text) {
    Loader loader(registry);
    return ReadRegFile(text, loader);
}

bool ParseRegFileValueData(const std::string& text, std::uint32_t* type,
                           std::vector<std::uint8_t>* data) {
    ValueData value;
    std::string error;
    const std::size_t start = SkipBlanks(text, 0);
    if (start >= text.size() || !ParseValueData(text, start, &value, &error) || value.remove)
        return false;
    *type = value.type;
    *data = std::move(value.bytes);
    return true;
}

}  // namespace qn
