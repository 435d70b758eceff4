#pragma once
#include "platform/notify_icon.h"

namespace qn::meter::win32 {

// Whether the shell still knows the icon: a modify succeeds only then.
bool ShellHasIcon(const NotifyIconRecord& record);

}  // namespace qn::meter::win32
