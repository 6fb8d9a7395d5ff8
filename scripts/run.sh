#!/usr/bin/env bash
# Installs what is missing, builds the x86_64 binaries and shows the control at work
# under Wine: the simulated CD drive holds the demo disc, the control is registered,
# and a script run by the system's script host lists the drives and tracks.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
"$ROOT/scripts/setup.sh"
configure_and_build x86_64 >/dev/null
start_wine_session
cp "$BUILD/x86_64/bin/wnaspi32.dll" "$WINEPREFIX/drive_c/windows/system32/"
"$WINE" regsvr32 /s "$(winepath_of "$BUILD/x86_64/bin/velmora.dll")"
export VELMORA_SIMDRIVE="$(winepath_of "$ROOT/tests/fixtures/demo_disc.txt")"
"$WINE" cscript.exe //nologo "$(winepath_of "$ROOT/scripts/demo_control.vbs")" | tr -d '\r'
