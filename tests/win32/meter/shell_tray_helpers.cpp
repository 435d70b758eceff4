#include "tests/win32/meter/shell_tray_helpers.h"

#include "platform/win32/notify_icon_win32.h"

namespace qn::meter::win32 {

bool ShellHasIcon(const NotifyIconRecord& record) {
    NOTIFYICONDATAA probe = qn::win32::ToShellRecord(record);
    probe.uFlags = NIF_TIP;
    return Shell_NotifyIconA(NIM_MODIFY, &probe) != FALSE;
}

}  // namespace qn::meter::win32
