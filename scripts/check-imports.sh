#!/usr/bin/env bash
# Fails when a program imports a DLL that Windows 95 itself does not ship.
# (Wine provides every API, so only the import table can show this.)
set -euo pipefail
allowed='^(kernel32|user32|gdi32|advapi32|shell32|comctl32|comdlg32|ole32|oleaut32|msvcrt|wsock32|version|winmm|olepro32)\.dll$'
rc=0
for exe in "$@"; do
  while read -r dll; do
    lower=$(echo "$dll" | tr 'A-Z' 'a-z')
    if ! [[ $lower =~ $allowed ]]; then
      echo "!! $exe imports $dll, which old Windows may lack: resolve it at run time" >&2
      rc=1
    fi
  done < <(i686-w64-mingw32-objdump -p "$exe" | sed -n 's/^\s*DLL Name: //p')
done
exit $rc
