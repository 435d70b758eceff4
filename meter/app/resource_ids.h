#pragma once
// Resource ids of Dapplet.exe, shared by dapplet.rc and the code (macros,
// because the resource compiler reads only #define lines from headers).
#define QN_IDI_DAPPLET 1
#define QN_IDI_TRAY_NONE 101
#define QN_IDI_TRAY_IN 102
#define QN_IDI_TRAY_OUT 103
#define QN_IDI_TRAY_IN_OUT 104
