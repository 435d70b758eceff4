#include "throughput/graph_background.h"

namespace qn {
namespace {

constexpr std::size_t kPrefixLength = 4;  // "res:"

}  // namespace

std::shared_ptr<SurfaceImage> LoadGraphBackground(DrawingSystem& drawing, mLogging& log,
                                                  const std::string& pictureFolder,
                                                  const std::string& text,
                                                  std::shared_ptr<SurfaceImage> current) {
    if (text.empty()) return nullptr;
    if (text.size() <= kPrefixLength) return current;
    int error = 0;
    std::shared_ptr<SurfaceImage> loaded;
    if (text.compare(0, kPrefixLength, "res:") == 0) {
        loaded = drawing.LoadResourceBitmap(text.substr(kPrefixLength), error);
        log.WriteLog("cGraph_BackgrounPicture: LoadResPicture " + std::to_string(error) + "," +
                     text);
    } else {
        const std::string path = text.find('\\') == std::string::npos ? pictureFolder + text : text;
        loaded = drawing.LoadPictureFile(path, error);
        log.WriteLog("cGraph_BackgrounPicture: LoadPicture " + std::to_string(error) + "," + text);
    }
    return error == 0 && loaded ? loaded : current;
}

}  // namespace qn
