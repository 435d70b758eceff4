// The small throughput graph beside the version label.
#include <gtest/gtest.h>

#include <cstdint>
#include <set>
#include <string>

#include "tests/support/interface_rows.h"
#include "tests/unit/tuner_ui/tuner_session_helpers.h"

namespace qn {
namespace {

// The columns of the surface that hold any pixel of colour.
std::set<int> ColumnsWith(const PixelSurface& surface, Colour colour) {
    std::set<int> columns;
    for (int x = 0; x < surface.WidthPixels(); ++x) {
        for (int y = 0; y < surface.HeightPixels(); ++y) {
            if (surface.Pixel(x, y) == colour) columns.insert(x);
        }
    }
    return columns;
}

TEST(TunerGraph, DrawsAllInterfacesSummedOnceASecondInThePictureBox) {
    testing::HeadlessTuner tuner("winxp");
    tuner.interfaces.rows = {InterfaceRowOf("lo", 1000, 500), InterfaceRowOf("eth0", 4000, 100)};
    tuner.window->Show();
    MainWindow& window = *tuner.window;

    EXPECT_TRUE(window.pDapplet.Visible());
    PixelSurface* surface = tuner.drawing.lastSurface;
    ASSERT_NE(surface, nullptr);
    const ui::Bounds& box = window.pDapplet.GetBounds();
    EXPECT_EQ(surface->WidthPixels(), box.width / 15);
    EXPECT_EQ(surface->HeightPixels(), box.height / 15);
    // The first tick only takes the baseline, and draws it.
    EXPECT_EQ(surface->ShowCount(), 1);
    EXPECT_EQ(tuner.clock.ActiveTimers(), 1u);

    // 3000 bytes in over both interfaces, 50 out, within the next second.
    tuner.interfaces.rows = {InterfaceRowOf("lo", 2000, 520), InterfaceRowOf("eth0", 6000, 130)};
    tuner.clock.Advance(1000);
    EXPECT_EQ(surface->ShowCount(), 2);
    const int newest = surface->WidthPixels() - 1;
    const std::set<int> received = ColumnsWith(*surface, 0x0000FF);
    EXPECT_EQ(received, (std::set<int>{newest})) << "the In column at the right edge";
    ASSERT_FALSE(surface->Texts().empty());
    EXPECT_EQ(surface->Texts().back().text, "In: 2.9kb/s   Out: 0kb/s");

    tuner.clock.Advance(1000);  // nothing flowed: the chart scrolls
    EXPECT_EQ(ColumnsWith(*surface, 0x0000FF), (std::set<int>{newest - 1}));

    // Closing lets go of the surface; the timer ticks on with no one to
    // draw (the sanitizers see any late drawing).
    window.Unload();
    tuner.clock.Advance(3000);
    EXPECT_EQ(tuner.clock.ActiveTimers(), 1u);
}

TEST(TunerGraph, StaysHiddenOnWindows95) {
    testing::HeadlessTuner tuner("win95");
    tuner.window->Show();
    EXPECT_FALSE(tuner.window->pDapplet.Visible());
    EXPECT_EQ(tuner.drawing.lastSurface, nullptr);
    EXPECT_EQ(tuner.clock.ActiveTimers(), 0u);
}

}  // namespace
}  // namespace qn
