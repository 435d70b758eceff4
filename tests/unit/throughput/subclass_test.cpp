#include "throughput/subclass.h"

#include <gtest/gtest.h>

#include "platform/memory/memory_window_hooks.h"
#include "throughput/raised_error.h"

namespace qn {
namespace {

constexpr WindowHandle kWindow = 1234;
constexpr WindowProcedure kOwnProcedure = 0x4000;
constexpr std::uint32_t kClick = 513;
constexpr std::uint32_t kMove = 512;

using Props = std::map<std::string, std::intptr_t>;
using Calls = std::vector<std::string>;

// Answers with its own number and notes each call in the shared list.
class Handler : public ISubclass {
  public:
    Handler(std::string name, std::int32_t response, Calls& calls, std::intptr_t answer)
        : name_(std::move(name)), calls_(calls), answer_(answer) {
        SetMsgResponse(response);
    }
    std::intptr_t WindowProc(WindowHandle, std::uint32_t iMsg, std::uintptr_t,
                             std::intptr_t) override {
        calls_.push_back(name_ + " " + std::to_string(iMsg));
        if (during) during();
        return answer_;
    }
    std::function<void()> during;

  private:
    std::string name_;
    Calls& calls_;
    std::intptr_t answer_;
};

std::intptr_t Value(const ISubclass& handler) {
    return reinterpret_cast<std::intptr_t>(&handler);
}

class SubclassTest : public ::testing::Test {
  protected:
    void SetUp() override {
        hooks.AddWindow(kWindow, kOwnProcedure);
        hooks.procedures[kOwnProcedure] = [this](WindowHandle, std::uint32_t message,
                                                 std::uintptr_t, std::intptr_t) {
            calls.push_back("own " + std::to_string(message));
            return std::intptr_t(7);
        };
    }
    Props& WindowProps() { return hooks.windows[kWindow].props; }
    std::intptr_t Send(std::uint32_t message) { return hooks.Send(kWindow, message, 0, 0); }
    std::int32_t ErrorNumberOf(const std::function<void()>& action) {
        try {
            action();
        } catch (const RaisedError& error) {
            EXPECT_EQ(error.source, "quillon.WindowProc");
            return error.number;
        }
        return 0;
    }

    MemoryWindowHooks hooks;
    MSubclass module{hooks, "quillon"};
    GSubclass subclass{module};
    Calls calls;
};

TEST_F(SubclassTest, TheBookkeepingLivesInTheWindowsProperties) {
    Handler first("first", emrConsume, calls, 1);
    Handler second("second", emrConsume, calls, 2);
    subclass.AttachMessage(&first, kWindow, kClick);
    subclass.AttachMessage(&second, kWindow, kClick);
    subclass.AttachMessage(&second, kWindow, kMove);
    EXPECT_EQ(hooks.windows[kWindow].procedure, MemoryWindowHooks::kDispatcher);
    EXPECT_EQ(WindowProps(), (Props{{"1234", kOwnProcedure},
                                    {"1234C", 3},
                                    {"1234#513C", 2},
                                    {"1234#513#1", Value(first)},
                                    {"1234#513#2", Value(second)},
                                    {"1234#512C", 1},
                                    {"1234#512#1", Value(second)}}));

    subclass.DetachMessage(&first, kWindow, kClick);
    EXPECT_EQ(WindowProps().at("1234#513#1"), Value(second)) << "later handlers move down";
    EXPECT_EQ(WindowProps().count("1234#513#2"), 0u);
    EXPECT_EQ(WindowProps().at("1234C"), 2);

    const Props before = WindowProps();
    subclass.DetachMessage(&first, kWindow, kClick);
    EXPECT_EQ(WindowProps(), before) << "a handler that is not attached changes nothing";

    subclass.DetachMessage(&second, kWindow, kClick);
    subclass.DetachMessage(&second, kWindow, kMove);
    EXPECT_EQ(hooks.windows[kWindow].procedure, kOwnProcedure);
    EXPECT_EQ(WindowProps(), (Props{{"1234#513C", 0}, {"1234#512C", 0}}));
}

TEST_F(SubclassTest, WindowsAndMessagesAreNamedBySigned32BitNumbers) {
    const WindowHandle high = 0x80000001u;
    hooks.AddWindow(high, kOwnProcedure);
    Handler handler("handler", emrConsume, calls, 0);
    module.AttachMessage(&handler, high, 0xFFFFFFFFu);
    EXPECT_EQ(hooks.windows[high].props.count("-2147483647#-1#1"), 1u);
    EXPECT_EQ(hooks.windows[high].props.count("-2147483647C"), 1u);
}

TEST_F(SubclassTest, RefusedAttachmentsRaiseAndChangeNothing) {
    Handler handler("handler", emrConsume, calls, 0);
    subclass.AttachMessage(&handler, kWindow, kClick);
    const Props before = WindowProps();
    EXPECT_EQ(ErrorNumberOf([&] { subclass.AttachMessage(&handler, kWindow, kClick); }),
              static_cast<std::int32_t>(0x8004331Au));
    EXPECT_EQ(WindowProps(), before);

    hooks.AddWindow(77, kOwnProcedure).processId = 200;
    EXPECT_EQ(ErrorNumberOf([&] { subclass.AttachMessage(&handler, 77, kClick); }),
              static_cast<std::int32_t>(0x8004331Cu));
    EXPECT_TRUE(hooks.windows[77].props.empty());

    hooks.AddWindow(78, kOwnProcedure).refusesHook = true;
    EXPECT_EQ(ErrorNumberOf([&] { subclass.AttachMessage(&handler, 78, kClick); }),
              static_cast<std::int32_t>(0x80043319u));
    EXPECT_TRUE(hooks.windows[78].props.empty());
    EXPECT_EQ(hooks.windows[78].procedure, kOwnProcedure);

    hooks.DestroyWindow(kWindow);
    EXPECT_EQ(ErrorNumberOf([&] { subclass.AttachMessage(&handler, kWindow, kMove); }),
              static_cast<std::int32_t>(0x8004331Bu));
}

TEST_F(SubclassTest, ConsumingHandlersKeepTheMessageFromTheWindow) {
    Handler first("first", emrConsume, calls, 1);
    Handler second("second", emrConsume, calls, 2);
    subclass.AttachMessage(&first, kWindow, kClick);
    subclass.AttachMessage(&second, kWindow, kClick);
    EXPECT_EQ(Send(kClick), 2);
    EXPECT_EQ(Send(kMove), 7) << "messages without handlers go straight to the window";
    EXPECT_EQ(calls, (Calls{"first 513", "second 513", "own 512"}));
}

TEST_F(SubclassTest, OnlyTheFirstHandlerPreProcessesAndOnlyTheLastPostProcesses) {
    Handler first("first", emrPreProcess, calls, 1);
    Handler last("last", emrPostProcess, calls, 2);
    subclass.AttachMessage(&first, kWindow, kClick);
    subclass.AttachMessage(&last, kWindow, kClick);
    EXPECT_EQ(Send(kClick), 2) << "after pre-processing the last handler answers";
    EXPECT_EQ(calls, (Calls{"own 513", "first 513", "last 513"}));

    calls.clear();
    first.SetMsgResponse(emrConsume);
    EXPECT_EQ(Send(kClick), 7) << "after post-processing the window answers";
    EXPECT_EQ(calls, (Calls{"first 513", "last 513", "own 513"}));

    calls.clear();
    first.SetMsgResponse(emrPostProcess);
    last.SetMsgResponse(emrPreProcess);
    EXPECT_EQ(Send(kClick), 2);
    EXPECT_EQ(calls, (Calls{"first 513", "last 513"})) << "neither answer counts where it is";
}

TEST_F(SubclassTest, HandlersSeeTheMessageAndCanCallTheWindowThemselves) {
    Handler handler("handler", emrConsume, calls, 0);
    std::intptr_t own = 0;
    handler.during = [&] {
        EXPECT_EQ(subclass.CurrentMessage(), kClick);
        own = subclass.CallOldWindowProc(kWindow, kMove, 0, 0);
    };
    subclass.AttachMessage(&handler, kWindow, kClick);
    Send(kClick);
    EXPECT_EQ(own, 7);
    EXPECT_EQ(calls, (Calls{"handler 513", "own 512"}));
}

// Detaches itself while handling, as a handler does before it is destroyed.
class LeavingHandler : public ISubclass {
  public:
    explicit LeavingHandler(GSubclass& subclass) : subclass_(subclass) {}
    std::int32_t MsgResponse() const override {
        EXPECT_FALSE(gone) << "asked after it left, when it may no longer exist";
        return emrPostProcess;
    }
    std::intptr_t WindowProc(WindowHandle hWnd, std::uint32_t iMsg, std::uintptr_t,
                             std::intptr_t) override {
        subclass_.DetachMessage(this, hWnd, iMsg);
        gone = true;
        return 3;
    }
    bool gone = false;

  private:
    GSubclass& subclass_;
};

TEST_F(SubclassTest, AHandlerThatLeavesDuringItsCallIsNotAskedAgain) {
    LeavingHandler leaving(subclass);
    subclass.AttachMessage(&leaving, kWindow, kClick);
    EXPECT_EQ(Send(kClick), 3);
    EXPECT_TRUE(leaving.gone);
    EXPECT_EQ(hooks.windows[kWindow].procedure, kOwnProcedure);
}

}  // namespace
}  // namespace qn
