; The Quillon setup program: both programs, the hosts sample and the help
; file in "Program Files\Quillon", Start-menu shortcuts and an uninstall
; entry. The uninstaller removes only what setup put there: the user's
; settings and hosts file stay.
;
; Defines (makensis -D...): VERSION (1.0.1), SOURCE (the folder holding the
; files to install), OUTFILE, and AMD64 for the 64-bit build that the tests
; use on machines without 32-bit code (shipped setups are x86-ansi, which
; runs on Windows 95).

!ifdef AMD64
  Unicode true
  Target amd64-unicode
!else
  Unicode false
!endif
SetCompressor /SOLID lzma

!define PRODUCT "Quillon"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Quillon"
!define RUN_KEY "Software\Microsoft\Windows\CurrentVersion\Run"

Name "${PRODUCT} ${VERSION}"
OutFile "${OUTFILE}"
!ifdef AMD64
  InstallDir "$PROGRAMFILES64\${PRODUCT}"
!else
  InstallDir "$PROGRAMFILES\${PRODUCT}"
!endif
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"
RequestExecutionLevel admin
ShowInstDetails nevershow
ShowUninstDetails nevershow

VIProductVersion "${VERSION}.0"
VIAddVersionKey "ProductName" "${PRODUCT}"
VIAddVersionKey "FileDescription" "${PRODUCT} setup"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "CompanyName" "Quillon Project"
VIAddVersionKey "LegalCopyright" "Copyright (C) Quillon Project"

Page directory
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

Section "Quillon"
  SetOutPath "$INSTDIR"
  File "${SOURCE}\quillon.exe"
  File "${SOURCE}\Dapplet.exe"
  File "${SOURCE}\sample.qlh"
  File "${SOURCE}\quillon.hlp"
  File "${SOURCE}\quillon.cnt"
  WriteUninstaller "$INSTDIR\uninstall.exe"

  CreateDirectory "$SMPROGRAMS\${PRODUCT}"
  CreateShortCut "$SMPROGRAMS\${PRODUCT}\Quillon.lnk" "$INSTDIR\quillon.exe"
  CreateShortCut "$SMPROGRAMS\${PRODUCT}\Dapplet.lnk" "$INSTDIR\Dapplet.exe"
  CreateShortCut "$SMPROGRAMS\${PRODUCT}\Quillon Help.lnk" "$INSTDIR\quillon.hlp"
  CreateShortCut "$SMPROGRAMS\${PRODUCT}\Uninstall Quillon.lnk" "$INSTDIR\uninstall.exe"

  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT} ${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "Quillon Project"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\quillon.exe"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

; A Run value naming a program that is gone would only fail at each log-on:
; the tuner's reminder (HKLM) and the meter's start (HKCU) go when they point
; into this folder, quoted or not.
!macro RemoveRunValue ROOT NAME
  ReadRegStr $0 ${ROOT} "${RUN_KEY}" "${NAME}"
  StrLen $1 "$INSTDIR"
  StrCpy $2 $0 $1
  StrCmp $2 "$INSTDIR" 0 +2
    DeleteRegValue ${ROOT} "${RUN_KEY}" "${NAME}"
  StrCpy $2 $0 $1 1
  StrCmp $2 "$INSTDIR" 0 +2
    DeleteRegValue ${ROOT} "${RUN_KEY}" "${NAME}"
!macroend

Section "Uninstall"
  !insertmacro RemoveRunValue HKLM "Quillon"
  !insertmacro RemoveRunValue HKCU "Dapplet"

  Delete "$INSTDIR\quillon.exe"
  Delete "$INSTDIR\Dapplet.exe"
  Delete "$INSTDIR\sample.qlh"
  Delete "$INSTDIR\quillon.hlp"
  Delete "$INSTDIR\quillon.cnt"
  ; WinHelp's own index files, made beside the help file when it opens.
  Delete "$INSTDIR\quillon.gid"
  Delete "$INSTDIR\quillon.fts"
  Delete "$INSTDIR\quillon.ftg"
  Delete "$INSTDIR\uninstall.exe"
  ; Files the programs or the user made in the folder (hosts backups,
  ; exports) stay, and with them the folder.
  RMDir "$INSTDIR"

  Delete "$SMPROGRAMS\${PRODUCT}\Quillon.lnk"
  Delete "$SMPROGRAMS\${PRODUCT}\Dapplet.lnk"
  Delete "$SMPROGRAMS\${PRODUCT}\Quillon Help.lnk"
  Delete "$SMPROGRAMS\${PRODUCT}\Uninstall Quillon.lnk"
  RMDir "$SMPROGRAMS\${PRODUCT}"

  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
