#!/usr/bin/env bash
# Installs what is missing, builds the x86_64 program and starts it under Wine with
# the simulated CD drive holding the demo disc.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
"$ROOT/scripts/setup.sh"
configure_and_build x86_64 >/dev/null
start_wine_session
export VELMORA_SIMDRIVE="$(winepath_of "$ROOT/tests/fixtures/demo_disc.txt")"
"$WINE" "$BUILD/x86_64/bin/list_drives.exe"
