#include <windows.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/win32/escaped_error.h"
#include "platform/win32/win32_services.h"
#include "throughput/raised_error.h"
#include "throughput/subclass.h"

namespace qn::win32 {
namespace {

constexpr UINT kTestMessage = WM_USER + 1;
using Calls = std::vector<std::string>;

Calls& Recorded() {
    static Calls calls;
    return calls;
}

LRESULT CALLBACK RecordingProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != kTestMessage) return DefWindowProcA(hwnd, message, wParam, lParam);
    Recorded().push_back("own");
    return 7;
}

class Handler : public ISubclass {
  public:
    Handler(std::string name, std::int32_t response, std::intptr_t answer)
        : name_(std::move(name)), answer_(answer) {
        SetMsgResponse(response);
    }
    std::intptr_t WindowProc(WindowHandle, std::uint32_t, std::uintptr_t, std::intptr_t) override {
        Recorded().push_back(name_);
        if (fail) ErrRaise(kErrInvalidWindow, "Dapplet");
        return answer_;
    }
    bool fail = false;

  private:
    std::string name_;
    std::intptr_t answer_;
};

class SubclassWin32 : public ::testing::Test {
  protected:
    void SetUp() override {
        WNDCLASSA windowClass{};
        windowClass.lpfnWndProc = RecordingProc;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.lpszClassName = "QnHookTest";
        RegisterClassA(&windowClass);  // fails harmlessly once registered
        hwnd = CreateWindowExA(0, "QnHookTest", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                               GetModuleHandleA(nullptr), nullptr);
        ASSERT_NE(hwnd, nullptr);
        window = reinterpret_cast<WindowHandle>(hwnd);
        name = std::to_string(static_cast<LONG>(reinterpret_cast<LONG_PTR>(hwnd)));
        Recorded().clear();
    }
    void TearDown() override {
        if (IsWindow(hwnd)) DestroyWindow(hwnd);
    }
    LRESULT Send() { return SendMessageA(hwnd, kTestMessage, 0, 0); }
    LONG_PTR Procedure() const { return GetWindowLongPtrA(hwnd, GWLP_WNDPROC); }
    LONG_PTR Prop(const std::string& suffix) const {
        return reinterpret_cast<LONG_PTR>(GetPropA(hwnd, (name + suffix).c_str()));
    }
    std::int32_t ErrorNumberOf(const std::function<void()>& action) {
        try {
            action();
        } catch (const RaisedError& error) {
            return error.number;
        }
        return 0;
    }

    std::unique_ptr<WindowHooks> hooks = MakeWin32WindowHooks();
    MSubclass module{*hooks, "Dapplet"};
    GSubclass subclass{module};
    HWND hwnd = nullptr;
    WindowHandle window = 0;
    std::string name;  // the window's handle as signed decimal text
};

TEST_F(SubclassWin32, PropertiesAndTheProcedureFollowAttachAndDetach) {
    const LONG_PTR own = Procedure();
    Handler first("first", emrConsume, 1);
    Handler second("second", emrConsume, 2);
    subclass.AttachMessage(&first, window, kTestMessage);
    subclass.AttachMessage(&second, window, kTestMessage);
    EXPECT_NE(Procedure(), own);
    EXPECT_EQ(Prop(""), own);
    EXPECT_EQ(Prop("C"), 2);
    EXPECT_EQ(Prop("#1025C"), 2);
    EXPECT_EQ(Prop("#1025#1"), reinterpret_cast<LONG_PTR>(&first));
    EXPECT_EQ(Prop("#1025#2"), reinterpret_cast<LONG_PTR>(&second));

    subclass.DetachMessage(&first, window, kTestMessage);
    EXPECT_EQ(Prop("#1025#1"), reinterpret_cast<LONG_PTR>(&second));
    EXPECT_EQ(Prop("#1025#2"), 0);
    subclass.DetachMessage(&second, window, kTestMessage);
    EXPECT_EQ(Procedure(), own);
    EXPECT_EQ(GetPropA(hwnd, name.c_str()), nullptr);
    EXPECT_EQ(GetPropA(hwnd, (name + "C").c_str()), nullptr);
    EXPECT_EQ(Send(), 7);
    EXPECT_EQ(Recorded(), Calls{"own"});
}

TEST_F(SubclassWin32, RealMessagesFollowTheDispatchRules) {
    Handler first("first", emrPreProcess, 1);
    Handler last("last", emrPostProcess, 2);
    subclass.AttachMessage(&first, window, kTestMessage);
    subclass.AttachMessage(&last, window, kTestMessage);
    EXPECT_EQ(Send(), 2);
    EXPECT_EQ(Recorded(), (Calls{"own", "first", "last"}));

    Recorded().clear();
    first.SetMsgResponse(emrConsume);
    EXPECT_EQ(Send(), 7);
    EXPECT_EQ(Recorded(), (Calls{"first", "last", "own"}));

    Recorded().clear();
    last.SetMsgResponse(emrConsume);
    EXPECT_EQ(Send(), 2);
    EXPECT_EQ(Recorded(), (Calls{"first", "last"}));

    Recorded().clear();
    EXPECT_EQ(SendMessageA(hwnd, WM_USER + 2, 0, 0), 0) << "other messages reach the window";
    EXPECT_TRUE(Recorded().empty());

    subclass.DetachMessage(&first, window, kTestMessage);
    subclass.DetachMessage(&last, window, kTestMessage);
}

TEST_F(SubclassWin32, DuplicateForeignAndDeadWindowsAreRefused) {
    Handler handler("handler", emrConsume, 1);
    subclass.AttachMessage(&handler, window, kTestMessage);
    EXPECT_EQ(ErrorNumberOf([&] { subclass.AttachMessage(&handler, window, kTestMessage); }),
              static_cast<std::int32_t>(0x8004331Au));
    EXPECT_EQ(Prop("#1025C"), 1);
    subclass.DetachMessage(&handler, window, kTestMessage);

    const HWND desktop = GetDesktopWindow();
    DWORD desktopProcess = 0;
    GetWindowThreadProcessId(desktop, &desktopProcess);
    ASSERT_NE(desktopProcess, GetCurrentProcessId()) << "the desktop belongs to another process";
    const auto foreign = reinterpret_cast<WindowHandle>(desktop);
    EXPECT_EQ(ErrorNumberOf([&] { subclass.AttachMessage(&handler, foreign, kTestMessage); }),
              static_cast<std::int32_t>(0x8004331Cu));

    DestroyWindow(hwnd);
    EXPECT_EQ(ErrorNumberOf([&] { subclass.AttachMessage(&handler, window, kTestMessage); }),
              static_cast<std::int32_t>(0x8004331Bu));
}

TEST_F(SubclassWin32, AnErrorInAHandlerWaitsForTheMessageLoop) {
    Handler handler("handler", emrConsume, 1);
    handler.fail = true;
    subclass.AttachMessage(&handler, window, kTestMessage);
    EXPECT_EQ(Send(), 0) << "the system's call returns normally";
    try {
        RethrowEscapedError();
        ADD_FAILURE() << "the error was lost";
    } catch (const RaisedError& error) {
        EXPECT_EQ(error.number, static_cast<std::int32_t>(0x8004331Bu));
    }
    EXPECT_NO_THROW(RethrowEscapedError()) << "handed back once";
    subclass.DetachMessage(&handler, window, kTestMessage);
}

}  // namespace
}  // namespace qn::win32
