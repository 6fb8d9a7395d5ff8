#!/usr/bin/env bash
# Installs what is missing, checks the layers, builds the native tools and both Windows
# targets, and runs every test: native ones directly, the x86_64 ones under Wine. The
# 32-bit build is compiled only (this machine runs no 32-bit code).
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
"$ROOT/scripts/setup.sh"

# Every library includes only headers of the libraries it builds on.
python3 "$ROOT/scripts/check_layers.py"

configure_and_build native
configure_and_build i686
configure_and_build x86_64

ctest --test-dir "$BUILD/native" --output-on-failure -j "$(nproc)"
start_wine_session
ctest --test-dir "$BUILD/x86_64" --output-on-failure -j "$(nproc)" --timeout 300
