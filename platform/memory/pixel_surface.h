#pragma once
// A drawing surface made of a pixel buffer, for tests: every pixel can be
// read back, and text is recorded instead of rendered.
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/drawing_surface.h"

namespace qn {

class PixelImage : public SurfaceImage {
  public:
    PixelImage(int width, int height, Colour fill = 0);
    int WidthPixels() const override { return width_; }
    int HeightPixels() const override { return height_; }
    Colour At(int x, int y) const { return pixels_[Index(x, y)]; }
    void Set(int x, int y, Colour colour) { pixels_[Index(x, y)] = colour; }
    bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }
    void Fill(Colour colour);

  private:
    std::size_t Index(int x, int y) const {
        return static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
               static_cast<std::size_t>(x);
    }
    int width_;
    int height_;
    std::vector<Colour> pixels_;
};

struct PrintedText {
    int x = 0;
    int y = 0;
    std::string text;
    Colour colour = 0;
};

class PixelSurface : public DrawingSurface {
  public:
    // Width and height in pixels of a text.
    using TextMeasure = std::function<std::pair<int, int>(const std::string&)>;
    // Text measures kCharWidth per character and kTextHeight high unless a
    // test sets another measure (for example a real font's).
    static constexpr int kCharWidth = 6;
    static constexpr int kTextHeight = 13;

    PixelSurface(int widthPixels, int heightPixels);

    Colour Pixel(int x, int y) const override { return frame_.At(x, y); }
    const PixelImage& Frame() const { return frame_; }
    // The texts printed since the last Clear, in order.
    const std::vector<PrintedText>& Texts() const { return texts_; }
    bool Hidden() const { return hidden_; }
    int ShowCount() const { return shows_; }
    bool HasKeptBackground() const override { return kept_.has_value(); }
    void SetTextMeasure(TextMeasure measure) { measure_ = std::move(measure); }

    void Hide() override { hidden_ = true; }
    void Show() override;
    int WidthPixels() const override { return frame_.WidthPixels(); }
    int HeightPixels() const override { return frame_.HeightPixels(); }
    void Clear() override;
    void SetBackColor(Colour colour) override { backColour_ = colour; }
    void KeepAsBackground() override { kept_ = frame_; }
    void ClearKeptBackground() override { kept_.reset(); }
    void SetPenColor(Colour colour) override { penColour_ = colour; }
    void SetPenStyle(PenStyle style) override { penStyle_ = style; }
    void Line(int x1, int y1, int x2, int y2) override;
    void SetPixel(int x, int y) override;
    void PrintText(int x, int y, const std::string& text) override;
    int TextWidth(const std::string& text) const override { return Measure(text).first; }
    int TextHeight(const std::string& text) const override { return Measure(text).second; }
    // Images other than PixelImage paint nothing.
    void PaintImage(const SurfaceImage& image, int x, int y) override;
    void PaintImageScaled(const SurfaceImage& image, int x, int y, int width, int height) override;

  private:
    std::pair<int, int> Measure(const std::string& text) const;

    PixelImage frame_;
    std::optional<PixelImage> kept_;
    std::vector<PrintedText> texts_;
    TextMeasure measure_;
    Colour backColour_ = 0xFFFFFF;
    Colour penColour_ = 0;
    PenStyle penStyle_ = PenStyle::Solid;
    bool hidden_ = false;
    int shows_ = 0;
};

}  // namespace qn
