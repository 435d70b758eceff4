#include "platform/version_block.h"

#include <algorithm>
#include <cstdio>
#include <stdexcept>
#include <string_view>

#include "platform/ansi_code_page.h"
#include "support/ansi_case.h"
#include "support/path_parts.h"

namespace qn {

namespace {

constexpr std::uint32_t kFixedInfoSignature = 0xFEEF04BD;
constexpr std::uint16_t kBinaryValue = 0;
constexpr std::uint16_t kTextValue = 1;
constexpr std::size_t kNodeHeaderSize = 6;  // wLength, wValueLength, wType

std::size_t AlignTo4(std::size_t offset) {
    return (offset + 3) & ~static_cast<std::size_t>(3);
}

// ---- writing ---------------------------------------------------------------

using Bytes = std::vector<std::uint8_t>;

void Put16(Bytes& bytes, std::uint16_t value) {
    bytes.push_back(static_cast<std::uint8_t>(value & 0xFF));
    bytes.push_back(static_cast<std::uint8_t>(value >> 8));
}

void Put32(Bytes& bytes, std::uint32_t value) {
    Put16(bytes, static_cast<std::uint16_t>(value & 0xFFFF));
    Put16(bytes, static_cast<std::uint16_t>(value >> 16));
}

void PutTerminatedUtf16(Bytes& bytes, const std::string& ansi) {
    for (char16_t unit : AnsiToUtf16(ansi)) Put16(bytes, unit);
    Put16(bytes, 0);
}

void PadTo4(Bytes& bytes) {
    bytes.resize(AlignTo4(bytes.size()), 0);
}

void Store16(Bytes& bytes, std::size_t offset, std::size_t value) {
    bytes[offset] = static_cast<std::uint8_t>(value & 0xFF);
    bytes[offset + 1] = static_cast<std::uint8_t>((value >> 8) & 0xFF);
}

// One node: header, key, value, children; each part starts on a 4-byte
// boundary, and the node's length ends with its last byte (no trailing pad).
Bytes EncodeNode(const std::string& key, std::uint16_t type, const Bytes& value,
                 std::size_t valueLength, const std::vector<Bytes>& children) {
    Bytes bytes(kNodeHeaderSize, 0);
    PutTerminatedUtf16(bytes, key);
    PadTo4(bytes);
    bytes.insert(bytes.end(), value.begin(), value.end());
    for (const Bytes& child : children) {
        PadTo4(bytes);
        bytes.insert(bytes.end(), child.begin(), child.end());
    }
    if (bytes.size() > 0xFFFF || valueLength > 0xFFFF) {
        throw std::length_error("version resource node larger than 64 KB");
    }
    Store16(bytes, 0, bytes.size());
    Store16(bytes, 2, valueLength);
    Store16(bytes, 4, type);
    return bytes;
}

Bytes FixedFileInfo(const VersionBlockFields& fields) {
    Bytes info;
    for (std::uint32_t value :
         {kFixedInfoSignature, fields.structVersion, fields.fileVersionMS, fields.fileVersionLS,
          fields.productVersionMS, fields.productVersionLS, fields.fileFlagsMask, fields.fileFlags,
          fields.fileOS, fields.fileType, fields.fileSubtype, 0u, 0u}) {
        Put32(info, value);
    }
    return info;
}

Bytes StringEntry(const std::string& name, const std::string& value) {
    Bytes text;
    PutTerminatedUtf16(text, value);
    return EncodeNode(name, kTextValue, text, text.size() / 2, {});
}

std::string TranslationKey(std::uint16_t language, std::uint16_t codePage) {
    char key[9];
    std::snprintf(key, sizeof key, "%04X%04X", static_cast<unsigned>(language),
                  static_cast<unsigned>(codePage));
    return key;
}

Bytes StringFileInfo(const VersionBlockFields& fields) {
    std::vector<Bytes> entries;
    for (const auto& [name, value] : fields.strings) entries.push_back(StringEntry(name, value));
    const Bytes table =
        EncodeNode(TranslationKey(fields.language, fields.codePage), kTextValue, {}, 0, entries);
    return EncodeNode("StringFileInfo", kTextValue, {}, 0, {table});
}

Bytes VarFileInfo(const VersionBlockFields& fields) {
    Bytes translation;
    Put16(translation, fields.language);
    Put16(translation, fields.codePage);
    const Bytes var = EncodeNode("Translation", kBinaryValue, translation, translation.size(), {});
    return EncodeNode("VarFileInfo", kTextValue, {}, 0, {var});
}

// ---- reading ---------------------------------------------------------------

struct NodeView {
    std::size_t end = 0;  // one past the node's last byte
    std::u16string key;
    std::uint16_t type = 0;
    std::uint16_t valueLength = 0;  // bytes, or UTF-16 units for a text value
    std::size_t valueStart = 0;
    std::size_t valueBytes = 0;
    std::size_t childrenStart = 0;
};

std::uint16_t Read16(const Bytes& block, std::size_t offset) {
    return static_cast<std::uint16_t>(block[offset] | (block[offset + 1] << 8));
}

// The node at `start`, which must lie wholly before `limit`.
std::optional<NodeView> ReadNode(const Bytes& block, std::size_t start, std::size_t limit) {
    if (start > limit || limit - start < kNodeHeaderSize) return std::nullopt;
    const std::size_t length = Read16(block, start);
    if (length < kNodeHeaderSize || length > limit - start) return std::nullopt;
    NodeView node;
    node.end = start + length;
    node.valueLength = Read16(block, start + 2);
    node.type = Read16(block, start + 4);
    std::size_t pos = start + kNodeHeaderSize;
    bool terminated = false;
    while (pos + 2 <= node.end) {
        const char16_t unit = Read16(block, pos);
        pos += 2;
        if (unit == 0) {
            terminated = true;
            break;
        }
        node.key += unit;
    }
    if (!terminated) return std::nullopt;
    node.valueBytes = node.type == kBinaryValue ? node.valueLength : node.valueLength * 2u;
    // A node without value or children may end right after its key, unaligned.
    node.valueStart = node.valueBytes == 0 ? std::min(AlignTo4(pos), node.end) : AlignTo4(pos);
    if (node.valueStart > node.end || node.valueBytes > node.end - node.valueStart) {
        return std::nullopt;
    }
    node.childrenStart = AlignTo4(node.valueStart + node.valueBytes);
    return node;
}

bool UnitsMatchIgnoringCase(char16_t a, char16_t b) {
    if (a == b) return true;
    const auto ansiA = Utf16UnitToAnsi(a);
    const auto ansiB = Utf16UnitToAnsi(b);
    return ansiA && ansiB &&
           EqualsIgnoringCaseAnsi(std::string_view(&*ansiA, 1), std::string_view(&*ansiB, 1));
}

bool KeysMatch(const std::u16string& key, const std::u16string& wanted) {
    if (key.size() != wanted.size()) return false;
    for (std::size_t i = 0; i < key.size(); ++i) {
        if (!UnitsMatchIgnoringCase(key[i], wanted[i])) return false;
    }
    return true;
}

std::optional<NodeView> FindChild(const Bytes& block, const NodeView& parent,
                                  const std::u16string& key) {
    std::size_t offset = parent.childrenStart;
    while (offset < parent.end) {
        const auto child = ReadNode(block, offset, parent.end);
        if (!child) return std::nullopt;
        if (KeysMatch(child->key, key)) return child;
        offset = AlignTo4(child->end);
    }
    return std::nullopt;
}

// The 16-bit format has an ANSI key where the 32-bit one has its type word.
bool IsSixteenBitBlock(const Bytes& block) {
    return block.size() > 4 && block[4] >= ' ';
}

Bytes ValueOf(const Bytes& block, const NodeView& node) {
    const auto first = block.begin() + static_cast<std::ptrdiff_t>(node.valueStart);
    const auto last = first + static_cast<std::ptrdiff_t>(node.valueBytes);
    if (node.type == kBinaryValue) return Bytes(first, last);
    std::u16string text;
    for (std::size_t pos = node.valueStart; pos < node.valueStart + node.valueBytes; pos += 2) {
        text += static_cast<char16_t>(Read16(block, pos));
    }
    const std::string ansi = Utf16ToAnsi(text);
    return Bytes(ansi.begin(), ansi.end());
}

}  // namespace

std::vector<std::uint8_t> BuildVersionBlock(const VersionBlockFields& fields) {
    std::vector<Bytes> children{StringFileInfo(fields)};
    if (fields.withTranslation) children.push_back(VarFileInfo(fields));
    const Bytes fixed = FixedFileInfo(fields);
    return EncodeNode("VS_VERSION_INFO", kBinaryValue, fixed, fixed.size(), children);
}

std::optional<std::vector<std::uint8_t>> QueryVersionBlock(const std::vector<std::uint8_t>& block,
                                                           const std::string& subBlock) {
    if (IsSixteenBitBlock(block)) return std::nullopt;
    auto node = ReadNode(block, 0, block.size());
    for (const std::string& part : PathParts(subBlock, "\\")) {
        if (!node) break;
        node = FindChild(block, *node, AnsiToUtf16(part));
    }
    if (!node) return std::nullopt;
    return ValueOf(block, *node);
}

}  // namespace qn
