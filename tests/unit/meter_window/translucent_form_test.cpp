#include "meter/window/translucent_form.h"

#include <gtest/gtest.h>

#include "platform/memory/memory_os_version.h"
#include "platform/memory/memory_window_frame.h"

namespace qn {
namespace {

constexpr WindowHandle kTranslucentWindow = 10;
constexpr WindowHandle kOther = 11;
constexpr std::uint32_t kLayered = MemoryWindowFrame::kExLayered;
constexpr std::uint32_t kButtonFace = 0xC0C0C0;

TEST(AlphaFromPercent, RoundsHalfToEvenWithinTheByte) {
    EXPECT_EQ(AlphaFromPercent(50), 128);
    EXPECT_EQ(AlphaFromPercent(100), 255);
    EXPECT_EQ(AlphaFromPercent(0), 0);
    EXPECT_EQ(AlphaFromPercent(150), 255);
    EXPECT_EQ(AlphaFromPercent(-5), 0);
}

class TranslucentFormTest : public ::testing::Test {
  protected:
    void SetUp() override {
        frame.AddWindow(kTranslucentWindow, FrameRect{}).exStyle = 0x8;
        frame.AddWindow(kOther, FrameRect{});
        frame.sysColors[15] = kButtonFace;
    }
    const MemoryWindowFrame::Window& Window(WindowHandle handle) { return frame.windows[handle]; }
    bool Layered(WindowHandle handle) { return (Window(handle).exStyle & kLayered) != 0; }
    std::uint8_t ShownAlpha() { return Window(kTranslucentWindow).layered->alpha; }

    MemoryWindowFrame frame;
};

TEST_F(TranslucentFormTest, IgnoresEveryWriteBeforeWindows2000) {
    MemoryOsVersion version(WindowsNt4());
    CTranslucentForm form(frame, version);
    form.SethWnd(kTranslucentWindow);
    form.SetMode(kLayerColorKey);
    form.SetAlpha(100);
    form.SetColorKey(0xFF);
    EXPECT_FALSE(form.Supported());
    EXPECT_EQ(form.hWnd(), 0u);
    EXPECT_EQ(form.Mode(), kLayerAlpha);
    EXPECT_EQ(form.Alpha(), 255);
    EXPECT_EQ(form.ColorKey(), kDefaultColorKey);
    EXPECT_EQ(Window(kTranslucentWindow).exStyle, 0x8u);
    EXPECT_FALSE(Window(kTranslucentWindow).layered);
}

TEST_F(TranslucentFormTest, SwitchesBetweenAlphaAndColorKey) {
    MemoryOsVersion version(Windows2000());
    {
        CTranslucentForm form(frame, version);
        form.SethWnd(kTranslucentWindow);
        EXPECT_TRUE(Layered(kTranslucentWindow));
        EXPECT_EQ(Window(kTranslucentWindow).exStyle & 0x8, 0x8u);
        EXPECT_EQ(ShownAlpha(), 255);

        form.SetAlpha(128);
        EXPECT_EQ(ShownAlpha(), 128);
        EXPECT_EQ(form.Alpha(), 128);

        form.SetColorKey(kDefaultColorKey);  // a system colour: its RGB goes to the system
        EXPECT_EQ(form.Mode(), kLayerColorKey);
        EXPECT_EQ(Window(kTranslucentWindow).layered->colorKey, kButtonFace);
        EXPECT_EQ(Window(kTranslucentWindow).layered->flags, 1u);

        form.SetAlpha(200);  // back to alpha
        EXPECT_EQ(form.Mode(), kLayerAlpha);
        EXPECT_EQ(ShownAlpha(), 200);
        EXPECT_EQ(Window(kTranslucentWindow).layered->flags, 2u);

        form.SetMode(kLayerNone);
        EXPECT_EQ(form.Mode(), kLayerNone);
        EXPECT_FALSE(Layered(kTranslucentWindow));
        EXPECT_EQ(ShownAlpha(), 255);
        form.SetMode(7);
        EXPECT_EQ(form.Mode(), kLayerNone);

        form.SetAlpha(64);
        EXPECT_TRUE(Layered(kTranslucentWindow));
        EXPECT_EQ(ShownAlpha(), 64);

        form.SethWnd(kOther);
        EXPECT_FALSE(Layered(kTranslucentWindow));
        EXPECT_TRUE(Layered(kOther));
        EXPECT_EQ(form.Alpha(), 255);
    }
    EXPECT_FALSE(Layered(kOther));
}

}  // namespace
}  // namespace qn
