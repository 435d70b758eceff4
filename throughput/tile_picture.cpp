#include "throughput/tile_picture.h"

namespace qn::mTilePicture {

void TilePicture(DrawingSurface& surface, const SurfaceImage& image) {
    const int width = image.WidthPixels();
    const int height = image.HeightPixels();
    if (width <= 0 || height <= 0) return;
    const int surfaceWidth = surface.WidthPixels();
    const int surfaceHeight = surface.HeightPixels();
    for (int x = 0; x <= surfaceWidth; x += width)
        for (int y = 0; y <= surfaceHeight; y += height) surface.PaintImage(image, x, y);
}

void StretchPicture(DrawingSurface& surface, const SurfaceImage& image) {
    surface.PaintImageScaled(image, 0, 0, surface.WidthPixels(), surface.HeightPixels());
}

}  // namespace qn::mTilePicture
