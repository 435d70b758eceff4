#pragma once
// The pictures the tray menu shows beside its main items, in place of check
// marks. Each popup makes them anew; the last ones stay until then.
#include <windows.h>

#include <vector>

#include "meter/app/main_menu.h"

namespace qn::meter::win32 {

class MenuPictures {
  public:
    explicit MenuPictures(HINSTANCE instance) : instance_(instance) {}
    ~MenuPictures() { Free(); }
    MenuPictures(const MenuPictures&) = delete;
    MenuPictures& operator=(const MenuPictures&) = delete;

    // Gives each main item of menu (made from entries) its picture.
    void Apply(HMENU menu, const std::vector<MenuEntry>& entries);
    void Free();

  private:
    HBITMAP PictureOf(int iconId);

    HINSTANCE instance_;
    std::vector<HBITMAP> bitmaps_;
};

}  // namespace qn::meter::win32
