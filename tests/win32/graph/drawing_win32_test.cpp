// The GDI drawing system: a surface over a real window, and pictures from
// resources and files.
#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>

#include "platform/memory/bmp_codec.h"
#include "platform/win32/drawing_win32.h"
#include "platform/win32/win32_services.h"

namespace qn::win32 {
namespace {

std::string TempPath(const std::string& name) {
    char folder[MAX_PATH];
    GetTempPathA(MAX_PATH, folder);
    return std::string(folder) + name;
}

void WriteFile(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

// A 16x16 icon: opaque green left half, transparent right half.
std::string GreenHalfIcon() {
    std::string bytes;
    auto u16 = [&](int v) {
        bytes += static_cast<char>(v & 0xFF);
        bytes += static_cast<char>((v >> 8) & 0xFF);
    };
    auto u32 = [&](std::uint32_t v) {
        u16(static_cast<int>(v & 0xFFFF));
        u16(static_cast<int>(v >> 16));
    };
    const std::uint32_t imageSize = 40 + 16 * 16 * 4 + 16 * 4;
    u16(0), u16(1), u16(1);                                          // icon directory, one image
    bytes += '\x10', bytes += '\x10', bytes += '\0', bytes += '\0';  // 16x16, no palette
    u16(1), u16(32), u32(imageSize), u32(6 + 16);                    // planes, bits, size, offset
    u32(40), u32(16), u32(32), u16(1), u16(32);  // header: height counts both masks
    for (int i = 0; i < 6; ++i) u32(0);
    for (int i = 0; i < 16 * 16; ++i) u32(0xFF00FF00);   // colour: opaque green
    for (int row = 0; row < 16; ++row) u32(0x0000FF00);  // mask: right half transparent
    return bytes;
}

// A 1x1 GIF whose one pixel is red.
const char kRedGif[] =
    "GIF89a\x01\x00\x01\x00\x80\x00\x00\xFF\x00\x00\x00\x00\x00"
    ",\x00\x00\x00\x00\x01\x00\x01\x00\x00\x02\x02\x44\x01\x00;";

TEST(DrawingWin32Test, WindowShowsTheFinishedFrameAndGetsItsProcedureBack) {
    HWND top = CreateWindowExA(0, "STATIC", "graph", WS_POPUP | WS_VISIBLE, 10, 10, 200, 100,
                               nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    HWND box = CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE | SS_NOTIFY, 5, 5, 120, 60,
                               top, nullptr, GetModuleHandleA(nullptr), nullptr);
    ASSERT_TRUE(box);
    const LONG_PTR originalProc = GetWindowLongPtrA(box, GWLP_WNDPROC);
    auto system = MakeWin32DrawingSystem();
    {
        auto surface = system->SurfaceFor(reinterpret_cast<WindowHandle>(box), 0, 0);
        EXPECT_EQ(surface->WidthPixels(), 120) << "the window's client size";
        EXPECT_EQ(surface->HeightPixels(), 60);
        surface->Hide();
        surface->SetBackColor(0x00FFFF);
        surface->Clear();
        surface->SetPenColor(0x0000FF);
        surface->Line(10, 20, 50, 20);
        surface->Show();

        HDC dc = GetDC(box);
        EXPECT_EQ(GetPixel(dc, 0, 0), 0x00FFFFu);
        EXPECT_EQ(GetPixel(dc, 10, 20), 0x0000FFu);
        EXPECT_EQ(GetPixel(dc, 50, 20), 0x00FFFFu) << "the end point is left out";
        RECT all{0, 0, 120, 60};
        FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
        InvalidateRect(box, nullptr, TRUE);
        UpdateWindow(box);
        EXPECT_EQ(GetPixel(dc, 0, 0), 0x00FFFFu) << "repainted from the last frame";
        EXPECT_EQ(GetPixel(dc, 30, 20), 0x0000FFu);
        ReleaseDC(box, dc);
    }
    EXPECT_EQ(GetWindowLongPtrA(box, GWLP_WNDPROC), originalProc);
    DestroyWindow(top);
}

TEST(DrawingWin32Test, LoadsResourceBitmapsByAnyCaseAndPictureFiles) {
    auto system = MakeWin32DrawingSystem();
    int error = -1;
    auto clouds = system->LoadResourceBitmap("Clouds", error);
    ASSERT_TRUE(clouds);
    EXPECT_EQ(error, 0);
    EXPECT_EQ(clouds->WidthPixels(), 602);
    EXPECT_EQ(clouds->HeightPixels(), 425);
    EXPECT_FALSE(system->LoadResourceBitmap("RIVER", error));
    EXPECT_EQ(error, 326);

    PixelImage blue(5, 4, 0xFF0000);
    blue.Set(0, 0, 0x123456);
    const std::string bmpPath = TempPath("qn-graph-blue.bmp");
    const std::string iconPath = TempPath("qn-graph-green.ico");
    const std::string gifPath = TempPath("qn-graph-red.gif");
    const std::string textPath = TempPath("qn-graph-text.bmp");
    WriteFile(bmpPath, EncodeBmp24(blue));
    WriteFile(iconPath, GreenHalfIcon());
    WriteFile(gifPath, std::string(kRedGif, sizeof kRedGif - 1));
    WriteFile(textPath, "not a picture");

    GdiSurface surface(nullptr, 40, 20);
    surface.SetBackColor(0xFFFFFF);
    surface.Clear();
    auto bmp = system->LoadPictureFile(bmpPath, error);
    ASSERT_TRUE(bmp);
    EXPECT_EQ(error, 0);
    EXPECT_EQ(bmp->WidthPixels(), 5);
    EXPECT_EQ(bmp->HeightPixels(), 4);
    surface.PaintImage(*bmp, 0, 0);
    EXPECT_EQ(GetPixel(surface.FrameDc(), 0, 0), 0x123456u);
    EXPECT_EQ(GetPixel(surface.FrameDc(), 4, 3), 0xFF0000u);
    EXPECT_EQ(GetPixel(surface.FrameDc(), 5, 3), 0xFFFFFFu);

    auto icon = system->LoadPictureFile(iconPath, error);
    ASSERT_TRUE(icon);
    EXPECT_EQ(icon->WidthPixels(), 16);
    surface.PaintImage(*icon, 20, 0);
    EXPECT_EQ(GetPixel(surface.FrameDc(), 21, 5), 0x00FF00u);
    EXPECT_EQ(GetPixel(surface.FrameDc(), 34, 5), 0xFFFFFFu) << "transparent half";

    auto gif = system->LoadPictureFile(gifPath, error);
    ASSERT_TRUE(gif);
    EXPECT_EQ(gif->WidthPixels(), 1);
    surface.PaintImageScaled(*gif, 0, 10, 4, 4);
    EXPECT_EQ(GetPixel(surface.FrameDc(), 3, 13), 0x0000FFu);

    EXPECT_FALSE(system->LoadPictureFile(textPath, error));
    EXPECT_EQ(error, 481);
    EXPECT_FALSE(system->LoadPictureFile(TempPath("qn-graph-missing.bmp"), error));
    EXPECT_EQ(error, 53);
    for (const auto& path : {bmpPath, iconPath, gifPath, textPath}) DeleteFileA(path.c_str());
}

}  // namespace
}  // namespace qn::win32
