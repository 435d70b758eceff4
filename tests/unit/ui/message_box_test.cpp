#include <gtest/gtest.h>

#include "ui/application.h"
#include "ui/headless/headless_host.h"

namespace qn::ui {
namespace {

using headless::UnexpectedMessageBox;

class MessageBoxTest : public ::testing::Test {
  protected:
    headless::HeadlessHost host;
    Application app{host, "Quillon"};
};

TEST_F(MessageBoxTest, ScriptedAnswersAreReturnedInOrderAndBoxesRecorded) {
    host.Script().Answer(vbNo);
    host.Script().Answer(vbOK);
    EXPECT_EQ(app.MsgBox("Restart Windows?", vbYesNo + vbQuestion), vbNo);
    EXPECT_EQ(app.MsgBox("Dapplet Not Found!!!"), vbOK);
    const auto& shown = host.Script().Shown();
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0].prompt, "Restart Windows?");
    EXPECT_EQ(shown[0].buttons, 36);
    EXPECT_EQ(shown[0].title, "Quillon");  // the application's title by default
    EXPECT_EQ(shown[1].buttons, vbOKOnly);
    EXPECT_EQ(host.Script().Pending(), 0u);
}

TEST_F(MessageBoxTest, NamedTitleReplacesTheApplicationTitle) {
    host.Script().Answer(vbOK);
    app.MsgBox("text", vbOKOnly, "Quillon - eth0");
    EXPECT_EQ(host.Script().Shown().back().title, "Quillon - eth0");
}

TEST_F(MessageBoxTest, UnexpectedBoxFailsAndIsStillRecorded) {
    EXPECT_THROW(app.MsgBox("Surprise"), UnexpectedMessageBox);
    ASSERT_EQ(host.Script().Shown().size(), 1u);
    EXPECT_EQ(host.Script().Shown()[0].prompt, "Surprise");
}

TEST_F(MessageBoxTest, BoxWithOtherTextThanExpectedFails) {
    host.Script().Answer(vbYes, "Restart Windows?");
    EXPECT_THROW(app.MsgBox("Exit?", vbYesNo), UnexpectedMessageBox);
}

TEST_F(MessageBoxTest, InputBoxTakesOnlyInputAnswers) {
    host.Script().AnswerInput("www.example.com");
    EXPECT_EQ(app.InputBox("Host name:"), "www.example.com");
    host.Script().Answer(vbOK);
    EXPECT_THROW(app.InputBox("Host name:"), UnexpectedMessageBox);
}

}  // namespace
}  // namespace qn::ui
