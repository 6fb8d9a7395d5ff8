#!/usr/bin/env bash
# Installs what is missing, builds the x86_64 binaries and starts Brenvale under Wine:
# the simulated CD drive holds the demo disc, a local CDDB server knows it, and the
# control is registered. The window shows on the X display set in DISPLAY, else on a
# virtual one (Xvfb) until the program is ended. The whole Wine session runs on that
# one display, in a prefix of its own (the tests keep theirs).
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
"$ROOT/scripts/setup.sh"
configure_and_build x86_64 >/dev/null
export SESSION_WINEPREFIX="$BUILD/x86_64/run-wineprefix"
start_wine_session "${DISPLAY:-}"
echo "run: Brenvale shows on display $DISPLAY"
install_control
export VELMORA_SIMDRIVE="$(winepath_of "$ROOT/tests/fixtures/demo_disc.txt")"

# The local CDDB server, reached through the system's proxy setting.
port_file="$BUILD/cddb-port"
rm -f "$port_file"
"$WINE" "$BUILD/x86_64/bin/cddb_test_server.exe" 0 "$(winepath_of "$ROOT/tests/fixtures/cddb")" \
  >"$port_file" 2>/dev/null &
for _ in $(seq 100); do [ -s "$port_file" ] && break; sleep 0.1; done
port=$(tr -d '\r\n' <"$port_file")
settings='HKCU\Software\Microsoft\Windows\CurrentVersion\Internet Settings'
"$WINE" reg add "$settings" /v ProxyEnable /t REG_DWORD /d 1 /f >/dev/null
"$WINE" reg add "$settings" /v ProxyServer /t REG_SZ /d "127.0.0.1:$port" /f >/dev/null

"$WINE" "$BUILD/x86_64/bin/brenvale.exe" || true

"$WINE" reg add "$settings" /v ProxyEnable /t REG_DWORD /d 0 /f >/dev/null
