#pragma once
// Reading back what a GDI surface drew.
#include <windows.h>

#include <vector>

#include "platform/drawing_surface.h"

namespace qn::win32 {

// The pixels of a device context's top-left width x height, row by row, as
// 0x00BBGGRR.
inline std::vector<Colour> ReadPixels(HDC source, int width, int height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HBITMAP copy = CreateDIBSection(source, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HDC dc = CreateCompatibleDC(source);
    HGDIOBJ previous = SelectObject(dc, copy);
    BitBlt(dc, 0, 0, width, height, source, 0, 0, SRCCOPY);
    GdiFlush();
    std::vector<Colour> pixels(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
    const auto* bgra = static_cast<const DWORD*>(bits);
    for (std::size_t i = 0; i < pixels.size(); ++i) {
        const DWORD value = bgra[i];
        pixels[i] = ((value >> 16) & 0xFF) | (value & 0xFF00) | ((value & 0xFF) << 16);
    }
    SelectObject(dc, previous);
    DeleteDC(dc);
    DeleteObject(copy);
    return pixels;
}

}  // namespace qn::win32
