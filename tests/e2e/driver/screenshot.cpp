#include "tests/e2e/driver/screenshot.h"

#include <windows.h>

#include "tests/e2e/driver/files.h"

namespace qn::e2e {

RgbImage CaptureDesktop() {
    RECT bounds{};
    GetWindowRect(GetDesktopWindow(), &bounds);
    return CaptureScreenRect(bounds.left, bounds.top, bounds.right - bounds.left,
                             bounds.bottom - bounds.top);
}

RgbImage CaptureScreenRect(int left, int top, int width, int height) {
    RgbImage image;
    if (width <= 0 || height <= 0) return image;
    HWND desktop = GetDesktopWindow();

    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top-down rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;

    HDC screen = GetDC(desktop);
    HDC memory = CreateCompatibleDC(screen);
    void* bits = nullptr;
    HBITMAP dib = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (dib != nullptr && bits != nullptr) {
        HGDIOBJ old = SelectObject(memory, dib);
        BitBlt(memory, 0, 0, width, height, screen, left, top, SRCCOPY);
        GdiFlush();
        SelectObject(memory, old);

        // DIB rows are padded to 4 bytes and hold blue, green, red.
        const size_t stride = (static_cast<size_t>(width) * 3 + 3) & ~static_cast<size_t>(3);
        image.width = static_cast<uint32_t>(width);
        image.height = static_cast<uint32_t>(height);
        image.pixels.resize(static_cast<size_t>(width) * height * 3);
        const auto* source = static_cast<const uint8_t*>(bits);
        for (int y = 0; y < height; ++y) {
            const uint8_t* row = source + y * stride;
            uint8_t* target = &image.pixels[static_cast<size_t>(y) * width * 3];
            for (int x = 0; x < width; ++x) {
                target[x * 3 + 0] = row[x * 3 + 2];
                target[x * 3 + 1] = row[x * 3 + 1];
                target[x * 3 + 2] = row[x * 3 + 0];
            }
        }
    }
    if (dib != nullptr) DeleteObject(dib);
    DeleteDC(memory);
    ReleaseDC(desktop, screen);
    return image;
}

bool SaveDesktopPng(const std::string& path) {
    const RgbImage image = CaptureDesktop();
    if (image.width == 0) return false;
    return WriteWholeFile(path, EncodePng(image));
}

namespace {

// <tree>\screenshots\<name>.png, the folder made; "" when it cannot be.
std::string ScreenshotPath(const std::string& name) {
    const std::string bin = ProgramFolder();
    const std::string tree = bin.substr(0, bin.find_last_of('\\'));
    const std::string folder = tree + "\\screenshots";
    return MakeFolders(folder) ? folder + "\\" + name + ".png" : "";
}

}  // namespace

std::string SaveNamedScreenshot(const std::string& name) {
    const std::string path = ScreenshotPath(name);
    return !path.empty() && SaveDesktopPng(path) ? path : "";
}

std::string SaveWindowScreenshot(HWND window, const std::string& name) {
    RECT box{};
    if (!GetWindowRect(window, &box)) return "";
    const RgbImage image =
        CaptureScreenRect(box.left, box.top, box.right - box.left, box.bottom - box.top);
    const std::string path = ScreenshotPath(name);
    if (image.width == 0 || path.empty()) return "";
    return WriteWholeFile(path, EncodePng(image)) ? path : "";
}

}  // namespace qn::e2e
