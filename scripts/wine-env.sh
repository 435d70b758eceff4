# Sourced by the Wine scripts: chooses the Wine loader and prefix for a tree.
# Usage: qn_wine_env <tree-dir>   (for example build/win64)

qn_host_runs_32bit() {
  # Some virtual machines cannot run 32-bit x86 code at all; wine32 fails there.
  [ -x /lib/ld-linux.so.2 ] && /lib/ld-linux.so.2 --version >/dev/null 2>&1
}

qn_wine_env() {
  local tree
  tree=$(cd "$1" && pwd)
  export WINEPREFIX="$tree/wineprefix"
  export WINEDEBUG=-all
  export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
  case "$(basename "$tree")" in
    *win64*) export WINEARCH=win64 QN_WINE=/usr/lib/wine/wine64 QN_WINESERVER=/usr/lib/wine/wineserver64 ;;
    *)      export WINEARCH=win32 QN_WINE=/usr/lib/wine/wine QN_WINESERVER=/usr/lib/wine/wineserver32 ;;
  esac
  export WINESERVER=$QN_WINESERVER
  [ -x "$QN_WINESERVER" ] || QN_WINESERVER=wineserver
}

# Creates the prefix once: Wine's virtual desktop (frames, taskbar, tray),
# Marlett for the caption buttons, no Mono or Gecko prompts.
qn_wine_prefix() {
  [ -f "$WINEPREFIX/.qn-ready" ] && return 0
  mkdir -p "$(dirname "$WINEPREFIX")"
  (
    flock 9
    [ -f "$WINEPREFIX/.qn-ready" ] && exit 0
    rm -rf "$WINEPREFIX"
    "$QN_WINE" wineboot -i >/dev/null 2>&1 || true
    "$QN_WINESERVER" -w
    local here
    here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
    "$QN_WINE" reg import "$(winepath_unix_to_win "$here/wine-desktop.reg")" >/dev/null 2>&1 \
      || { echo "wine reg import of the desktop settings failed" >&2; exit 1; }
    mkdir -p "$WINEPREFIX/drive_c/windows/Fonts"
    cp /usr/share/wine/fonts/marlett.ttf "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
    "$QN_WINESERVER" -w
    touch "$WINEPREFIX/.qn-ready"
  ) 9>"$WINEPREFIX.lock"
}

# Wine maps the Unix root as drive Z:.
winepath_unix_to_win() {
  printf 'Z:%s' "$(echo "$1" | tr '/' '\\')"
}

qn_wineserver_start() {
  "$QN_WINESERVER" -p >/dev/null 2>&1 </dev/null &
  disown 2>/dev/null || true
  # The first Wine program starts Wine's background services; start them here
  # with their output detached, or they keep the caller's pipes (ctest's) open.
  "$QN_WINE" cmd /c exit 0 >/dev/null 2>&1 </dev/null || true
}

qn_wineserver_stop() {
  "$QN_WINESERVER" -k >/dev/null 2>&1 || true
}

# Starts a private Xvfb and exports DISPLAY; stop_xvfb ends it.
start_xvfb() {
  local fd_file
  fd_file=$(mktemp)
  Xvfb -displayfd 5 -screen 0 1280x1024x24 -nolisten tcp 5>"$fd_file" >/dev/null 2>&1 &
  QN_XVFB_PID=$!
  for _ in $(seq 100); do [ -s "$fd_file" ] && break; sleep 0.1; done
  export DISPLAY=":$(head -1 "$fd_file")"
  rm -f "$fd_file"
}

stop_xvfb() {
  [ -n "${QN_XVFB_PID:-}" ] && kill "$QN_XVFB_PID" 2>/dev/null
  QN_XVFB_PID=""
}
