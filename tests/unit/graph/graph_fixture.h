#pragma once
// A chart drawing on a pixel surface, with its log kept in memory.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/memory/manual_clock.h"
#include "platform/memory/memory_drawing.h"
#include "platform/memory/memory_file_system.h"
#include "platform/memory/memory_local_time.h"
#include "platform/memory/pixel_surface.h"
#include "throughput/graph.h"
#include "throughput/logging.h"

namespace qn {

// The chart's background colour unless a test sets another.
constexpr Colour kBack = 0xFFFFFF;

// Records where images are painted; painting takes paintMs on the clock.
class RecordingSurface : public PixelSurface {
  public:
    RecordingSurface(int width, int height, ManualClock& clock)
        : PixelSurface(width, height), clock_(clock) {}
    void PaintImage(const SurfaceImage& image, int x, int y) override {
        paints.emplace_back(x, y);
        PixelSurface::PaintImage(image, x, y);
    }
    void PaintImageScaled(const SurfaceImage& image, int x, int y, int width, int height) override {
        clock_.Advance(paintMs);
        PixelSurface::PaintImageScaled(image, x, y, width, height);
    }
    std::vector<std::pair<int, int>> paints;
    std::uint32_t paintMs = 0;

  private:
    ManualClock& clock_;
};

class GraphTest : public ::testing::Test {
  protected:
    static constexpr const char* kLog = "C:\\log.txt";

    GraphTest() {
        log.Enabled = true;
        log.OpenLog(kLog);
    }

    std::unique_ptr<cGraph> MakeGraph(const std::string& folder = "") {
        return std::make_unique<cGraph>(drawing, log, clock, folder);
    }

    // The log's messages without their time stamps.
    std::vector<std::string> LogMessages() const {
        std::vector<std::string> messages;
        const std::string text = files.ReadAll(kLog).value_or("");
        const std::string stamp = localTime.now + ": ";
        std::size_t at = 0;
        while (at < text.size()) {
            const std::size_t end = text.find("\r\n", at);
            messages.push_back(text.substr(at + stamp.size(), end - at - stamp.size()));
            at = end + 2;
        }
        return messages;
    }

    MemoryFileSystem files;
    MemoryLocalTime localTime;
    mLogging log{files, localTime};
    ManualClock clock;
    MemoryDrawingSystem drawing;
};

}  // namespace qn
