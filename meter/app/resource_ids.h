#pragma once
// Resource ids of Dapplet.exe, shared by dapplet.rc and the code (macros,
// because the resource compiler reads only #define lines from headers).
#define QN_IDI_DAPPLET 1
#define QN_IDI_TRAY_NONE 101
#define QN_IDI_TRAY_IN 102
#define QN_IDI_TRAY_OUT 103
#define QN_IDI_TRAY_IN_OUT 104
// Pictures of the tray menu's items.
#define QN_IDI_MENU_SHOW 201
#define QN_IDI_MENU_DATA 202
#define QN_IDI_MENU_TUNER 203
#define QN_IDI_MENU_SETTINGS 204
#define QN_IDI_MENU_THEME 205
#define QN_IDI_MENU_EXIT 206
