#pragma once
// frmMain: the meter's hidden main window. It is never shown; it owns the
// tray icon and its popup menu, and its end is the program's end.
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "meter/app/main_menu.h"
#include "meter/app/win32/tray_icon_win32.h"

namespace qn::meter::win32 {

inline constexpr char kMainWindowClass[] = "DappletMain";

struct MainWindowOptions {
    HINSTANCE instance = nullptr;
    std::string title;
    std::string tooltip;
    HICON trayIcon = nullptr;
    bool tunerInstalled = false;
};

class MainWindow {
  public:
    // Creates the window and adds the tray icon; null when the window
    // cannot be created.
    static std::unique_ptr<MainWindow> Create(const MainWindowOptions& options);
    ~MainWindow();
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;

    HWND Handle() const { return hwnd_; }
    UINT TrayCallbackMessage() const { return trayCallbackMessage_; }
    const TrayIcon& Tray() const { return *tray_; }
    const std::vector<MenuEntry>& Menu() const { return menu_; }

  private:
    explicit MainWindow(const MainWindowOptions& options);
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void OnTrayCallback(LPARAM code);
    void OnCommand(unsigned command);
    void ShowMenu();

    HWND hwnd_ = nullptr;
    UINT trayCallbackMessage_ = 0;
    UINT taskbarCreatedMessage_ = 0;
    std::unique_ptr<TrayIcon> tray_;
    std::vector<MenuEntry> menu_;
};

}  // namespace qn::meter::win32
