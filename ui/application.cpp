#include "ui/application.h"

#include <algorithm>

#include "ui/form.h"

namespace qn::ui {

Application::Application(Host& host, std::string title) : host_(host), title_(std::move(title)) {}

int Application::MsgBox(const std::string& prompt, int buttons, const std::string& title) {
    return host_.Boxes().MsgBox(prompt, buttons, title.empty() ? title_ : title);
}

std::string Application::InputBox(const std::string& prompt, const std::string& title,
                                  const std::string& defaultText) {
    return host_.Boxes().InputBox(prompt, title.empty() ? title_ : title, defaultText);
}

void Application::DoEvents() {
    if (host_.PumpEvents() == PumpResult::Quit) End();
}

void Application::SetMousePointer(int pointer) {
    mousePointer_ = pointer;
    host_.ShowMousePointer(pointer);
}

void Application::WaitUntil(const std::function<bool()>& done) {
    while (!ended_ && !done()) {
        const PumpResult result = host_.PumpEvents();
        if (result == PumpResult::Quit) {
            End();
        } else if (result == PumpResult::Idle && !done()) {
            host_.WaitForEvent();
        }
    }
}

int Application::Run() {
    WaitUntil([this] { return forms_.empty(); });
    return 0;
}

void Application::End() {
    ended_ = true;
    const std::vector<Form*> loaded = forms_;
    for (Form* form : loaded) form->Discard();
}

void Application::Loaded(Form& form) {
    if (std::find(forms_.begin(), forms_.end(), &form) == forms_.end()) forms_.push_back(&form);
}

void Application::Unloaded(Form& form) {
    forms_.erase(std::remove(forms_.begin(), forms_.end(), &form), forms_.end());
}

}  // namespace qn::ui
