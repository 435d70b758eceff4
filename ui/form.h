#pragma once
// A window of the program: its controls, menus and timers, and the VB life
// cycle Load -> Form_Load, Show/Hide, Unload -> Form_QueryUnload ->
// Form_Unload. Handlers of controls are member functions of the derived form
// named control + "_" + event, connected in its constructor.
#include <string>
#include <vector>

#include "ui/peer.h"

namespace qn::ui {

class Application;
class CommandButton;
class Control;
class MenuItem;
class Timer;

// Why a form is being unloaded (the unloadMode of Form_QueryUnload).
enum UnloadMode : int {
    vbFormControlMenu = 0,  // the user closed it (title bar, control menu)
    vbFormCode = 1,         // Unload from code
    vbAppWindows = 2,       // the Windows session is ending
    vbAppTaskManager = 3,   // the task manager closes the program
    vbFormMDIForm = 4,
    vbFormOwner = 5,  // the owner form is closing
};

enum class ShowMode { Modeless, Modal };

enum class BorderStyle { None, FixedSingle, Sizable, FixedDialog, FixedToolWindow };

class Form {
  public:
    Form(Application& app, std::string name);
    virtual ~Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    Application& App() const { return app_; }
    const std::string& Name() const { return name_; }
    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& caption);

    // Client area in twips; left or top -1 centres the form on the screen.
    void Move(int left, int top, int clientWidth, int clientHeight);
    int Left() const { return left_; }
    int Top() const { return top_; }
    int ClientWidth() const { return clientWidth_; }
    int ClientHeight() const { return clientHeight_; }

    // Above every window that is not topmost too; size and place unchanged.
    bool TopMost() const { return topMost_; }
    void SetTopMost(bool topMost);

    BorderStyle Border() const { return border_; }
    void SetBorderStyle(BorderStyle style) { border_ = style; }  // before loading

    bool Loaded() const { return loaded_; }
    bool Visible() const { return visible_; }
    bool IsModal() const { return modal_; }

    void Load();
    // Loads the form first when needed. A modal show returns once the form is
    // hidden or unloaded (or the program ends).
    void Show(ShowMode mode = ShowMode::Modeless, Form* owner = nullptr);
    void Hide();
    // Runs Form_QueryUnload and Form_Unload; false when either cancelled.
    bool Unload(UnloadMode mode = vbFormCode);

    Form* Owner() const { return owner_; }

    const std::vector<Control*>& Controls() const { return controls_; }
    const std::vector<Control*>& TabOrder() const { return tabOrder_; }
    const std::vector<MenuItem*>& Menus() const { return menus_; }
    const std::vector<Timer*>& Timers() const { return timers_; }
    Control* FindControl(const std::string& name) const;
    MenuItem* FindMenu(const std::string& name) const;

    CommandButton* DefaultButton() const { return defaultButton_; }
    void SetDefaultButton(CommandButton* button);
    CommandButton* CancelButton() const { return cancelButton_; }
    void SetCancelButton(CommandButton* button);

    Control* ActiveControl() const { return activeControl_; }
    // Called by the control that took the focus.
    void SetActiveControl(Control* control) { activeControl_ = control; }

    int TabIndexOf(const Control& control) const;
    void MoveInTabOrder(Control& control, int index);

    void SetPeer(Peer* peer) { peer_ = peer; }
    std::uintptr_t hWnd() const { return peer_ ? peer_->NativeHandle() : 0; }

    // Called by the parts of the form as they are constructed.
    void Register(Control& control);
    void Register(MenuItem& menu);
    void Register(Timer& timer);
    void MenuChanged() const { Notify(Property::Menu); }

    // Marks the form unloaded without running its handlers (End).
    void Discard();

  protected:
    virtual void Form_Load() {}
    virtual void Form_QueryUnload(bool& cancel, int unloadMode) {
        (void)cancel;
        (void)unloadMode;
    }
    virtual void Form_Unload(bool& cancel) { (void)cancel; }

  private:
    void Notify(Property property) const;
    void SetVisibleState(bool visible);

    Application& app_;
    std::string name_;
    std::string caption_;
    int left_ = -1;
    int top_ = -1;
    int clientWidth_ = 4800;
    int clientHeight_ = 3600;
    BorderStyle border_ = BorderStyle::FixedSingle;
    bool topMost_ = false;
    bool loaded_ = false;
    bool visible_ = false;
    bool modal_ = false;
    bool unloading_ = false;
    Form* owner_ = nullptr;
    std::vector<Control*> controls_;
    std::vector<Control*> tabOrder_;
    std::vector<MenuItem*> menus_;
    std::vector<Timer*> timers_;
    CommandButton* defaultButton_ = nullptr;
    CommandButton* cancelButton_ = nullptr;
    Control* activeControl_ = nullptr;
    Peer* peer_ = nullptr;
};

}  // namespace qn::ui
