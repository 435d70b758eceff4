#pragma once
// Loading the chart's background picture from the text that names it.
#include <memory>
#include <string>

#include "platform/drawing_surface.h"
#include "throughput/logging.h"

namespace qn {

// The image "res:<name>" or a file path names, with the outcome logged. A text
// of 4 characters or fewer, or a failed load, gives back the current image;
// an empty text gives none. pictureFolder prefixes paths without a "\".
std::shared_ptr<SurfaceImage> LoadGraphBackground(DrawingSystem& drawing, mLogging& log,
                                                  const std::string& pictureFolder,
                                                  const std::string& text,
                                                  std::shared_ptr<SurfaceImage> current);

}  // namespace qn
