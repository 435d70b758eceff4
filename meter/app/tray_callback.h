#pragma once
// Turns the code the shell passes with a tray callback message into the
// events the meter reacts to.
#include <cstdint>
#include <vector>

namespace qn::meter {

enum class TrayEvent {
    MouseDown,
    MouseUp,
    MouseMove,
    DoubleClick,
    RightClick,
    LeftClick,
    DoubleLeftClick,
    BalloonShow,
    BalloonHide,
    BalloonClicked,
    BalloonTimeout,
};

// Mouse buttons as the events report them.
enum TrayButton : int { kNoButton = 0, kLeft = 1, kRight = 2, kMiddle = 4, kExtra = 8 };

struct TrayEventCall {
    TrayEvent event;
    int button;
    bool operator==(const TrayEventCall& other) const {
        return event == other.event && button == other.button;
    }
};

// The events for one callback, in the order they are raised; empty for an
// unknown code. Only the low word carries the code (the high word holds the
// icon id in newer shell versions).
std::vector<TrayEventCall> DecodeTrayCallback(std::intptr_t lParam);

}  // namespace qn::meter
