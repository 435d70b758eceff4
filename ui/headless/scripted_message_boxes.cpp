#include "ui/headless/scripted_message_boxes.h"

namespace qn::ui::headless {

void ScriptedMessageBoxes::Answer(int answer, std::optional<std::string> expectedPrompt) {
    script_.push_back(Scripted{false, answer, {}, std::move(expectedPrompt)});
}

void ScriptedMessageBoxes::AnswerInput(const std::string& text) {
    script_.push_back(Scripted{true, 0, text, std::nullopt});
}

int ScriptedMessageBoxes::MsgBox(const std::string& prompt, int buttons, const std::string& title) {
    return Next(ShownBox{false, prompt, title, buttons}).answer;
}

std::string ScriptedMessageBoxes::InputBox(const std::string& prompt, const std::string& title,
                                           const std::string&) {
    return Next(ShownBox{true, prompt, title, 0}).text;
}

ScriptedMessageBoxes::Scripted ScriptedMessageBoxes::Next(const ShownBox& box) {
    shown_.push_back(box);
    const std::string kind = box.isInput ? "input box" : "message box";
    if (script_.empty() || script_.front().isInput != box.isInput) {
        throw UnexpectedMessageBox("unexpected " + kind + " \"" + box.prompt + "\" titled \"" +
                                   box.title + "\"");
    }
    Scripted next = script_.front();
    script_.pop_front();
    if (next.expectedPrompt && *next.expectedPrompt != box.prompt) {
        throw UnexpectedMessageBox(kind + " \"" + box.prompt + "\" where \"" +
                                   *next.expectedPrompt + "\" was expected");
    }
    return next;
}

}  // namespace qn::ui::headless
