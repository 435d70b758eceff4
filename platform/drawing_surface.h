#pragma once
// A surface to draw a chart on (a window's client area, a memory bitmap or a
// pixel buffer) and the images painted on it.
#include <cstdint>
#include <memory>
#include <string>

#include "platform/window_handle.h"

namespace qn {

// 0x00BBGGRR, red in the low byte.
using Colour = std::uint32_t;

enum class PenStyle { Solid, Dash, Dot };

// A decoded picture, ready to paint.
class SurfaceImage {
  public:
    virtual ~SurfaceImage() = default;
    // The natural size, converted from the picture's own units to pixels.
    virtual int WidthPixels() const = 0;
    virtual int HeightPixels() const = 0;
};

class DrawingSurface {
  public:
    virtual ~DrawingSurface() = default;

    // While hidden, drawing goes to an off-screen frame; Show puts the
    // finished frame on screen at once.
    virtual void Hide() = 0;
    virtual void Show() = 0;

    virtual int WidthPixels() const = 0;
    virtual int HeightPixels() const = 0;

    // Fills with the background colour, then paints the kept background (if
    // any) over it.
    virtual void Clear() = 0;
    virtual void SetBackColor(Colour colour) = 0;
    // The frame drawn so far becomes the kept background.
    virtual void KeepAsBackground() = 0;
    // Drops the kept background; the frame drawn so far is left as it is.
    virtual void ClearKeptBackground() = 0;
    // False also after the surface dropped it itself (a new size).
    virtual bool HasKeptBackground() const = 0;

    virtual void SetPenColor(Colour colour) = 0;
    virtual void SetPenStyle(PenStyle style) = 0;
    // Copy-pen lines, one pixel wide; the end point is not drawn. Dashes and
    // dots start afresh at each line's start; their gaps stay untouched.
    virtual void Line(int x1, int y1, int x2, int y2) = 0;
    virtual void SetPixel(int x, int y) = 0;
    // The colour of a pixel of the frame drawn so far (what shows there once
    // the frame is on screen).
    virtual Colour Pixel(int x, int y) const = 0;

    // Text in the pen colour with a transparent background, top-left at (x, y).
    virtual void PrintText(int x, int y, const std::string& text) = 0;
    virtual int TextWidth(const std::string& text) const = 0;
    virtual int TextHeight(const std::string& text) const = 0;

    virtual void PaintImage(const SurfaceImage& image, int x, int y) = 0;
    virtual void PaintImageScaled(const SurfaceImage& image, int x, int y, int width,
                                  int height) = 0;
};

// Where surfaces and images come from.
class DrawingSystem {
  public:
    virtual ~DrawingSystem() = default;
    // A surface over a window's client area (a picture box), sized as the
    // window is. Without a window (window 0: tests, benchmarks) a surface of
    // widthPixels x heightPixels that is never shown on screen.
    virtual std::unique_ptr<DrawingSurface> SurfaceFor(WindowHandle window, int widthPixels,
                                                       int heightPixels) = 0;
    // error: 0 on success, otherwise the number a picture load raises
    // (326: no such resource, 53: no such file, 481: not a picture).
    virtual std::shared_ptr<SurfaceImage> LoadResourceBitmap(const std::string& name,
                                                             int& error) = 0;
    virtual std::shared_ptr<SurfaceImage> LoadPictureFile(const std::string& path, int& error) = 0;
};

}  // namespace qn
