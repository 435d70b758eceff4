#pragma once
// Resource ids of quillon.exe, shared by quillon.rc and the code.

// The program's icon; the lowest id, so that Explorer shows it.
#define QN_IDI_QUILLON 1
