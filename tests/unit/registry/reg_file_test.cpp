#include "platform/memory/reg_file.h"

#include <gtest/gtest.h>

#include "platform/memory/memory_registry.h"

namespace qn {
namespace {

using Bytes = std::vector<std::uint8_t>;

class RegFile : public ::testing::Test {
  protected:
    RegFileLoadResult Load(const std::string& body) {
        return LoadRegFile(registry_, "REGEDIT4\r\n\r\n" + body);
    }

    // The value's type and bytes; type kRegNone and no bytes when absent.
    static std::pair<std::uint32_t, Bytes> ValueIn(Registry& registry, const std::string& path,
                                                   const std::string& name) {
        RegKey key = 0;
        std::pair<std::uint32_t, Bytes> result{kRegNone, {}};
        if (registry.OpenKey(kHkeyCurrentUser, path, kKeyRead, &key) != kRegSuccess) return result;
        std::uint32_t size = 0;
        if (registry.QueryValue(key, name, &result.first, nullptr, &size) == kRegSuccess) {
            result.second.resize(size);
            registry.QueryValue(key, name, &result.first, result.second.data(), &size);
        }
        registry.CloseKey(key);
        return result;
    }

    std::pair<std::uint32_t, Bytes> Value(const std::string& path, const std::string& name) {
        return ValueIn(registry_, path, name);
    }

    void Set(const std::string& path, const std::string& name, std::uint32_t type,
             const Bytes& data) {
        RegKey key = 0;
        ASSERT_EQ(kRegSuccess,
                  registry_.CreateKey(kHkeyCurrentUser, path, kKeyAllAccess, &key, nullptr));
        registry_.SetValue(key, name, type, data.data(), static_cast<std::uint32_t>(data.size()));
        registry_.CloseKey(key);
    }

    std::string Save(const std::string& path) {
        std::string text;
        EXPECT_EQ(kRegSuccess, SaveRegFile(registry_, kHkeyCurrentUser, path, &text));
        return text;
    }

    MemoryRegistry registry_;
};

Bytes B(const char* text, std::size_t size) {
    return Bytes(text, text + size);
}

TEST_F(RegFile, LoadsEveryKindOfValue) {
    const RegFileLoadResult result = Load(
        "; settings\r\n"
        "[HKEY_CURRENT_USER\\Software\\Test]\r\n"
        "\"Path\"=\"C:\\\\dir \\\"q\\\"\"\r\n"
        "@=\"default\"\r\n"
        "\"Word\"=dword:0000001f\r\n"
        "\"Blob\"=hex:01,ff,\\\r\n"
        "   10\r\n"
        "\"Expand\"=hex(2):25,00\r\n"
        "\"Multi\"=hex(7):61,00,00\r\n"
        "\"Odd\"=hex(a):\r\n");
    ASSERT_TRUE(result.ok()) << result.errors[0].line << ": " << result.errors[0].message;
    const std::string key = "Software\\Test";
    EXPECT_EQ(std::make_pair(kRegSz, B("C:\\dir \"q\"\0", 11)), Value(key, "Path"));
    EXPECT_EQ(std::make_pair(kRegSz, B("default\0", 8)), Value(key, ""));
    EXPECT_EQ(std::make_pair(kRegDword, B("\x1f\0\0\0", 4)), Value(key, "Word"));
    EXPECT_EQ(std::make_pair(kRegBinary, B("\x01\xff\x10", 3)), Value(key, "Blob"));
    EXPECT_EQ(std::make_pair(kRegExpandSz, B("%\0", 2)), Value(key, "Expand"));
    EXPECT_EQ(std::make_pair(kRegMultiSz, B("a\0\0", 3)), Value(key, "Multi"));
    EXPECT_EQ(std::make_pair(std::uint32_t{10}, Bytes()), Value(key, "Odd"));
}

TEST_F(RegFile, DeletesKeysAndValues) {
    Set("Software\\Gone\\Deep", "x", kRegSz, B("1", 1));
    Set("Software\\Kept", "old", kRegSz, B("1", 1));
    Set("Software\\Kept", "new", kRegSz, B("1", 1));
    const RegFileLoadResult result = Load(
        "[-HKEY_CURRENT_USER\\Software\\Gone]\r\n"
        "[-HKEY_CURRENT_USER\\Software\\NeverThere]\r\n"
        "[HKEY_CURRENT_USER\\Software\\Kept]\r\n"
        "\"old\"=-\r\n"
        "\"missing\"=-\r\n");
    ASSERT_TRUE(result.ok()) << result.errors[0].message;
    RegKey key = 0;
    EXPECT_EQ(kRegFileNotFound,
              registry_.OpenKey(kHkeyCurrentUser, "Software\\Gone", kKeyRead, &key));
    EXPECT_EQ(kRegNone, Value("Software\\Kept", "old").first);
    EXPECT_EQ(kRegSz, Value("Software\\Kept", "new").first);
}

TEST_F(RegFile, ReportsFaultsWithLineNumbersAndGoesOn) {
    const RegFileLoadResult result = Load(  // the file's line 3 is the first one here
        "\"NoKey\"=\"x\"\r\n"
        "[HKEY_NOWHERE\\X]\r\n"
        "\"Skipped\"=\"x\"\r\n"
        "[HKEY_CURRENT_USER\\Software\\T]\r\n"
        "\"Bad\"=dword:123456789\r\n"
        "\"Esc\"=\"a\\n\"\r\n"
        "\"Open=\"x\r\n"
        "\"Hex\"=hex:1g\r\n"
        "garbage\r\n"
        "\"Good\"=\"yes\"\r\n"
        "[HKEY_CURRENT_USER\\Unclosed\r\n"
        "[HKEY_CURRENT_USER\\Software\\T]\r\n"
        "\"Cont\"=hex:01,\\\r\n");
    std::vector<int> lines;
    for (const RegFileError& error : result.errors) lines.push_back(error.line);
    EXPECT_EQ((std::vector<int>{3, 4, 7, 8, 9, 10, 11, 13, 15}), lines);
    EXPECT_EQ(kRegSz, Value("Software\\T", "Good").first);  // nothing stops at a fault
}

TEST_F(RegFile, RefusesTextWithoutTheHeader) {
    const RegFileLoadResult result =
        LoadRegFile(registry_, "[HKEY_CURRENT_USER\\Software\\T]\r\n\"A\"=\"b\"\r\n");
    ASSERT_EQ(1u, result.errors.size());
    EXPECT_EQ(1, result.errors[0].line);
    EXPECT_EQ(kRegNone, Value("Software\\T", "A").first);
    EXPECT_FALSE(LoadRegFile(registry_, "").ok());
    EXPECT_FALSE(LoadRegFile(registry_, std::string("\0\xff[", 3)).ok());
}

TEST_F(RegFile, SurvivesEveryTruncationOfAFile) {
    const std::string text =
        "REGEDIT4\r\n[HKEY_CURRENT_USER\\S\\T]\r\n\"A\\\"\"=\"x\\\\\"\r\n@=dword:1\r\n"
        "\"H\"=hex(7):61,\\\r\n 00\r\n\"D\"=-\r\n[-HKEY_CURRENT_USER\\S]\r\n";
    ASSERT_TRUE(LoadRegFile(registry_, text).ok());
    for (std::size_t size = 0; size <= text.size(); ++size) {
        MemoryRegistry fresh;
        LoadRegFile(fresh, text.substr(0, size));
        LoadRegFile(fresh, text.substr(size));
        EXPECT_EQ(0u, fresh.OpenHandleCount());
    }
}

TEST_F(RegFile, SavesInAFixedReadableForm) {
    Set("Software\\App", "Name", kRegSz, B("a\\\"b\0", 5));
    Set("Software\\App", "", kRegSz, B("d\0", 2));
    Set("Software\\App", "Word", kRegDword, B("\x2a\0\0\x80", 4));
    Set("Software\\App\\Sub", "Raw", kRegSz, B("128", 3));
    EXPECT_EQ(
        "REGEDIT4\r\n"
        "\r\n"
        "[HKEY_CURRENT_USER\\Software\\App]\r\n"
        "@=\"d\"\r\n"
        "\"Name\"=\"a\\\\\\\"b\"\r\n"
        "\"Word\"=dword:8000002a\r\n"
        "\r\n"
        "[HKEY_CURRENT_USER\\Software\\App\\Sub]\r\n"
        "\"Raw\"=hex(1):31,32,38\r\n"
        "\r\n",
        Save("software\\APP"));
}

TEST_F(RegFile, RoundTripsEveryByte) {
    Bytes long_binary;
    for (int i = 0; i < 300; ++i) long_binary.push_back(static_cast<std::uint8_t>(i));
    Set("Software\\R", "NoNul", kRegSz, B("128", 3));
    Set("Software\\R", "Nul", kRegSz, B("128\0", 4));
    Set("Software\\R", "Empty", kRegSz, Bytes());
    Set("Software\\R", "Inner", kRegSz, B("a\0b\0", 4));
    Set("Software\\R", "Lines", kRegSz, B("a\r\nb\0", 5));
    Set("Software\\R", "High", kRegSz, B("\xe9t\xe9\0", 4));
    Set("Software\\R", "ShortWord", kRegDword, B("\x01\x02", 2));
    Set("Software\\R", "Long", kRegBinary, long_binary);
    Set("Software\\R", "Quote\"Back\\", kRegExpandSz, B("%x%\0", 4));
    Set("Software\\R\\Empty Key", "", kRegNone, Bytes());
    const std::string saved = Save("Software\\R");

    MemoryRegistry other;
    ASSERT_TRUE(LoadRegFile(other, saved).ok());
    std::string again;
    ASSERT_EQ(kRegSuccess, SaveRegFile(other, kHkeyCurrentUser, "Software\\R", &again));
    EXPECT_EQ(saved, again);

    auto loaded = [&](const std::string& name) { return ValueIn(other, "Software\\R", name); };
    EXPECT_EQ(B("128", 3), loaded("NoNul").second);
    EXPECT_EQ(B("128\0", 4), loaded("Nul").second);
    EXPECT_EQ(std::make_pair(kRegSz, Bytes()), loaded("Empty"));
    EXPECT_EQ(B("a\r\nb\0", 5), loaded("Lines").second);
    EXPECT_EQ(B("\xe9t\xe9\0", 4), loaded("High").second);
    EXPECT_EQ(std::make_pair(kRegDword, B("\x01\x02", 2)), loaded("ShortWord"));
    EXPECT_EQ(long_binary, loaded("Long").second);
    EXPECT_EQ(kRegExpandSz, loaded("Quote\"Back\\").first);
}

TEST_F(RegFile, SaveRefusesWhatREGEDIT4CannotHold) {
    std::string text = "unchanged";
    EXPECT_EQ(kRegFileNotFound, SaveRegFile(registry_, kHkeyCurrentUser, "Software\\No", &text));
    EXPECT_EQ(kRegInvalidParameter, SaveRegFile(registry_, 0x1234, "", &text));
    Set("Software\\N", "two\nlines", kRegSz, B("x\0", 2));
    EXPECT_EQ(kRegInvalidParameter, SaveRegFile(registry_, kHkeyCurrentUser, "Software\\N", &text));
    EXPECT_EQ("unchanged", text);
    EXPECT_EQ(0u, registry_.OpenHandleCount());
}

// Records what the text asks for; refuses to open keys whose path says so.
class RecordingHandler : public RegFileHandler {
  public:
    bool OpenKey(RegKey root, const std::string& path, std::string* error) override {
        calls.push_back("open " + std::string(RegRootName(root)) + "\\" + path);
        if (path.find("Refused") == std::string::npos) return true;
        *error = "refused";
        return false;
    }
    bool DeleteKey(RegKey root, const std::string& path, std::string*) override {
        calls.push_back("delete " + std::string(RegRootName(root)) + "\\" + path);
        return true;
    }
    bool SetValue(const std::string& name, std::uint32_t type, const Bytes& data,
                  std::string*) override {
        calls.push_back("set " + name + " " + std::to_string(type) + " " +
                        std::string(data.begin(), data.end()));
        return true;
    }
    bool DeleteValue(const std::string& name, std::string* error) override {
        calls.push_back("unset " + name);
        *error = "kept";
        return false;
    }
    std::vector<std::string> calls;
};

TEST(RegFileReading, HandsOverEachKeyAndValueAndReportsTheHandlersFaults) {
    RecordingHandler handler;
    const RegFileLoadResult result = ReadRegFile(
        "REGEDIT4\r\n"
        "[HKCU\\Software\\A]\r\n"
        "@=\"x\"\r\n"
        "\"B\"=hex(2):41,\\\r\n"
        "  42\r\n"
        "\"C\"=-\r\n"
        "[HKEY_LOCAL_MACHINE\\Refused]\r\n"
        "\"Skipped\"=dword:1\r\n"
        "[-HKEY_CURRENT_USER\\Software\\Old]\r\n"
        "\"Outside\"=dword:1\r\n",
        handler);
    EXPECT_EQ((std::vector<std::string>{"open HKEY_CURRENT_USER\\Software\\A",
                                        std::string("set  1 x\0", 9), "set B 2 AB", "unset C",
                                        "open HKEY_LOCAL_MACHINE\\Refused",
                                        "delete HKEY_CURRENT_USER\\Software\\Old"}),
              handler.calls);
    ASSERT_EQ(3u, result.errors.size());
    EXPECT_EQ(6, result.errors[0].line);
    EXPECT_EQ("kept", result.errors[0].message);
    EXPECT_EQ(7, result.errors[1].line);
    EXPECT_EQ("refused", result.errors[1].message);
    EXPECT_EQ(10, result.errors[2].line);
}

TEST(RegFileValueData, IsTheSavedLinesDataOnOneLineAndReadsBack) {
    Bytes long_binary(100, 0xab);
    const std::string long_text = RegFileValueData(kRegBinary, long_binary);
    EXPECT_EQ(std::string::npos, long_text.find_first_of("\\\r\n"));
    EXPECT_EQ(std::string("hex:ab,ab"), long_text.substr(0, 9));
    EXPECT_EQ("\"C:\\\\a \\\"b\\\"\"", RegFileValueData(kRegSz, B("C:\\a \"b\"\0", 9)));
    EXPECT_EQ("hex(1):31,32,38", RegFileValueData(kRegSz, B("128", 3)));
    EXPECT_EQ("dword:8000002a", RegFileValueData(kRegDword, B("\x2a\0\0\x80", 4)));
    EXPECT_EQ("hex(4):01,02", RegFileValueData(kRegDword, B("\x01\x02", 2)));
    EXPECT_EQ("hex(a):", RegFileValueData(10, Bytes()));

    const std::vector<std::pair<std::uint32_t, Bytes>> values = {
        {kRegSz, B("C:\\a \"b\"\0", 9)},   {kRegSz, B("128", 3)},
        {kRegDword, B("\x2a\0\0\x80", 4)}, {kRegBinary, long_binary},
        {kRegMultiSz, B("a\0\0", 3)},      {10, Bytes()}};
    for (const auto& value : values) {
        std::uint32_t type = kRegNone;
        Bytes data;
        const std::string text = RegFileValueData(value.first, value.second);
        ASSERT_TRUE(ParseRegFileValueData(text, &type, &data)) << text;
        EXPECT_EQ(value, std::make_pair(type, data)) << text;
    }
}

TEST(RegFileValueData, ReadingRefusesWhatIsNoData) {
    std::uint32_t type = 77;
    Bytes data{1};
    for (const char* text : {"", "-", "x", "\"open", "dword:", "hex:1", "dword:1 2"}) {
        EXPECT_FALSE(ParseRegFileValueData(text, &type, &data)) << text;
    }
    EXPECT_EQ(77u, type);
    EXPECT_EQ(Bytes{1}, data);
}

}  // namespace
}  // namespace qn
