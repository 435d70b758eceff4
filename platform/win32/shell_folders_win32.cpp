#include "platform/win32/shell_folders_win32.h"

namespace qn::win32 {

int ToCsidl(SpecialFolder folder) {
    switch (folder) {
        case SpecialFolder::Favorites:
            return CSIDL_FAVORITES;
        case SpecialFolder::Desktop:
            break;
    }
    return CSIDL_DESKTOP;
}

LPITEMIDLIST SpecialFolderItem(SpecialFolder folder) {
    LPITEMIDLIST item = nullptr;
    if (FAILED(SHGetSpecialFolderLocation(nullptr, ToCsidl(folder), &item))) return nullptr;
    return item;
}

std::string ItemPath(LPCITEMIDLIST item) {
    char path[512] = {};
    if (item == nullptr || !SHGetPathFromIDListA(item, path)) return std::string();
    return path;
}

void FreeItem(LPITEMIDLIST item) {
    if (item == nullptr) return;
    IMalloc* allocator = nullptr;
    if (SUCCEEDED(SHGetMalloc(&allocator)) && allocator != nullptr) {
        allocator->Free(item);
        allocator->Release();
    }
}

}  // namespace qn::win32
