#!/usr/bin/env bash
# Installs what is missing, builds the x86_64 binaries and shows the control at work
# under Wine: the simulated CD drive holds the demo disc, a local CDDB server knows it,
# the control is registered, and a script run by the system's script host lists the
# drives and the named tracks.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
"$ROOT/scripts/setup.sh"
configure_and_build x86_64 >/dev/null
start_wine_session
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

"$WINE" cscript.exe //nologo "$(winepath_of "$ROOT/scripts/demo_control.vbs")" | tr -d '\r'

"$WINE" reg add "$settings" /v ProxyEnable /t REG_DWORD /d 0 /f >/dev/null
