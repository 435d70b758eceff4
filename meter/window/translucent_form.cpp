#include "meter/window/translucent_form.h"

#include <algorithm>

#include "support/rounding.h"

namespace qn {

namespace {

constexpr std::uint32_t kWsExLayered = 0x80000;
constexpr std::uint32_t kLwaColorKey = 1;
constexpr std::uint32_t kLwaAlpha = 2;
constexpr std::uint8_t kOpaque = 255;

}  // namespace

std::uint8_t AlphaFromPercent(double percent) {
    const double alpha = RoundHalfEven(percent / 100 * 255);
    // Outside 0..100 the byte would overflow: the nearest opacity is meant.
    return static_cast<std::uint8_t>(std::clamp(alpha, 0.0, 255.0));
}

CTranslucentForm::CTranslucentForm(WindowFrame& frame, const OsVersionSource& version)
    : frame_(frame) {
    const auto running = version.Read();
    supported_ = running && running->major >= 5;
}

CTranslucentForm::~CTranslucentForm() {
    RemoveLayered();
}

void CTranslucentForm::SethWnd(WindowHandle window) {
    if (!supported_) return;
    RemoveLayered();
    hWnd_ = window;
    MakeLayered();
}

void CTranslucentForm::SetAlpha(std::uint8_t alpha) {
    if (!supported_) return;
    if (mode_ == kLayerAlpha) {
        if (hWnd_ != 0 && frame_.SetLayeredAttributes(hWnd_, 0, alpha, kLwaAlpha)) alpha_ = alpha;
        return;
    }
    alpha_ = alpha;
    mode_ = kLayerAlpha;
    Apply();
}

void CTranslucentForm::SetColorKey(std::uint32_t colorKey) {
    if (!supported_) return;
    if (mode_ == kLayerColorKey) {
        if (hWnd_ != 0 && frame_.SetLayeredAttributes(hWnd_, TranslatedColorKey(colorKey), alpha_,
                                                      kLwaColorKey)) {
            colorKey_ = colorKey;
        }
        return;
    }
    colorKey_ = colorKey;
    mode_ = kLayerColorKey;
    Apply();
}

void CTranslucentForm::SetMode(std::int32_t mode) {
    if (!supported_) return;
    if (mode == kLayerNone) {
        RemoveLayered();
        mode_ = kLayerNone;
    } else if (mode == kLayerColorKey || mode == kLayerAlpha) {
        mode_ = mode;
        Apply();
    }
}

void CTranslucentForm::MakeLayered() {
    if (hWnd_ == 0) return;
    SetLayeredStyle(true);
    frame_.SetLayeredAttributes(hWnd_, 0, kOpaque, kLwaAlpha);
    alpha_ = kOpaque;
}

void CTranslucentForm::RemoveLayered() {
    if (hWnd_ == 0) return;
    // Opaque first, so the window does not show its last alpha while it changes.
    frame_.SetLayeredAttributes(hWnd_, 0, kOpaque, kLwaAlpha);
    SetLayeredStyle(false);
}

void CTranslucentForm::Apply() {
    if (hWnd_ == 0) return;
    // Switching the style off and on drops the attributes of the other mode.
    SetLayeredStyle(false);
    SetLayeredStyle(true);
    if (mode_ == kLayerColorKey) {
        frame_.SetLayeredAttributes(hWnd_, TranslatedColorKey(colorKey_), alpha_, kLwaColorKey);
    } else if (mode_ == kLayerAlpha) {
        frame_.SetLayeredAttributes(hWnd_, 0, alpha_, kLwaAlpha);
    }
}

void CTranslucentForm::SetLayeredStyle(bool on) {
    const std::uint32_t exStyle = frame_.ExStyle(hWnd_);
    frame_.SetExStyle(hWnd_, on ? exStyle | kWsExLayered : exStyle & ~kWsExLayered);
}

std::uint32_t CTranslucentForm::TranslatedColorKey(std::uint32_t colorKey) const {
    if ((colorKey & kSystemColorFlag) == 0) return colorKey;
    return frame_.SysColor(static_cast<std::int32_t>(colorKey & 0xFFu));
}

}  // namespace qn
