#pragma once
// The Win32 implementations of the operating-system services.
#include <memory>

#include "platform/clock.h"
#include "platform/common_dialogs.h"
#include "platform/directories.h"
#include "platform/drawing_surface.h"
#include "platform/environment_strings.h"
#include "platform/file_system.h"
#include "platform/file_version.h"
#include "platform/interface_table.h"
#include "platform/local_time.h"
#include "platform/name_resolver.h"
#include "platform/notify_icon.h"
#include "platform/os_version.h"
#include "platform/process.h"
#include "platform/settings_store.h"
#include "platform/shell.h"
#include "platform/system_restart.h"
#include "platform/window_frame.h"
#include "platform/window_hooks.h"

namespace qn::win32 {

std::unique_ptr<OsVersionSource> MakeWin32OsVersion();
std::unique_ptr<Directories> MakeWin32Directories();
std::unique_ptr<FileSystem> MakeWin32FileSystem();
std::unique_ptr<FileVersionSource> MakeWin32FileVersionSource();
std::unique_ptr<Processes> MakeWin32Processes();
// HKEY_CURRENT_USER\Software\<app>\<section>, REG_SZ values.
std::unique_ptr<SettingsStore> MakeWin32SettingsStore();
std::unique_ptr<NameResolver> MakeWin32NameResolver();
std::unique_ptr<InterfaceTable> MakeWin32InterfaceTable();
// Timers fire from the message loop of the thread that started them.
std::unique_ptr<Clock> MakeWin32Clock();
std::unique_ptr<Shell> MakeWin32Shell();
std::unique_ptr<LocalTime> MakeWin32LocalTime();
std::unique_ptr<CommonDialogs> MakeWin32CommonDialogs();
std::unique_ptr<SystemRestartApi> MakeWin32SystemRestart();
std::unique_ptr<DrawingSystem> MakeWin32DrawingSystem();
std::unique_ptr<EnvironmentStrings> MakeWin32EnvironmentStrings();
// Hooked windows' messages reach the dispatcher set last in the process.
std::unique_ptr<WindowHooks> MakeWin32WindowHooks();
std::unique_ptr<NotifyIconShell> MakeWin32NotifyIconShell();
std::unique_ptr<WindowFrame> MakeWin32WindowFrame();

}  // namespace qn::win32
