#pragma once
// Functions that some of the Windows versions the programs run on lack. They are
// looked up at run time, so the executables load everywhere; a null pointer
// means the running Windows does not have the function.
#include <windows.h>

namespace qn::win32 {

using SetLayeredWindowAttributesFn = BOOL(WINAPI*)(HWND, COLORREF, BYTE, DWORD);
using GetLayeredWindowAttributesFn = BOOL(WINAPI*)(HWND, COLORREF*, BYTE*, DWORD*);
using GetIfTableFn = DWORD(WINAPI*)(void* table, ULONG* size, BOOL order);
using SHDeleteKeyAFn = LONG(WINAPI*)(HKEY, LPCSTR);

struct OptionalApi {
    SetLayeredWindowAttributesFn SetLayeredWindowAttributes = nullptr;  // user32, 2000 and later
    GetLayeredWindowAttributesFn GetLayeredWindowAttributes = nullptr;  // user32, XP and later
    GetIfTableFn GetIfTable = nullptr;                                  // iphlpapi, 98 and NT 4 SP4
    SHDeleteKeyAFn SHDeleteKeyA = nullptr;                              // shlwapi, with IE 4
};

// Resolved once, on first use; the DLLs stay loaded for the life of the process.
const OptionalApi& Optional();

}  // namespace qn::win32
