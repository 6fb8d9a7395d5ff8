#!/usr/bin/env bash
# Installs every Debian package the build and the tests need. Safe to run again:
# it asks apt only for what is missing, and updates the package lists at most once.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config
  g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix mingw-w64-tools
  libz-mingw-w64-dev
  googletest
  libjpeg62-turbo-dev zlib1g-dev
  wine64 fonts-wine xvfb
  python3
  xdotool imagemagick x11-apps x11-utils
  openbox
  cd-paranoia
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  echo "setup: installing ${missing[*]}"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
