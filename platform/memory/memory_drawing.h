#pragma once
// Pixel-buffer surfaces and pictures registered by the test, for native tests
// and the native benchmark.
#include <map>
#include <memory>
#include <string>

#include "platform/drawing_surface.h"
#include "platform/memory/pixel_surface.h"

namespace qn {

class MemoryDrawingSystem : public DrawingSystem {
  public:
    // The program's bitmap resources; names are found regardless of case.
    void AddResource(const std::string& name, std::shared_ptr<SurfaceImage> image);
    // A file's bytes; loading decodes them as a bitmap file.
    void AddFile(const std::string& path, std::string bytes);

    // Every surface is a PixelSurface of the given size; the last one stays
    // reachable for the test.
    std::unique_ptr<DrawingSurface> SurfaceFor(WindowHandle window, int widthPixels,
                                               int heightPixels) override;
    std::shared_ptr<SurfaceImage> LoadResourceBitmap(const std::string& name, int& error) override;
    std::shared_ptr<SurfaceImage> LoadPictureFile(const std::string& path, int& error) override;

    PixelSurface* lastSurface = nullptr;

  private:
    std::map<std::string, std::shared_ptr<SurfaceImage>> resources_;  // by upper-case name
    std::map<std::string, std::string> files_;                        // by upper-case path
};

}  // namespace qn
