#pragma once
// mTilePicture: a background image repeated over a surface or stretched to it.
#include "platform/drawing_surface.h"

namespace qn::mTilePicture {

// Copies at the image's natural size from the top-left corner, across and
// down until the surface is covered. An empty image paints nothing.
void TilePicture(DrawingSurface& surface, const SurfaceImage& image);
// The whole image once, scaled to the surface.
void StretchPicture(DrawingSurface& surface, const SurfaceImage& image);

}  // namespace qn::mTilePicture
