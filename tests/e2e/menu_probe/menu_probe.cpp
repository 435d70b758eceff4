// Loaded into a program under test by the driver to read its menu bar there,
// where Wine allows it. Holds no state; the driver unloads it right after.
#include <windows.h>

#include <cstring>

#include "tests/e2e/driver/menu_text.h"

extern "C" __declspec(dllexport) DWORD WINAPI QnReadMenu(void* parameter) {
    auto* block = static_cast<qn::e2e::MenuProbeBlock*>(parameter);
    HWND window = reinterpret_cast<HWND>(static_cast<uintptr_t>(block->window));
    if (!IsWindow(window)) return 2;
    const std::string text = qn::e2e::MenuText(GetMenu(window));
    block->length = static_cast<uint32_t>(text.size());
    if (text.size() > block->capacity) return 3;
    std::memcpy(block->text, text.data(), text.size());
    return 0;
}
