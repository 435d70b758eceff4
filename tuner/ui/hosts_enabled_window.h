#pragma once
// The log-on reminder of a splash run (started from the Run key while the
// hosts file is on): a picture asking for the hosts file to be kept up to
// date, on top of other windows for three seconds or until clicked.
#include "platform/drawing_surface.h"
#include "ui/form.h"
#include "ui/simple_controls.h"
#include "ui/timer.h"

namespace qn {

// The reminder's picture among the tuner's bitmap resources.
inline constexpr const char* kHostsReminderPicture = "HOSTS_REMINDER";

class HostsEnabled : public ui::Form {
  public:
    HostsEnabled(ui::Application& app, DrawingSystem& drawing);

    // The labels come first: they lie on the picture, and the controls'
    // windows are stacked in this order.
    ui::Label Label4{*this, "Label4"};
    ui::Label Label1{*this, "Label1"};
    ui::PictureBox Image1{*this, "Image1"};
    ui::Timer Timer1{*this, "Timer1"};

    // Set once the reminder has unloaded.
    bool SplashClosed() const { return splashClosed_; }

  protected:
    void Form_Load() override;
    void Form_Unload(bool& cancel) override;

  private:
    void Timer1_Timer();

    DrawingSystem& drawing_;
    int ticks_ = 0;
    bool splashClosed_ = false;
};

}  // namespace qn
