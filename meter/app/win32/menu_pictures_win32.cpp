#include "meter/app/win32/menu_pictures_win32.h"

#include <string>

#include "meter/app/resource_ids.h"

namespace qn::meter::win32 {

namespace {

int IconOf(const std::string& item) {
    if (item == "mnuShow") return QN_IDI_MENU_SHOW;
    if (item == "mnuStatistics") return QN_IDI_MENU_DATA;
    if (item == "mnuQuillon") return QN_IDI_MENU_TUNER;
    if (item == "mnuSettings") return QN_IDI_MENU_SETTINGS;
    if (item == "mnuStyle") return QN_IDI_MENU_THEME;
    if (item == "mnuExit") return QN_IDI_MENU_EXIT;
    return 0;
}

}  // namespace

void MenuPictures::Apply(HMENU menu, const std::vector<MenuEntry>& entries) {
    Free();
    for (std::size_t position = 0; position < entries.size(); ++position) {
        const int icon = IconOf(entries[position].name);
        if (icon == 0) continue;
        HBITMAP picture = PictureOf(icon);
        if (picture == nullptr) continue;
        bitmaps_.push_back(picture);
        SetMenuItemBitmaps(menu, static_cast<UINT>(position), MF_BYPOSITION, picture, picture);
    }
}

void MenuPictures::Free() {
    for (HBITMAP bitmap : bitmaps_) DeleteObject(bitmap);
    bitmaps_.clear();
}

// The icon drawn on the menu's colour, at the size of a check mark, which
// every Windows version shows beside an item.
HBITMAP MenuPictures::PictureOf(int iconId) {
    const int width = GetSystemMetrics(SM_CXMENUCHECK);
    const int height = GetSystemMetrics(SM_CYMENUCHECK);
    HICON icon = static_cast<HICON>(
        LoadImageA(instance_, MAKEINTRESOURCEA(iconId), IMAGE_ICON, 16, 16, LR_DEFAULTCOLOR));
    if (icon == nullptr) return nullptr;
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ previous = SelectObject(dc, bitmap);
    RECT all{0, 0, width, height};
    FillRect(dc, &all, GetSysColorBrush(COLOR_MENU));
    DrawIconEx(dc, 0, 0, icon, width, height, 0, nullptr, DI_NORMAL);
    SelectObject(dc, previous);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
    DestroyIcon(icon);
    return bitmap;
}

}  // namespace qn::meter::win32
