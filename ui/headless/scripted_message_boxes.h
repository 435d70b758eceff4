#pragma once
// Message and input boxes answered by a test: each box takes the next scripted
// answer and is recorded. A box with no answer left throws
// UnexpectedMessageBox, which fails the test.
#include <deque>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "ui/message_box.h"

namespace qn::ui::headless {

struct ShownBox {
    bool isInput = false;
    std::string prompt;
    std::string title;
    int buttons = 0;  // flags of a message box
};

class UnexpectedMessageBox : public std::runtime_error {
  public:
    explicit UnexpectedMessageBox(const std::string& what) : std::runtime_error(what) {}
};

class ScriptedMessageBoxes : public MessageBoxes {
  public:
    // The next message box returns answer; with expectedPrompt, it must show
    // exactly that text.
    void Answer(int answer, std::optional<std::string> expectedPrompt = std::nullopt);
    // The next input box returns text.
    void AnswerInput(const std::string& text);

    const std::vector<ShownBox>& Shown() const { return shown_; }
    // Answers scripted but not used.
    size_t Pending() const { return script_.size(); }

    int MsgBox(const std::string& prompt, int buttons, const std::string& title) override;
    std::string InputBox(const std::string& prompt, const std::string& title,
                         const std::string& defaultText) override;

  private:
    struct Scripted {
        bool isInput;
        int answer;
        std::string text;
        std::optional<std::string> expectedPrompt;
    };
    Scripted Next(const ShownBox& box);

    std::deque<Scripted> script_;
    std::vector<ShownBox> shown_;
};

}  // namespace qn::ui::headless
