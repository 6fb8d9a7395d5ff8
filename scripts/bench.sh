#!/usr/bin/env bash
# Builds the x86_64 binaries and runs the ripping benchmark under Wine against the
# simulated drive (a 74-minute disc), printing throughput and peak memory.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
"$ROOT/scripts/setup.sh"
configure_and_build x86_64 >/dev/null
start_wine_session
install_control
"$WINE" "$BUILD/x86_64/bin/rip_benchmark.exe" | tr -d '\r'
