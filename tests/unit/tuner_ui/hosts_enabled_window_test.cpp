// The log-on reminder of a splash run: its picture decides its size, its
// sentence is centred over the picture, and three seconds or a click close it.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "platform/memory/memory_drawing.h"
#include "tests/unit/tuner_ui/tuner_session_helpers.h"
#include "tuner/ui/hosts_enabled_window.h"
#include "tuner/ui/tuner_forms.h"
#include "ui/headless/user_actions.h"
#include "version.h"

namespace qn {
namespace {

using ui::headless::FireTimers;

constexpr int kTwipsPerPixelAt96Dpi = 15;

class HostsReminderTest : public ::testing::Test {
  protected:
    void UsePicture(int width, int height) {
        drawing.AddResource(kHostsReminderPicture, std::make_shared<PixelImage>(width, height));
    }

    ui::headless::HeadlessHost host;
    ui::Application app{host, "Quillon"};
    MemoryDrawingSystem drawing;
};

TEST_F(HostsReminderTest, TakesThePicturesSizeAndCentresTheSentenceOverIt) {
    struct Case {
        int width;
        int height;
    };
    // The delivered picture, an odd width (a half twip to drop) and one
    // narrower than the sentence (its left then lies below zero, rounded down).
    for (const Case c : {Case{320, 120}, Case{321, 97}, Case{199, 60}}) {
        MemoryDrawingSystem pictures;
        pictures.AddResource(kHostsReminderPicture,
                             std::make_shared<PixelImage>(c.width, c.height));
        HostsEnabled reminder(app, pictures);
        reminder.Show();
        const int width = c.width * kTwipsPerPixelAt96Dpi;
        const int height = c.height * kTwipsPerPixelAt96Dpi;
        EXPECT_EQ(reminder.ClientWidth(), width) << c.width;
        EXPECT_EQ(reminder.ClientHeight(), height) << c.width;
        const ui::Bounds image = reminder.Image1.GetBounds();
        EXPECT_EQ(image.left, 0);
        EXPECT_EQ(image.top, 0);
        EXPECT_EQ(image.width, width);
        EXPECT_EQ(image.height, height);
        const ui::Bounds label = reminder.Label4.GetBounds();
        const int spare = width - label.width;
        EXPECT_TRUE(2 * label.left == spare || 2 * label.left == spare - 1)
            << c.width << ": left " << label.left << " of spare " << spare;
        reminder.Unload();
    }
}

TEST_F(HostsReminderTest, ShowsTheReminderTheVersionAndStaysOnTop) {
    UsePicture(320, 120);
    HostsEnabled reminder(app, drawing);
    reminder.Show();
    EXPECT_EQ(reminder.Label4.Caption(), "Please remember to update your hosts file often.");
    EXPECT_EQ(reminder.Label1.Caption(),
              std::to_string(QN_VERSION_MAJOR) + "." + std::to_string(QN_VERSION_MINOR));
    EXPECT_EQ(reminder.Image1.Picture(), kHostsReminderPicture);
    EXPECT_EQ(reminder.Border(), ui::BorderStyle::None);
    EXPECT_TRUE(reminder.TopMost());
    EXPECT_TRUE(reminder.Timer1.Running());
    EXPECT_EQ(reminder.Timer1.Interval(), 1000);
}

TEST_F(HostsReminderTest, TheThirdSecondClosesIt) {
    UsePicture(320, 120);
    HostsEnabled reminder(app, drawing);
    reminder.Show();
    FireTimers(reminder);
    FireTimers(reminder);
    EXPECT_TRUE(reminder.Visible());
    EXPECT_FALSE(reminder.SplashClosed());
    FireTimers(reminder);
    EXPECT_FALSE(reminder.Loaded());
    EXPECT_TRUE(reminder.SplashClosed());

    // Shown again, it counts from the start.
    reminder.Show();
    EXPECT_FALSE(reminder.SplashClosed());
    FireTimers(reminder);
    FireTimers(reminder);
    EXPECT_TRUE(reminder.Loaded());
}

TEST_F(HostsReminderTest, AClickOnThePictureOrEitherLabelClosesItAtOnce) {
    UsePicture(320, 120);
    const std::function<void(HostsEnabled&)> clicks[] = {
        [](HostsEnabled& r) { ui::headless::Click(r.Image1); },
        [](HostsEnabled& r) { ui::headless::Click(r.Label4); },
        [](HostsEnabled& r) { ui::headless::Click(r.Label1); },
    };
    for (const auto& click : clicks) {
        HostsEnabled reminder(app, drawing);
        reminder.Show();
        click(reminder);
        EXPECT_FALSE(reminder.Loaded());
        EXPECT_TRUE(reminder.SplashClosed());
    }
}

TEST(SplashReminder, TheTunersReminderReturnsOnlyOnceItHasClosed) {
    testing::HeadlessTuner tuner("win98", "splash");
    tuner.drawing.AddResource(kHostsReminderPicture, std::make_shared<PixelImage>(320, 120));
    TunerForms forms(tuner.app, tuner.services);
    auto tick = [&tuner] {
        tuner.host.Post([&tuner] {
            const std::vector<ui::Form*> shown = tuner.app.Forms();
            for (ui::Form* form : shown) FireTimers(*form);
        });
    };

    tick();
    tick();
    EXPECT_THROW(forms.ShowSplashReminder(), ui::headless::WouldWaitForever)
        << "two seconds in, it still waits";
    EXPECT_TRUE(tuner.app.Forms().empty()) << "the reminder goes with the wait";

    tick();
    tick();
    tick();
    forms.ShowSplashReminder();
    EXPECT_TRUE(tuner.app.Forms().empty());
    EXPECT_FALSE(tuner.app.Ended());
}

}  // namespace
}  // namespace qn
