#pragma once
// The system's folder browser (SHBrowseForFolder), operated from outside the
// program that shows it, as a user picks a folder by typing its name.
#include <windows.h>

#include <string>

namespace qn::e2e {

// The visible folder browser of process pid whose text above the tree is
// title, waiting at most timeoutMs; nullptr when none came.
HWND WaitForFolderBrowser(DWORD pid, const std::string& title, DWORD timeoutMs);
// Types the start of a folder's name into the tree (its own search by
// typed letters selects the first shown folder whose name begins so) and
// presses OK; false when the browser has no tree or the selection did not
// move.
bool ChooseFolderByTyping(HWND browser, const std::string& name);

}  // namespace qn::e2e
