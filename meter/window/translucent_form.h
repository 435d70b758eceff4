#pragma once
// Makes a window translucent (one alpha for the whole window) or cuts out
// one colour of it, on the systems that layer windows (2000 and later).
#include <cstdint>

#include "platform/os_version.h"
#include "platform/window_frame.h"

namespace qn {

constexpr std::int32_t kLayerNone = 0;
constexpr std::int32_t kLayerColorKey = 1;
constexpr std::int32_t kLayerAlpha = 2;

// A colour with the top bit set names a system colour by its low bits.
constexpr std::uint32_t kSystemColorFlag = 0x80000000u;
constexpr std::uint32_t kDefaultColorKey = 0x8000000Fu;  // the face colour of buttons

// The alpha byte for an opacity in percent (0 to 100), rounded half to even.
std::uint8_t AlphaFromPercent(double percent);

class CTranslucentForm {
  public:
    CTranslucentForm(WindowFrame& frame, const OsVersionSource& version);
    // The window goes back to plain painting.
    ~CTranslucentForm();
    CTranslucentForm(const CTranslucentForm&) = delete;
    CTranslucentForm& operator=(const CTranslucentForm&) = delete;

    // Whether the system layers windows; when not, every write is ignored.
    bool Supported() const { return supported_; }

    // The window to layer; the previous one goes back to plain painting.
    WindowHandle hWnd() const { return hWnd_; }
    void SethWnd(WindowHandle window);

    // Writing either one switches to its mode.
    std::uint8_t Alpha() const { return alpha_; }
    void SetAlpha(std::uint8_t alpha);
    std::uint32_t ColorKey() const { return colorKey_; }
    void SetColorKey(std::uint32_t colorKey);

    // kLayerNone, kLayerColorKey or kLayerAlpha; other values are ignored.
    std::int32_t Mode() const { return mode_; }
    void SetMode(std::int32_t mode);

  private:
    void MakeLayered();
    void RemoveLayered();
    void Apply();
    void SetLayeredStyle(bool on);
    std::uint32_t TranslatedColorKey(std::uint32_t colorKey) const;

    WindowFrame& frame_;
    bool supported_ = false;
    WindowHandle hWnd_ = 0;
    std::uint8_t alpha_ = 255;
    std::uint32_t colorKey_ = kDefaultColorKey;
    std::int32_t mode_ = kLayerAlpha;
};

}  // namespace qn
