#include "tuner/ui/hosts_enabled_window.h"

#include <cmath>
#include <string>

#include "version.h"

namespace qn {

namespace {

// Twips of a pixel at 96 DPI, the resolution the picture is drawn for.
constexpr int kReminderTwipsPerPixel = 15;
constexpr int kReminderTicks = 3;

}  // namespace

HostsEnabled::HostsEnabled(ui::Application& app, DrawingSystem& drawing)
    : ui::Form(app, "HostsEnabled"), drawing_(drawing) {
    SetCaption("Quillon");
    SetBorderStyle(ui::BorderStyle::None);
    // The picture's own size; the picture decides when it loads.
    Image1.Move(0, 0, 4800, 1800);
    Image1.SetPicture(kHostsReminderPicture);
    // In the plain band along the picture's foot.
    Label4.SetCaption("Please remember to update your hosts file often.");
    Label4.Move(0, 1290, 3900, 225);
    Label1.Move(4350, 1545, 360, 210);
    Timer1.SetInterval(1000);
    Timer1.SetEnabled(false);
    Image1.Click.Connect([this] { Unload(); });
    Label4.Click.Connect([this] { Unload(); });
    Label1.Click.Connect([this] { Unload(); });
    Timer1.Elapsed.Connect([this] { Timer1_Timer(); });
}

void HostsEnabled::Form_Load() {
    Label1.SetCaption(std::to_string(QN_VERSION_MAJOR) + "." + std::to_string(QN_VERSION_MINOR));
    int error = 0;
    if (const auto picture = drawing_.LoadResourceBitmap(kHostsReminderPicture, error)) {
        Image1.Move(0, 0, picture->WidthPixels() * kReminderTwipsPerPixel,
                    picture->HeightPixels() * kReminderTwipsPerPixel);
    }
    const ui::Bounds image = Image1.GetBounds();
    Move(Left(), Top(), image.width, image.height);
    const ui::Bounds label = Label4.GetBounds();
    // The integer part as Int() takes it: rounded down, also below zero.
    const int left = static_cast<int>(std::floor((image.width - label.width) / 2.0));
    Label4.Move(left, label.top, label.width, label.height);
    SetTopMost(true);
    ticks_ = 0;
    splashClosed_ = false;
    Timer1.SetEnabled(true);
}

void HostsEnabled::Timer1_Timer() {
    ++ticks_;
    if (ticks_ >= kReminderTicks) Unload();
}

void HostsEnabled::Form_Unload(bool& /*cancel*/) {
    Timer1.SetEnabled(false);
    splashClosed_ = true;
}

}  // namespace qn
