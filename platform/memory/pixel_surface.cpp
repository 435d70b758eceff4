#include "platform/memory/pixel_surface.h"

#include "platform/memory/pixel_surface_lines.h"

namespace qn {

PixelImage::PixelImage(int width, int height, Colour fill)
    : width_(width < 0 ? 0 : width),
      height_(height < 0 ? 0 : height),
      pixels_(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_), fill) {}

void PixelImage::Fill(Colour colour) {
    pixels_.assign(pixels_.size(), colour);
}

PixelSurface::PixelSurface(int widthPixels, int heightPixels)
    : frame_(widthPixels, heightPixels, 0xFFFFFF) {}

void PixelSurface::Show() {
    hidden_ = false;
    ++shows_;
}

void PixelSurface::Clear() {
    texts_.clear();
    if (kept_)
        frame_ = *kept_;
    else
        frame_.Fill(backColour_);
}

void PixelSurface::Line(int x1, int y1, int x2, int y2) {
    RasteriseLine(x1, y1, x2, y2, penStyle_, [this](int x, int y) { SetPixel(x, y); });
}

void PixelSurface::SetPixel(int x, int y) {
    if (frame_.Contains(x, y)) frame_.Set(x, y, penColour_);
}

void PixelSurface::PrintText(int x, int y, const std::string& text) {
    texts_.push_back({x, y, text, penColour_});
}

std::pair<int, int> PixelSurface::Measure(const std::string& text) const {
    if (measure_) return measure_(text);
    return {static_cast<int>(text.size()) * kCharWidth, kTextHeight};
}

void PixelSurface::PaintImage(const SurfaceImage& image, int x, int y) {
    PaintImageScaled(image, x, y, image.WidthPixels(), image.HeightPixels());
}

void PixelSurface::PaintImageScaled(const SurfaceImage& image, int x, int y, int width,
                                    int height) {
    const auto* pixels = dynamic_cast<const PixelImage*>(&image);
    if (!pixels || width <= 0 || height <= 0) return;
    const long long sourceWidth = pixels->WidthPixels();
    const long long sourceHeight = pixels->HeightPixels();
    for (int row = 0; row < height; ++row) {
        const int sourceY = static_cast<int>(row * sourceHeight / height);
        for (int column = 0; column < width; ++column) {
            if (!frame_.Contains(x + column, y + row)) continue;
            const int sourceX = static_cast<int>(column * sourceWidth / width);
            frame_.Set(x + column, y + row, pixels->At(sourceX, sourceY));
        }
    }
}

}  // namespace qn
