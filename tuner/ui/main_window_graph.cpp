// The small throughput graph in pDapplet: all interfaces summed, one column
// per second.
#include "tuner/ui/main_window.h"

namespace qn {

namespace {

// Without a window (tests) the picture box is measured at 96 dots per inch.
constexpr int kTwipsPerPixel = 15;

}  // namespace

void MainWindow::StartThroughputGraph() {
    // Windows 95 has no interface table to read.
    if (!environment_.IsWinNT() && !environment_.IsWin98OrLater()) return;
    const ui::Bounds& bounds = pDapplet.GetBounds();
    graphSurface_ = services_.drawing.SurfaceFor(pDapplet.hWnd(), bounds.width / kTwipsPerPixel,
                                                 bounds.height / kTwipsPerPixel);
    graph_ = std::make_unique<cGraph>(services_.drawing, services_.log, services_.clock, "");
    graph_->SetPicture(graphSurface_.get());
    graph_->SetAutoScale(true);
    graph_->SetHistory(graphSurface_->WidthPixels());
    graph_->SetShowGrid(false);
    netStats_ = std::make_unique<cNetStatus>(services_.interfaces, services_.timers, services_.log);
    netStats_->Status = [this](std::int32_t lIn, std::int32_t lOut) { NetStats_Status(lIn, lOut); };
    pDapplet.SetVisible(true);
    netStats_->Start();
}

void MainWindow::StopThroughputGraph() {
    // The sampler's timer outlives it in the timer table; nothing may draw
    // into the window once it is gone.
    netStats_.reset();
    graph_.reset();
    graphSurface_.reset();
}

void MainWindow::NetStats_Status(std::int32_t lIn, std::int32_t lOut) {
    if (!graph_) return;
    graph_->AddData(lIn, lOut);
    const bool drawData = true;
    const bool refreshBackground = false;
    graph_->DrawGraph(drawData, refreshBackground);
}

void MainWindow::pDapplet_Click() {
    if (mnuDapplet.Visible()) mnuDapplet_Click();
}

}  // namespace qn
