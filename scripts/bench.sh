#!/usr/bin/env bash
# Builds the x86_64 binaries and runs the ripping benchmark under Wine against the
# simulated drive: whole rips through the control beside the floor (a plain program
# reading the same sectors and writing them with WriteFile), and, when cd-paranoia is
# installed, its default and no-check modes on the same music image through a CUE
# sheet. Files go to a RAM disk when there is one. Prints the machine and its load
# first, so that a reader can judge the noise.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
"$ROOT/scripts/setup.sh"
configure_and_build x86_64 >/dev/null

echo "Machine: $(nproc) processors, $(sed -n 's/^model name[[:space:]]*: //p' /proc/cpuinfo | head -1)"
echo "Load average at the start: $(cut -d' ' -f1-3 /proc/loadavg)"

base=/dev/shm
[ -d "$base" ] && [ -w "$base" ] || base="${TMPDIR:-/tmp}"
work=$(mktemp -d "$base/velmora-bench.XXXXXX")
start_wine_session
trap 'stop_wine_session; rm -rf "$work"' EXIT
install_control

bench() {
  "$WINE" "$BUILD/x86_64/bin/rip_benchmark.exe" "$@" | tr -d '\r'
}

bench --write-image "$(winepath_of "$work")" >/dev/null
peers=()
if command -v cd-paranoia >/dev/null; then
  # Seconds of one rip of the whole image into WAV files.
  paranoia() {
    rm -rf "$work/peer" && mkdir "$work/peer"
    local start end
    start=$(date +%s.%N)
    (cd "$work/peer" && cd-paranoia -q "$@" -d "$work/music.cue" -B "1-" >/dev/null 2>&1)
    end=$(date +%s.%N)
    awk -v a="$start" -v b="$end" 'BEGIN { printf "%.3f\n", b - a }'
  }
  median3() { printf '%s\n' "$@" | sort -g | sed -n 2p; }
  default=$(median3 "$(paranoia)" "$(paranoia)" "$(paranoia)")
  nocheck=$(median3 "$(paranoia -Z)" "$(paranoia -Z)" "$(paranoia -Z)")
  rm -rf "$work/peer"
  peers=(--peer "cd-paranoia default=$default" --peer "cd-paranoia -Z (no check)=$nocheck")
else
  echo "(cd-paranoia is not installed: no other ripper is measured.)"
fi
bench --folder "$(winepath_of "$work")" --image "$(winepath_of "$work/music.bin")" "${peers[@]}" "$@"
