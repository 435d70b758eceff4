#pragma once
// frmMain's window: hidden, never shown; the tray icon's window and its
// menu's owner. It hosts the portable FrmMain and opens the windows FrmMain
// asks for. Its end is the program's end.
#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "meter/app/frm_main.h"
#include "meter/app/win32/menu_pictures_win32.h"
#include "meter/app/win32/meter_window_win32.h"

namespace qn::meter::win32 {

inline constexpr char kMainWindowClass[] = "DappletMain";

struct MainWindowOptions {
    HINSTANCE instance = nullptr;
    // The program's services; they must outlive the window.
    MeterServices* services = nullptr;
    int revision = 0;
    // Opens the meter window (frmMeter) for the host; null when none opened.
    // Closing is done by destroying what it returned.
    std::function<std::shared_ptr<MeterWindow>(MeterHost& host, std::function<void()> closed)>
        openMeter;
};

class MainWindow : public MeterWindows {
  public:
    // Creates the hidden window and its FrmMain; null when the window cannot
    // be created. Nothing has started yet.
    static std::unique_ptr<MainWindow> Create(const MainWindowOptions& options);
    ~MainWindow() override;
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;

    // FrmMain's load; false when the program is to end at once.
    bool Load();

    HWND Handle() const { return hwnd_; }
    FrmMain& Form() { return *form_; }
    const SysTray& Tray() const { return form_->SysTray1; }

    // MeterWindows
    void LoadMeter() override;
    void UnloadMeter() override;
    void KeepMeterOnTop() override;
    void UnloadAll() override;
    void DeleteMenuPictures() override;
    void SetTaskVisible(bool) override {}
    void MsgBox(const std::string& text) override;
    void PopupMainMenu(SysTray& tray, const std::vector<MenuEntry>& menu) override;
    void EndProgram() override;

  private:
    explicit MainWindow(const MainWindowOptions& options)
        : options_(options), menuPictures_(options.instance) {}
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

    MainWindowOptions options_;
    HWND hwnd_ = nullptr;
    std::unique_ptr<FrmMain> form_;
    std::shared_ptr<MeterWindow> meter_;  // the open meter window, if any
    MenuPictures menuPictures_;
};

}  // namespace qn::meter::win32
