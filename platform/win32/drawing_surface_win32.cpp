#include <windows.h>

#include "platform/win32/drawing_win32.h"

namespace qn::win32 {
namespace {

constexpr const char* kSurfaceProperty = "qn.DrawingSurface";
constexpr std::size_t kMaxCachedPens = 16;

int PenStyleOf(PenStyle style) {
    switch (style) {
        case PenStyle::Dash:
            return PS_DASH;
        case PenStyle::Dot:
            return PS_DOT;
        case PenStyle::Solid:
            break;
    }
    return PS_SOLID;
}

}  // namespace

GdiSurface::GdiSurface(HWND window, int width, int height) : window_(window) {
    HDC screen = GetDC(nullptr);
    frameDc_ = CreateCompatibleDC(screen);
    keptDc_ = CreateCompatibleDC(screen);
    ReleaseDC(nullptr, screen);
    // Text and the gaps of dashed lines leave what lies beneath.
    SetBkMode(frameDc_, TRANSPARENT);
    initialFont_ = SelectObject(frameDc_, GetStockObject(DEFAULT_GUI_FONT));
    if (window_) {
        RECT client{};
        GetClientRect(window_, &client);
        width = client.right;
        height = client.bottom;
        SetPropA(window_, kSurfaceProperty, this);
        previousProc_ = reinterpret_cast<WNDPROC>(SetWindowLongPtrA(
            window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&GdiSurface::WindowProc)));
    }
    Resize(width, height);
    SelectPen();
}

GdiSurface::~GdiSurface() {
    if (window_) {
        if (GetWindowLongPtrA(window_, GWLP_WNDPROC) ==
            reinterpret_cast<LONG_PTR>(&GdiSurface::WindowProc))
            SetWindowLongPtrA(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previousProc_));
        RemovePropA(window_, kSurfaceProperty);
    }
    SelectObject(frameDc_, initialPen_);
    SelectObject(frameDc_, initialFont_);
    for (const CachedPen& cached : pens_) DeleteObject(cached.pen);
    ClearKeptBackground();
    SelectObject(frameDc_, initialFrameBitmap_);
    DeleteObject(frame_);
    DeleteDC(keptDc_);
    DeleteDC(frameDc_);
}

LRESULT CALLBACK GdiSurface::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* surface = static_cast<GdiSurface*>(GetPropA(window, kSurfaceProperty));
    if (!surface) return DefWindowProcA(window, message, wParam, lParam);
    if (message == WM_ERASEBKGND) return 1;  // the frame covers the whole client area
    if (message == WM_PAINT) {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(window, &paint);
        if (!surface->hidden_) surface->PaintFrame(dc);
        EndPaint(window, &paint);
        return 0;
    }
    return CallWindowProcA(surface->previousProc_, window, message, wParam, lParam);
}

void GdiSurface::Resize(int width, int height) {
    width_ = width < 1 ? 1 : width;
    height_ = height < 1 ? 1 : height;
    HDC screen = GetDC(nullptr);
    HBITMAP fresh = CreateCompatibleBitmap(screen, width_, height_);
    ReleaseDC(nullptr, screen);
    HGDIOBJ previous = SelectObject(frameDc_, fresh);
    // A kept background of the old size would not cover the new frame.
    ClearKeptBackground();
    if (frame_)
        DeleteObject(previous);
    else
        initialFrameBitmap_ = previous;
    frame_ = fresh;
}

void GdiSurface::Hide() {
    hidden_ = true;
    if (!window_) return;
    RECT client{};
    GetClientRect(window_, &client);
    if (client.right != width_ || client.bottom != height_) Resize(client.right, client.bottom);
}

void GdiSurface::Show() {
    hidden_ = false;
    if (!window_) return;
    HDC dc = GetDC(window_);
    PaintFrame(dc);
    ReleaseDC(window_, dc);
    ValidateRect(window_, nullptr);
}

void GdiSurface::PaintFrame(HDC target) const {
    BitBlt(target, 0, 0, width_, height_, frameDc_, 0, 0, SRCCOPY);
}

void GdiSurface::Clear() {
    HBRUSH brush = CreateSolidBrush(backColour_);
    RECT all{0, 0, width_, height_};
    FillRect(frameDc_, &all, brush);
    DeleteObject(brush);
    if (kept_) BitBlt(frameDc_, 0, 0, width_, height_, keptDc_, 0, 0, SRCCOPY);
}

void GdiSurface::KeepAsBackground() {
    ClearKeptBackground();
    HDC screen = GetDC(nullptr);
    kept_ = CreateCompatibleBitmap(screen, width_, height_);
    ReleaseDC(nullptr, screen);
    initialKeptBitmap_ = SelectObject(keptDc_, kept_);
    BitBlt(keptDc_, 0, 0, width_, height_, frameDc_, 0, 0, SRCCOPY);
}

void GdiSurface::ClearKeptBackground() {
    if (!kept_) return;
    SelectObject(keptDc_, initialKeptBitmap_);
    DeleteObject(kept_);
    kept_ = nullptr;
}

void GdiSurface::SetPenColor(Colour colour) {
    if (colour == penColour_) return;
    penColour_ = colour;
    SelectPen();
}

void GdiSurface::SetPenStyle(PenStyle style) {
    if (style == penStyle_) return;
    penStyle_ = style;
    SelectPen();
}

// Pens are made once per colour and style: a redraw switches colours for
// every column.
void GdiSurface::SelectPen() {
    HPEN pen = nullptr;
    for (const CachedPen& cached : pens_)
        if (cached.colour == penColour_ && cached.style == penStyle_) pen = cached.pen;
    if (!pen) {
        if (pens_.size() >= kMaxCachedPens) {
            SelectObject(frameDc_, initialPen_);
            for (const CachedPen& cached : pens_) DeleteObject(cached.pen);
            pens_.clear();
        }
        pen = CreatePen(PenStyleOf(penStyle_), 1, penColour_);
        pens_.push_back({penColour_, penStyle_, pen});
    }
    HGDIOBJ previous = SelectObject(frameDc_, pen);
    if (!initialPen_) initialPen_ = previous;
}

void GdiSurface::Line(int x1, int y1, int x2, int y2) {
    MoveToEx(frameDc_, x1, y1, nullptr);
    LineTo(frameDc_, x2, y2);
}

void GdiSurface::SetPixel(int x, int y) {
    SetPixelV(frameDc_, x, y, penColour_);
}

void GdiSurface::PrintText(int x, int y, const std::string& text) {
    SetTextColor(frameDc_, penColour_);
    TextOutA(frameDc_, x, y, text.c_str(), static_cast<int>(text.size()));
}

int GdiSurface::TextWidth(const std::string& text) const {
    SIZE size{};
    GetTextExtentPoint32A(frameDc_, text.c_str(), static_cast<int>(text.size()), &size);
    return size.cx;
}

int GdiSurface::TextHeight(const std::string& text) const {
    SIZE size{};
    GetTextExtentPoint32A(frameDc_, text.c_str(), static_cast<int>(text.size()), &size);
    if (size.cy == 0) {  // empty text: one line's height
        TEXTMETRICA metrics{};
        GetTextMetricsA(frameDc_, &metrics);
        return metrics.tmHeight;
    }
    return size.cy;
}

void GdiSurface::PaintImage(const SurfaceImage& image, int x, int y) {
    PaintImageScaled(image, x, y, image.WidthPixels(), image.HeightPixels());
}

void GdiSurface::PaintImageScaled(const SurfaceImage& image, int x, int y, int width, int height) {
    const auto* picture = dynamic_cast<const Win32Image*>(&image);
    if (picture && width > 0 && height > 0) picture->Paint(frameDc_, x, y, width, height);
}

}  // namespace qn::win32
