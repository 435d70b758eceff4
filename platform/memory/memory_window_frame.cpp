#include "platform/memory/memory_window_frame.h"

namespace qn {

MemoryWindowFrame::Window& MemoryWindowFrame::AddWindow(WindowHandle handle,
                                                        const FrameRect& rect) {
    Window& window = windows[handle];
    window.rect = rect;
    return window;
}

const MemoryWindowFrame::Window* MemoryWindowFrame::Find(WindowHandle window) const {
    const auto found = windows.find(window);
    return found == windows.end() ? nullptr : &found->second;
}

MemoryWindowFrame::Window* MemoryWindowFrame::Find(WindowHandle window) {
    const auto found = windows.find(window);
    return found == windows.end() ? nullptr : &found->second;
}

std::uint32_t MemoryWindowFrame::Style(WindowHandle window) const {
    const Window* found = Find(window);
    return found ? found->style : 0;
}

void MemoryWindowFrame::SetStyle(WindowHandle window, std::uint32_t style) {
    if (Window* found = Find(window)) found->style = style;
}

std::uint32_t MemoryWindowFrame::ExStyle(WindowHandle window) const {
    const Window* found = Find(window);
    return found ? found->exStyle : 0;
}

void MemoryWindowFrame::SetExStyle(WindowHandle window, std::uint32_t exStyle) {
    if (Window* found = Find(window)) found->exStyle = exStyle;
}

void MemoryWindowFrame::SetTopMost(WindowHandle window, bool topMost) {
    if (Window* found = Find(window)) {
        found->exStyle = topMost ? found->exStyle | kExTopMost : found->exStyle & ~kExTopMost;
    }
}

void MemoryWindowFrame::RefreshFrame(WindowHandle window) {
    if (Window* found = Find(window)) ++found->frameRefreshes;
}

bool MemoryWindowFrame::SystemMenuItemEnabled(WindowHandle window, std::uint32_t item) const {
    const Window* found = Find(window);
    if (!found) return false;
    const auto menuItem = found->systemMenu.find(item);
    return menuItem != found->systemMenu.end() && menuItem->second;
}

void MemoryWindowFrame::EnableSystemMenuItem(WindowHandle window, std::uint32_t item,
                                             bool enabled) {
    Window* found = Find(window);
    if (!found) return;
    const auto menuItem = found->systemMenu.find(item);
    if (menuItem != found->systemMenu.end()) menuItem->second = enabled;
}

void MemoryWindowFrame::RemoveSystemMenuItem(WindowHandle window, std::uint32_t item) {
    if (Window* found = Find(window)) found->systemMenu.erase(item);
}

bool MemoryWindowFrame::SetLayeredAttributes(WindowHandle window, std::uint32_t colorKey,
                                             std::uint8_t alpha, std::uint32_t flags) {
    Window* found = Find(window);
    if (!found || (found->exStyle & kExLayered) == 0) return false;
    found->layered = LayeredAttributes{colorKey, alpha, flags};
    return true;
}

std::uint32_t MemoryWindowFrame::SysColor(std::int32_t index) const {
    const auto found = sysColors.find(index);
    return found == sysColors.end() ? 0 : found->second;
}

void MemoryWindowFrame::SetDragFullWindows(bool on) {
    dragFullWindows = on;
    ++dragFullWindowsChanges;
}

FrameRect MemoryWindowFrame::WindowRect(WindowHandle window) const {
    const Window* found = Find(window);
    return found ? found->rect : FrameRect{};
}

FrameRect MemoryWindowFrame::ClientRect(WindowHandle window) const {
    const FrameRect rect = WindowRect(window);
    return FrameRect{0, 0, rect.Width(), rect.Height()};
}

void MemoryWindowFrame::PlaceWindow(WindowHandle window, const FrameRect& rect) {
    if (Window* found = Find(window)) found->rect = rect;
}

ShowState MemoryWindowFrame::WindowShowState(WindowHandle window) const {
    const Window* found = Find(window);
    return found ? found->showState : ShowState::Normal;
}

void MemoryWindowFrame::SetWindowVisible(WindowHandle window, bool visible) {
    if (Window* found = Find(window)) found->visible = visible;
}

void MemoryWindowFrame::RepaintNow(WindowHandle window) {
    if (Window* found = Find(window)) ++found->repaints;
}

void MemoryWindowFrame::SetCaption(WindowHandle window, const std::string& text) {
    if (Window* found = Find(window)) found->caption = text;
}

void MemoryWindowFrame::MoveControl(WindowHandle control, const FrameRect& rect) {
    if (Window* found = Find(control)) found->rect = rect;
}

std::intptr_t MemoryWindowFrame::Send(WindowHandle window, std::uint32_t message,
                                      std::uintptr_t wParam, std::intptr_t lParam) {
    sent.push_back(Message{window, message, wParam, lParam});
    return 0;
}

FrameRect MemoryWindowFrame::RectAt(std::intptr_t lParam) const {
    const auto found = rects.find(lParam);
    return found == rects.end() ? FrameRect{} : found->second;
}

void MemoryWindowFrame::SetRectAt(std::intptr_t lParam, const FrameRect& rect) {
    if (lParam != 0) rects[lParam] = rect;
}

}  // namespace qn
