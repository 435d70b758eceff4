#pragma once
// Item-identifier lists of the shell, freed through the shell's allocator
// (Windows 95 without Internet Explorer 4 has no CoTaskMemFree guarantee).
#include <windows.h>
// After windows.h, which it needs.
#include <shlobj.h>

#include <string>

#include "platform/directories.h"

namespace qn::win32 {

int ToCsidl(SpecialFolder folder);
// Null when the folder does not exist.
LPITEMIDLIST SpecialFolderItem(SpecialFolder folder);
std::string ItemPath(LPCITEMIDLIST item);
void FreeItem(LPITEMIDLIST item);

}  // namespace qn::win32
