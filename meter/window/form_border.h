#pragma once
// A window's frame as properties: each one is read from the window and
// written to it at once, so the window itself is the only state.
#include <cstdint>

#include "platform/window_frame.h"

namespace qn {

// System-menu commands.
constexpr std::uint32_t kScSize = 61440;
constexpr std::uint32_t kScMove = 61456;
constexpr std::uint32_t kScMinimize = 61472;
constexpr std::uint32_t kScMaximize = 61488;

// Mouse buttons as the form's mouse handlers report them.
constexpr std::int32_t kLeftButton = 1;
constexpr std::int32_t kRightButton = 2;

class CFormBorder {
  public:
    explicit CFormBorder(WindowFrame& frame) : frame_(frame) {}

    WindowHandle Client() const { return client_; }
    void SetClient(WindowHandle client) { client_ = client; }
    WindowHandle hWnd() const { return client_; }

    // A left press on the client area moves the window.
    bool AutoDrag() const { return autoDrag_; }
    void SetAutoDrag(bool value) { autoDrag_ = value; }
    // A right release on the client area opens the system menu at the cursor.
    bool AutoSysMenu() const { return autoSysMenu_; }
    void SetAutoSysMenu(bool value) { autoSysMenu_ = value; }

    bool ControlBox() const;
    void SetControlBox(bool value);
    bool MaxButton() const;
    void SetMaxButton(bool value);
    bool MinButton() const;
    void SetMinButton(bool value);
    bool Moveable() const;
    void SetMoveable(bool value);
    bool Sizeable() const;
    void SetSizeable(bool value);
    bool ShowInTaskbar() const;
    void SetShowInTaskbar(bool value);
    // True when any part of the caption is set.
    bool Titlebar() const;
    void SetTitlebar(bool value);
    bool ToolWindow() const;
    void SetToolWindow(bool value);
    bool TopMost() const;
    void SetTopMost(bool value);
    bool WhatsThisButton() const;
    void SetWhatsThisButton(bool value);

    void EnableMenuItem(std::uint32_t MenuItem, bool Enabled = true);
    void RemoveMenuItem(std::uint32_t MenuItem);
    // Makes the system draw the frame the styles now describe.
    void Redraw();
    // At a point in screen coordinates.
    void ShowSysMenu(std::int32_t x, std::int32_t y);

    // The client's mouse events, passed on by its form's handlers.
    void Client_MouseDown(std::int32_t Button);
    void Client_MouseUp(std::int32_t Button);

  private:
    bool HasStyle(std::uint32_t bits) const;
    void ChangeStyle(std::uint32_t bits, bool on);
    bool HasExStyle(std::uint32_t bits) const;
    void ChangeExStyle(std::uint32_t bits, bool on);

    WindowFrame& frame_;
    WindowHandle client_ = 0;
    bool autoDrag_ = false;
    bool autoSysMenu_ = false;
};

}  // namespace qn
