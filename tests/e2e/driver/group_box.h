#pragma once
// Finding controls as a user does: by the group box (frame) drawn around them.
#include <windows.h>

#include <string>
#include <vector>

namespace qn::e2e {

// The group box among parent's descendants whose caption (without mnemonic
// markers) is groupCaption; nullptr when there is none.
HWND FindGroupBox(HWND parent, const std::string& groupCaption);

// The descendants of parent of the given window class (ignoring case) whose
// top edge, at its middle, lies inside the group box captioned groupCaption,
// in z-order. The controls of a frame are often siblings of its group box
// rather than its children, so position decides.
std::vector<HWND> ChildrenInGroupBox(HWND parent, const std::string& groupCaption,
                                     const std::string& className);

}  // namespace qn::e2e
