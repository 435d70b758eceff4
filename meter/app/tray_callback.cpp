#include "meter/app/tray_callback.h"

namespace qn::meter {
namespace {

// Window message numbers the shell passes as callback codes.
constexpr int kMouseMove = 0x200;
constexpr int kLeftDown = 0x201;
constexpr int kLeftUp = 0x202;
constexpr int kLeftDouble = 0x203;
constexpr int kRightDown = 0x204;
constexpr int kRightUp = 0x205;
constexpr int kRightDouble = 0x206;
constexpr int kMiddleDown = 0x207;
constexpr int kMiddleUp = 0x208;
constexpr int kMiddleDouble = 0x209;
constexpr int kExtraDown = 0x20B;
constexpr int kExtraUp = 0x20C;
constexpr int kExtraDouble = 0x20D;
constexpr int kBalloonShow = 0x402;
constexpr int kBalloonHide = 0x403;
constexpr int kBalloonTimeout = 0x404;
constexpr int kBalloonClick = 0x405;

TrayEventCall Plain(TrayEvent event) {
    return {event, kNoButton};
}

}  // namespace

std::vector<TrayEventCall> DecodeTrayCallback(std::intptr_t lParam) {
    using E = TrayEvent;
    switch (static_cast<int>(lParam & 0xFFFF)) {
        case kMouseMove:
            return {Plain(E::MouseMove)};
        case kLeftDown:
            return {{E::MouseDown, kLeft}, Plain(E::LeftClick)};
        case kLeftUp:
            return {{E::MouseUp, kLeft}};
        case kLeftDouble:
            return {{E::DoubleClick, kLeft}, Plain(E::DoubleLeftClick)};
        case kRightDown:
            return {{E::MouseDown, kRight}, Plain(E::RightClick)};
        case kRightUp:
            return {{E::MouseUp, kRight}};
        case kRightDouble:
            return {{E::DoubleClick, kRight}};
        case kMiddleDown:
            return {{E::MouseDown, kMiddle}};
        case kMiddleUp:
            return {{E::MouseUp, kMiddle}};
        case kMiddleDouble:
            return {{E::DoubleClick, kMiddle}};
        case kExtraDown:
            return {{E::MouseDown, kExtra}};
        case kExtraUp:
            return {{E::MouseUp, kExtra}};
        case kExtraDouble:
            return {{E::DoubleClick, kExtra}};
        case kBalloonShow:
            return {Plain(E::BalloonShow)};
        case kBalloonHide:
            return {Plain(E::BalloonHide)};
        case kBalloonTimeout:
            return {Plain(E::BalloonTimeout)};
        case kBalloonClick:
            return {Plain(E::BalloonClicked)};
        default:
            return {};
    }
}

}  // namespace qn::meter
