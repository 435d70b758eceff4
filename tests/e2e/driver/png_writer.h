#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

namespace qn::e2e {

// The two checksums of the PNG and zlib formats.
uint32_t Crc32(const uint8_t* data, size_t size, uint32_t crc = 0);
uint32_t Adler32(const uint8_t* data, size_t size, uint32_t adler = 1);

// A 24-bit RGB image: rows top to bottom, 3 bytes per pixel, no padding.
struct RgbImage {
    uint32_t width = 0;
    uint32_t height = 0;
    std::vector<uint8_t> pixels;
};

// The image as a PNG file. The image data is stored in uncompressed deflate
// blocks: larger files, but no compression library.
std::vector<uint8_t> EncodePng(const RgbImage& image);

}  // namespace qn::e2e
