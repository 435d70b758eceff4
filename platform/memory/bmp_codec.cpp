#include "platform/memory/bmp_codec.h"

#include <cstdint>
#include <cstdlib>

namespace qn {
namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::uint32_t kInfoHeaderSize = 40;
// Beyond this a "bitmap" is taken for a corrupt file rather than allocated.
constexpr long long kMaxPixels = 64LL * 1024 * 1024;

std::uint32_t ReadU32(const std::string& bytes, std::size_t at) {
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i)
        value = (value << 8) | static_cast<unsigned char>(bytes[at + static_cast<std::size_t>(i)]);
    return value;
}

std::uint16_t ReadU16(const std::string& bytes, std::size_t at) {
    return static_cast<std::uint16_t>(static_cast<unsigned char>(bytes[at]) |
                                      (static_cast<unsigned char>(bytes[at + 1]) << 8));
}

void WriteU32(std::string& bytes, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) bytes += static_cast<char>((value >> (8 * i)) & 0xFF);
}

void WriteU16(std::string& bytes, std::uint16_t value) {
    bytes += static_cast<char>(value & 0xFF);
    bytes += static_cast<char>(value >> 8);
}

Colour FromBgr(const std::string& bytes, std::size_t at) {
    return static_cast<Colour>(static_cast<unsigned char>(bytes[at + 2])) |
           static_cast<Colour>(static_cast<unsigned char>(bytes[at + 1])) << 8 |
           static_cast<Colour>(static_cast<unsigned char>(bytes[at])) << 16;
}

}  // namespace

std::shared_ptr<PixelImage> DecodeBmp(const std::string& bytes) {
    if (bytes.size() < kFileHeaderSize + kInfoHeaderSize || bytes[0] != 'B' || bytes[1] != 'M')
        return nullptr;
    const std::uint32_t dataOffset = ReadU32(bytes, 10);
    const std::uint32_t headerSize = ReadU32(bytes, 14);
    const auto width = static_cast<std::int32_t>(ReadU32(bytes, 18));
    const auto signedHeight = static_cast<std::int32_t>(ReadU32(bytes, 22));
    const int bits = ReadU16(bytes, 28);
    const std::uint32_t compression = ReadU32(bytes, 30);
    std::uint32_t paletteSize = ReadU32(bytes, 46);
    if (headerSize < kInfoHeaderSize || compression != 0 || width <= 0 || signedHeight == 0 ||
        signedHeight == INT32_MIN)
        return nullptr;
    if (bits != 1 && bits != 4 && bits != 8 && bits != 24 && bits != 32) return nullptr;
    const long long height = std::llabs(signedHeight);
    if (static_cast<long long>(width) * height > kMaxPixels) return nullptr;
    if (bits <= 8 && paletteSize == 0) paletteSize = 1u << bits;
    const std::size_t paletteAt = kFileHeaderSize + headerSize;
    if (bits <= 8 && (paletteSize > 256 || paletteAt + paletteSize * 4 > bytes.size()))
        return nullptr;
    const std::size_t stride = ((static_cast<std::size_t>(width) * bits + 31) / 32) * 4;
    if (dataOffset > bytes.size() || bytes.size() - dataOffset < stride * height) return nullptr;

    auto image = std::make_shared<PixelImage>(width, static_cast<int>(height));
    for (int y = 0; y < height; ++y) {
        const int fileRow = signedHeight > 0 ? static_cast<int>(height) - 1 - y : y;
        const std::size_t rowAt = dataOffset + stride * static_cast<std::size_t>(fileRow);
        for (int x = 0; x < width; ++x) {
            if (bits >= 24) {
                image->Set(x, y, FromBgr(bytes, rowAt + static_cast<std::size_t>(x) * (bits / 8)));
                continue;
            }
            const std::size_t bit = static_cast<std::size_t>(x) * bits;
            const unsigned byte = static_cast<unsigned char>(bytes[rowAt + bit / 8]);
            const unsigned index = (byte >> (8 - bits - bit % 8)) & ((1u << bits) - 1);
            if (index >= paletteSize) return nullptr;
            image->Set(x, y, FromBgr(bytes, paletteAt + index * 4));
        }
    }
    return image;
}

std::string EncodeBmp24(const PixelImage& image) {
    const auto width = static_cast<std::uint32_t>(image.WidthPixels());
    const auto height = static_cast<std::uint32_t>(image.HeightPixels());
    const std::uint32_t stride = (width * 3 + 3) / 4 * 4;
    const std::uint32_t dataOffset = kFileHeaderSize + kInfoHeaderSize;
    std::string bytes = "BM";
    WriteU32(bytes, dataOffset + stride * height);
    WriteU32(bytes, 0);
    WriteU32(bytes, dataOffset);
    WriteU32(bytes, kInfoHeaderSize);
    WriteU32(bytes, width);
    WriteU32(bytes, height);
    WriteU16(bytes, 1);
    WriteU16(bytes, 24);
    for (int i = 0; i < 6; ++i) WriteU32(bytes, 0);  // no compression, sizes, palette
    for (int y = static_cast<int>(height) - 1; y >= 0; --y) {
        for (std::uint32_t x = 0; x < width; ++x) {
            const Colour colour = image.At(static_cast<int>(x), y);
            bytes += static_cast<char>((colour >> 16) & 0xFF);
            bytes += static_cast<char>((colour >> 8) & 0xFF);
            bytes += static_cast<char>(colour & 0xFF);
        }
        bytes.append(stride - width * 3, '\0');
    }
    return bytes;
}

}  // namespace qn
