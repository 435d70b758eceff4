// The hosts editor's lookup animation: a globe with a light circling it
// while names are looked up, still otherwise.
#include <cstdio>

#include "tuner/ui/hosts_window.h"

namespace qn {

namespace {

constexpr int kLookupFrames = 21;
constexpr int kLookupFrameMs = 200;
constexpr char kLookupStill[] = "LOOKUP_STILL";

}  // namespace

void HostsWindow::StartAni() {
    animationFrame_ = 0;
    AnimationTimer.SetInterval(kLookupFrameMs);
    AnimationTimer.SetEnabled(true);
}

void HostsWindow::EndAni() {
    AnimationTimer.SetEnabled(false);
    imgLookup.SetPicture(kLookupStill);
}

void HostsWindow::AnimationTimer_Timer() {
    animationFrame_ = animationFrame_ % kLookupFrames + 1;
    char name[16];
    std::snprintf(name, sizeof name, "LOOKUP%02d", animationFrame_);
    imgLookup.SetPicture(name);
}

}  // namespace qn
