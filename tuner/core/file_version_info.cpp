#include "tuner/core/file_version_info.h"

#include <cstdio>

#include "support/trim.h"

namespace qn {

namespace {

// VS_FIXEDFILEINFO: thirteen 32-bit fields, the signature first.
constexpr std::size_t kFixedInfoSize = 52;
enum FixedField : std::size_t {
    kStrucVersion = 1,
    kFileVersionMS,
    kFileVersionLS,
    kProductVersionMS,
    kProductVersionLS,
    kFileFlagsMask,
    kFileFlags,
    kFileOS,
    kFileType,
    kFileSubtype,
};

constexpr std::uint32_t kTypeDriver = 3;
constexpr std::uint32_t kTypeFont = 4;

struct Name {
    std::uint32_t value;
    const char* text;
};

constexpr Name kOsNames[] = {{0x10001, "DOS-Win16"},
                             {0x10004, "DOS-Win32"},
                             {0x20002, "OS/2-16 PM-16"},
                             {0x30003, "OS/2-16 PM-32"},
                             {0x40004, "NT-Win32"}};
constexpr Name kTypeNames[] = {{1, "Application"}, {2, "DLL"}, {3, "Driver"},
                               {4, "Font"},        {5, "VxD"}, {7, "Lib"}};
constexpr Name kDriverNames[] = {{0, "Unknown"},      {1, "Printer drv"}, {2, "Keyboard drv"},
                                 {3, "Language drv"}, {4, "Display drv"}, {5, "Mouse drv"},
                                 {6, "Network drv"},  {7, "System drv"},  {8, "Installable"},
                                 {9, "Sound drv"},    {10, "Comm drv"}};
constexpr Name kFontNames[] = {{1, "Raster Font"}, {2, "Vector Font"}, {3, "TrueType Font"}};
// The words keep their trailing space; the joined text is trimmed.
constexpr Name kFlagWords[] = {{1, "Debug "},   {2, "PreRel "}, {4, "Patched "},
                               {8, "Private "}, {16, "Info "},  {32, "Special "}};

template <std::size_t N>
const char* NameOf(const Name (&table)[N], std::uint32_t value) {
    for (const Name& name : table) {
        if (name.value == value) return name.text;
    }
    return nullptr;
}

std::uint32_t Field(const std::vector<std::uint8_t>& fixed, std::size_t index) {
    const std::size_t at = index * 4;
    return static_cast<std::uint32_t>(fixed[at]) | static_cast<std::uint32_t>(fixed[at + 1]) << 8 |
           static_cast<std::uint32_t>(fixed[at + 2]) << 16 |
           static_cast<std::uint32_t>(fixed[at + 3]) << 24;
}

unsigned HighWord(std::uint32_t value) {
    return value >> 16;
}
unsigned LowWord(std::uint32_t value) {
    return value & 0xFFFF;
}

std::string Digits(unsigned value, int atLeast) {
    char text[16];
    std::snprintf(text, sizeof text, "%0*u", atLeast, value);
    return text;
}

// "4.10.1902" for 4.10.0.1902, "5.00.219501" for 5.0.2195.1.
std::string VersionText(std::uint32_t ms, std::uint32_t ls) {
    std::string text = Digits(HighWord(ms), 1) + "." + Digits(LowWord(ms), 2) + ".";
    if (HighWord(ls) < 1) return text + Digits(LowWord(ls), 4);
    return text + Digits(HighWord(ls), 2) + Digits(LowWord(ls), 2);
}

std::string FlagWords(std::uint32_t flags) {
    std::string words;
    for (const Name& flag : kFlagWords) {
        if (flags & flag.value) words += flag.text;
    }
    return TrimSpaces(words);
}

// "\StringFileInfo\" + language and code page as eight hexadecimal digits.
std::string StringTablePrefix(const std::vector<std::uint8_t>& translation) {
    char key[9];
    std::snprintf(key, sizeof key, "%02X%02X%02X%02X", translation[1], translation[0],
                  translation[3], translation[2]);
    return std::string("\\StringFileInfo\\") + key + "\\";
}

}  // namespace

void CFileVersionInfo::SetFullPathName(const std::string& name) {
    std::string full = source_.FullPathName(name);
    if (full.empty()) return;
    fullPathName_ = std::move(full);
    Refresh();
}

std::string CFileVersionInfo::AnsiPtrToString(const std::vector<std::uint8_t>& bytes) {
    std::string text;
    for (std::uint8_t byte : bytes) {
        if (byte == 0) break;
        text += static_cast<char>(byte);
    }
    return text;
}

void CFileVersionInfo::Refresh() {
    const std::vector<std::uint8_t> block = source_.ReadVersionBlock(fullPathName_);
    if (block.empty()) {
        available_ = false;
        return;
    }
    available_ = true;
    ReadFixedPart(block);
    ReadStringTable(block);
}

void CFileVersionInfo::ReadFixedPart(const std::vector<std::uint8_t>& block) {
    const auto fixed = source_.QueryValue(block, "\\");
    if (!fixed || fixed->size() < kFixedInfoSize) return;
    const std::uint32_t structure = Field(*fixed, kStrucVersion);
    verStructure_ = Digits(HighWord(structure), 1) + "." + Digits(LowWord(structure), 1);
    verFile_ = VersionText(Field(*fixed, kFileVersionMS), Field(*fixed, kFileVersionLS));
    verProduct_ = VersionText(Field(*fixed, kProductVersionMS), Field(*fixed, kProductVersionLS));
    fileFlags_ = FlagWords(Field(*fixed, kFileFlags));

    const char* os = NameOf(kOsNames, Field(*fixed, kFileOS));
    fileOS_ = os ? os : "Unknown";
    const std::uint32_t type = Field(*fixed, kFileType);
    const char* typeName = NameOf(kTypeNames, type);
    fileType_ = typeName ? typeName : "Unknown";
    // A subtype the tables do not know leaves the previous one.
    const char* subtype = nullptr;
    if (type == kTypeDriver) subtype = NameOf(kDriverNames, Field(*fixed, kFileSubtype));
    if (type == kTypeFont) subtype = NameOf(kFontNames, Field(*fixed, kFileSubtype));
    if (subtype) fileSubType_ = subtype;
}

void CFileVersionInfo::ReadStringTable(const std::vector<std::uint8_t>& block) {
    const auto translation = source_.QueryValue(block, "\\VarFileInfo\\Translation");
    // Too short for one entry counts as no translation.
    if (!translation || translation->size() < 4) return;
    const std::string prefix = StringTablePrefix(*translation);
    language_ = source_.LanguageName(static_cast<std::uint32_t>((*translation)[1]) << 8 |
                                     (*translation)[0]);

    const std::pair<const char*, std::string*> entries[] = {
        {"CompanyName", &companyName_},           {"FileDescription", &fileDescription_},
        {"FileVersion", &fileVersion_},           {"InternalName", &internalName_},
        {"LegalCopyright", &legalCopyright_},     {"LegalTrademarks", &legalTrademarks_},
        {"OriginalFilename", &originalFilename_}, {"ProductName", &productName_},
        {"ProductVersion", &productVersion_}};
    for (const auto& [name, member] : entries) {
        const auto value = source_.QueryValue(block, prefix + name);
        if (value && !value->empty()) *member = AnsiPtrToString(*value);
    }
}

}  // namespace qn
