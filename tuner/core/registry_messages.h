#pragma once
// The registry class's messages and its REG_MULTI_SZ splitting.
#include <string>
#include <vector>

#include "platform/registry.h"
#include "ui/message_box.h"

namespace qn {

// "Registry Class Error"
extern const char* const kRegistryClassErrorTitle;

// The message text for a registry return code ("" for success).
std::string RegistryErrorText(RegStatus code);
// Shows nothing for 0; otherwise the text with the information icon.
void ShowRegistryError(ui::MessageBoxes& boxes, RegStatus code);

// Each NUL-terminated piece of a REG_MULTI_SZ up to the empty one that ends it.
std::vector<std::string> SplitMultiString(const std::string& data);

}  // namespace qn
