# Shared by the build, test and run scripts: paths, the cross builds, and the Wine
# session (one prefix under the build folder, one Xvfb, one wineserver).
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD="$ROOT/build"
WINE=/usr/lib/wine/wine64

configure_and_build() {  # $1 = x86_64 | i686 | native
  local arch=$1 dir="$BUILD/$1"
  local args=(-G Ninja -S "$ROOT" -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPROJECT_WARNINGS_AS_ERRORS=ON)
  [ "$arch" = native ] || args+=(-DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/toolchain-$arch.cmake")
  [ -f "$dir/build.ninja" ] || cmake "${args[@]}" >/dev/null
  cmake --build "$dir" -- -k 0
}

# Starts the Wine session of one prefix on one X display: the given display (a
# person's screen), else a private Xvfb that picks a free display itself, so test runs
# started side by side never share a screen. Everything of a prefix (wineserver, its
# desktop process, its services) must live on the display its programs use: the
# desktop's windows, among them the one a move or size grabs, belong to it.
start_wine_session() {  # [$1 = display to use instead of a private Xvfb]
  export WINEPREFIX="${SESSION_WINEPREFIX:-$BUILD/x86_64/wineprefix}"
  export WINEDEBUG=-all
  export WINEDLLOVERRIDES="mscoree,mshtml=;wnaspi32=n"
  unset http_proxy HTTP_PROXY https_proxy HTTPS_PROXY no_proxy NO_PROXY
  trap stop_wine_session EXIT
  if [ -n "${1:-}" ]; then
    export DISPLAY="$1"
  else
    local display_file
    display_file=$(mktemp)
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$display_file" >/dev/null 2>&1 &
    XVFB_PID=$!
    for _ in $(seq 100); do [ -s "$display_file" ] && break; sleep 0.1; done
    export DISPLAY=":$(tr -d '[:space:]' <"$display_file")"
    rm -f "$display_file"
  fi
  # A session left behind by an earlier run may still serve this prefix from another
  # display: end it, so that the desktop process starts again on this one.
  /usr/lib/wine/wineserver -k 2>/dev/null || true
  /usr/lib/wine/wineserver -w 2>/dev/null || true
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "test: creating the Wine prefix"
    "$WINE" wineboot -i >/dev/null 2>&1 || true
    # Custom frames of sizeable windows stay as drawn.
    "$WINE" reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /t REG_SZ /d N /f >/dev/null 2>&1 || true
  fi
  /usr/lib/wine/wineserver -p || true
  match_window_manager
  # Start Wine's background services now, detached from every pipe: a service started
  # by the first test would hold that test's output pipe open and make CTest wait.
  "$WINE" wineboot -u </dev/null >/dev/null 2>&1 || true
}

# Tells Wine whether a window manager looks after the display's windows. Wine hands
# its top-level windows to a window manager and, when one is hidden, waits for the
# manager to confirm it; with none there (a bare Xvfb) every dialog that closes
# stays on the screen, unpainted, for the two seconds that wait lasts. Without a
# manager Wine places and stacks the windows itself.
match_window_manager() {
  local managed=N
  xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && managed=Y
  "$WINE" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d "$managed" /f >/dev/null 2>&1 || true
}

# Installs the simulated ASPI layer in the prefix's system folder (where any program,
# a script host too, finds it) and registers the control.
install_control() {
  cp "$BUILD/x86_64/bin/wnaspi32.dll" "$WINEPREFIX/drive_c/windows/system32/"
  "$WINE" regsvr32 /s "$(winepath_of "$BUILD/x86_64/bin/velmora.dll")"
}

# A Linux path as Windows programs under Wine see it (Z: maps the root).
winepath_of() {
  echo "Z:${1//\//\\}"
}

stop_wine_session() {
  [ -n "${WINEPREFIX:-}" ] && /usr/lib/wine/wineserver -k 2>/dev/null || true
  [ -n "${XVFB_PID:-}" ] && kill "$XVFB_PID" 2>/dev/null || true
  wait 2>/dev/null || true
}
