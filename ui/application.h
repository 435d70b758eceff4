#pragma once
// The running program: its host, its title, the loaded forms, event pumping
// and its end.
#include <functional>
#include <string>
#include <vector>

#include "ui/host.h"

namespace qn::ui {

class Form;

class Application {
  public:
    Application(Host& host, std::string title);
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    Host& GetHost() const { return host_; }
    // The default title of message boxes.
    const std::string& Title() const { return title_; }
    const std::vector<Form*>& Forms() const { return forms_; }

    int MsgBox(const std::string& prompt, int buttons = vbOKOnly, const std::string& title = "");
    std::string InputBox(const std::string& prompt, const std::string& title = "",
                         const std::string& defaultText = "");

    // Handles the events pending now.
    void DoEvents();
    // Sleeps until an event may be pending or timeoutMs has passed; handles none.
    void WaitForEvent(unsigned timeoutMs) { host_.WaitForEvent(timeoutMs); }
    // Screen.MousePointer.
    int MousePointer() const { return mousePointer_; }
    void SetMousePointer(int pointer);
    // Handles events until done() holds or the program ends; may re-enter.
    void WaitUntil(const std::function<bool()>& done);
    // Handles events until the program ends or no form is loaded; the value
    // for the process's exit code.
    int Run();

    // Ends the program: every form goes without its unload handlers, and all
    // waits return. The caller returns from its handler afterwards.
    void End();
    bool Ended() const { return ended_; }

    // Called by forms as they load and unload.
    void Loaded(Form& form);
    void Unloaded(Form& form);

  private:
    Host& host_;
    std::string title_;
    std::vector<Form*> forms_;
    bool ended_ = false;
    int mousePointer_ = 0;
};

}  // namespace qn::ui
