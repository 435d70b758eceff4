// How long the chart takes to redraw once a second, and to render the CLOUDS
// background, at the size of a large meter window.
#include <chrono>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>

#include "platform/memory/memory_file_system.h"
#include "platform/memory/memory_local_time.h"
#include "throughput/graph.h"
#ifdef _WIN32
#include "platform/win32/win32_services.h"
#else
#include "platform/memory/bmp_codec.h"
#include "platform/memory/memory_drawing.h"
#endif

namespace {

constexpr int kWidth = 1000;
constexpr int kHeight = 400;
constexpr int kRedraws = 500;
constexpr int kBackgroundRenders = 20;

class SteadyClock : public qn::Clock {
  public:
    std::uint32_t TickCount() const override {
        return static_cast<std::uint32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(
                                              std::chrono::steady_clock::now().time_since_epoch())
                                              .count());
    }
    qn::TimerId StartTimer(std::uint32_t, qn::TimerCallback) override { return 0; }
    bool StopTimer(qn::TimerId) override { return false; }
};

std::unique_ptr<qn::DrawingSystem> MakeDrawingSystem() {
#ifdef _WIN32
    return qn::win32::MakeWin32DrawingSystem();
#else
    auto system = std::make_unique<qn::MemoryDrawingSystem>();
    std::ifstream in(std::string(QN_SOURCE_DIR) + "/resources/clouds.bmp", std::ios::binary);
    auto clouds = qn::DecodeBmp({std::istreambuf_iterator<char>(in), {}});
    if (!clouds) clouds = std::make_shared<qn::PixelImage>(602, 425, 0xC08040);
    system->AddResource("CLOUDS", clouds);
    return system;
#endif
}

double MillisecondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
        .count();
}

// Redraws with a new sample each time, as the meter does every second.
void MeasureRedraw(qn::cGraph& graph, bool filled) {
    graph.FillUnderGraph = filled;
    std::uint32_t seed = 1;
    const auto start = std::chrono::steady_clock::now();
    const std::clock_t cpuStart = std::clock();
    for (int i = 0; i < kRedraws; ++i) {
        seed = seed * 1103515245u + 12345u;
        graph.AddData(static_cast<std::int32_t>(seed % 90000),
                      static_cast<std::int32_t>((seed >> 3) % 40000));
        graph.DrawGraph(true, false);
    }
    const double wall = MillisecondsSince(start) / kRedraws;
    const double cpu =
        1000.0 * static_cast<double>(std::clock() - cpuStart) / CLOCKS_PER_SEC / kRedraws;
    std::printf("redraw %s: %.3f ms wall, %.3f ms clock() per AddData+DrawGraph\n",
                filled ? "filled" : "lines ", wall, cpu);
}

}  // namespace

int main() {
    qn::MemoryFileSystem files;
    qn::MemoryLocalTime localTime;
    qn::mLogging log(files, localTime);
    SteadyClock clock;
    auto system = MakeDrawingSystem();
    auto surface = system->SurfaceFor(0, kWidth, kHeight);
    qn::cGraph graph(*system, log, clock, "");
    graph.SetPicture(surface.get());
    graph.SetHistory(1000);
    graph.SetScaleValue(100000);
    for (int i = 0; i < 1000; ++i) graph.AddData(i * 50, i * 20);
    std::printf("%dx%d pixels, %d samples kept, %d redraws each\n", kWidth, kHeight,
                graph.CurHistorySize(), kRedraws);
    MeasureRedraw(graph, true);
    MeasureRedraw(graph, false);

    graph.SetBackgroundPicture("res:Clouds");
    graph.StretchBackground = true;
    const auto start = std::chrono::steady_clock::now();
    std::uint32_t slowest = 0;
    for (int i = 0; i < kBackgroundRenders; ++i) {
        graph.DrawGraph(true, true);
        if (graph.LastBench > slowest) slowest = graph.LastBench;
    }
    std::printf(
        "background CLOUDS stretched to %dx%d: %.3f ms per redraw with it, "
        "LastBench at most %u ms\n",
        kWidth, kHeight, MillisecondsSince(start) / kBackgroundRenders, slowest);
    return 0;
}
