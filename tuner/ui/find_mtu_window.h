#pragma once
// The MaxMTU finder: pings a host with growing unfragmented payloads and
// offers the largest that crossed, plus the headers, to the main window.
#include <cstdint>

#include "tuner/ui/mtu_detection.h"
#include "ui/command_button.h"
#include "ui/form.h"
#include "ui/simple_controls.h"
#include "ui/text_box.h"

namespace qn {

// The host a search pings unless the user names another: a large web
// server that answers pings.
inline constexpr const char* kDefaultPingHost = "www.google.com";

class FindMtuWindow : public ui::Form {
  public:
    // mainWindow is hidden while the finder is open and shown again when it
    // closes; Apply writes the result into customMtu when it is enabled.
    FindMtuWindow(ui::Application& app, mtudetection& detection, ui::Form& mainWindow,
                  ui::TextBox& customMtu);

    ui::Label Label1{*this, "Label1"};
    ui::TextBox Text1{*this, "Text1"};
    ui::Frame Frame1{*this, "Frame1"};
    ui::Label Label3{*this, "Label3", &Frame1};
    ui::Label Label5{*this, "Label5", &Frame1};
    ui::Label Label2{*this, "Label2", &Frame1};
    ui::Label Label4{*this, "Label4", &Frame1};
    ui::CommandButton Command1{*this, "Command1"};
    ui::CommandButton Command4{*this, "Command4"};
    ui::CommandButton Command3{*this, "Command3"};
    ui::CommandButton Command2{*this, "Command2"};

    // What the last stage of the last search returned.
    std::int16_t StageResult() const { return stageResult_; }

  protected:
    void Form_Load() override;
    void Form_QueryUnload(bool& cancel, int unloadMode) override;

  private:
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();

    std::int16_t RunStages(int search);
    // The window closed, or a newer search began, since search started.
    bool Abandoned(int search) const;
    void ShowSearching(bool searching);
    void ShowStatus(const char* status);
    void RefreshCaption();

    mtudetection& detection_;
    ui::Form& mainWindow_;
    ui::TextBox& customMtu_;
    std::int16_t stageResult_ = 0;
    int searches_ = 0;
};

}  // namespace qn
