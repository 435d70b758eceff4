#pragma once
// The GDI drawing surface and pictures, visible to the Wine tests, which read
// the finished frame's pixels.
#include <windows.h>

#include <memory>
#include <vector>

#include "platform/drawing_surface.h"

namespace qn::win32 {

// A picture that paints itself on a device context.
class Win32Image : public SurfaceImage {
  public:
    virtual void Paint(HDC dc, int x, int y, int width, int height) const = 0;
};

// Draws into a memory bitmap; with a window, Show copies the finished frame
// to the window's client area and the window's WM_PAINT repaints it.
class GdiSurface : public DrawingSurface {
  public:
    // window may be 0: a surface of width x height in memory only. Otherwise
    // the surface follows the window's client size and hooks the window's
    // procedure until it is destroyed.
    GdiSurface(HWND window, int width, int height);
    ~GdiSurface() override;
    GdiSurface(const GdiSurface&) = delete;
    GdiSurface& operator=(const GdiSurface&) = delete;

    HDC FrameDc() const { return frameDc_; }
    HWND Window() const { return window_; }

    void Hide() override;
    void Show() override;
    int WidthPixels() const override { return width_; }
    int HeightPixels() const override { return height_; }
    void Clear() override;
    void SetBackColor(Colour colour) override { backColour_ = colour; }
    void KeepAsBackground() override;
    void ClearKeptBackground() override;
    bool HasKeptBackground() const override { return kept_ != nullptr; }
    void SetPenColor(Colour colour) override;
    void SetPenStyle(PenStyle style) override;
    void Line(int x1, int y1, int x2, int y2) override;
    void SetPixel(int x, int y) override;
    Colour Pixel(int x, int y) const override { return GetPixel(frameDc_, x, y); }
    void PrintText(int x, int y, const std::string& text) override;
    int TextWidth(const std::string& text) const override;
    int TextHeight(const std::string& text) const override;
    void PaintImage(const SurfaceImage& image, int x, int y) override;
    void PaintImageScaled(const SurfaceImage& image, int x, int y, int width, int height) override;

  private:
    struct CachedPen {
        Colour colour;
        PenStyle style;
        HPEN pen;
    };
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void Resize(int width, int height);
    void SelectPen();
    void PaintFrame(HDC target) const;

    HWND window_;
    WNDPROC previousProc_ = nullptr;
    int width_ = 0;
    int height_ = 0;
    HDC frameDc_ = nullptr;
    HBITMAP frame_ = nullptr;
    HGDIOBJ initialFrameBitmap_ = nullptr;
    HDC keptDc_ = nullptr;
    HBITMAP kept_ = nullptr;
    HGDIOBJ initialKeptBitmap_ = nullptr;
    HGDIOBJ initialPen_ = nullptr;
    HGDIOBJ initialFont_ = nullptr;
    Colour backColour_ = 0xFFFFFF;
    Colour penColour_ = 0;
    PenStyle penStyle_ = PenStyle::Solid;
    std::vector<CachedPen> pens_;  // a handful: the chart uses few colours
    bool hidden_ = false;
};

}  // namespace qn::win32
