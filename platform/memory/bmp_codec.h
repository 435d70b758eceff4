#pragma once
// Windows bitmap files (.bmp) to and from pixel images: enough for the
// in-memory drawing system to load the programs' backgrounds and for tests to
// write small pictures.
#include <memory>
#include <string>

#include "platform/memory/pixel_surface.h"

namespace qn {

// Uncompressed 1, 4, 8 (palette), 24 and 32 bits per pixel, bottom-up or
// top-down. Null when the bytes are no such bitmap.
std::shared_ptr<PixelImage> DecodeBmp(const std::string& bytes);

// A 24-bit bottom-up bitmap file.
std::string EncodeBmp24(const PixelImage& image);

}  // namespace qn
