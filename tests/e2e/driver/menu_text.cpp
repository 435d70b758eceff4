#include "tests/e2e/driver/menu_text.h"

namespace qn::e2e {

namespace {

void AppendMenuLines(HMENU menu, int depth, std::string& text) {
    const int count = GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i) {
        char caption[512] = {};
        MENUITEMINFOA info{};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_SUBMENU | MIIM_STRING;
        info.dwTypeData = caption;
        info.cch = sizeof(caption) - 1;
        if (!GetMenuItemInfoA(menu, static_cast<UINT>(i), TRUE, &info)) continue;
        text += std::to_string(depth) + '\t' + std::to_string(info.fType) + '\t' +
                std::to_string(info.fState) + '\t' + std::to_string(info.wID) + '\t' +
                (info.hSubMenu != nullptr ? "1" : "0") + '\t' + caption + '\n';
        if (info.hSubMenu != nullptr) AppendMenuLines(info.hSubMenu, depth + 1, text);
    }
}

}  // namespace

std::string MenuText(HMENU menu) {
    std::string text;
    if (menu != nullptr) AppendMenuLines(menu, 0, text);
    return text;
}

}  // namespace qn::e2e
