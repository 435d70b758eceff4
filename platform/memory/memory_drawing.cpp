#include "platform/memory/memory_drawing.h"

#include "platform/memory/bmp_codec.h"
#include "support/ansi_case.h"

namespace qn {
namespace {

// The numbers a picture load raises.
constexpr int kNoSuchResource = 326;
constexpr int kNoSuchFile = 53;
constexpr int kNotAPicture = 481;

}  // namespace

void MemoryDrawingSystem::AddResource(const std::string& name,
                                      std::shared_ptr<SurfaceImage> image) {
    resources_[ToUpperAnsi(name)] = std::move(image);
}

void MemoryDrawingSystem::AddFile(const std::string& path, std::string bytes) {
    files_[ToUpperAnsi(path)] = std::move(bytes);
}

std::unique_ptr<DrawingSurface> MemoryDrawingSystem::SurfaceFor(WindowHandle, int widthPixels,
                                                                int heightPixels) {
    auto surface = std::make_unique<PixelSurface>(widthPixels, heightPixels);
    lastSurface = surface.get();
    return surface;
}

std::shared_ptr<SurfaceImage> MemoryDrawingSystem::LoadResourceBitmap(const std::string& name,
                                                                      int& error) {
    const auto found = resources_.find(ToUpperAnsi(name));
    error = found == resources_.end() ? kNoSuchResource : 0;
    return found == resources_.end() ? nullptr : found->second;
}

std::shared_ptr<SurfaceImage> MemoryDrawingSystem::LoadPictureFile(const std::string& path,
                                                                   int& error) {
    const auto found = files_.find(ToUpperAnsi(path));
    if (found == files_.end()) {
        error = kNoSuchFile;
        return nullptr;
    }
    auto image = DecodeBmp(found->second);
    error = image ? 0 : kNotAPicture;
    return image;
}

}  // namespace qn
