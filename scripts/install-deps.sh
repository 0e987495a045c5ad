#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing Brolt need; skips what is there.
set -euo pipefail
packages=(
  cmake ninja-build g++ clang libclang-rt-14-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  libsqlite3-dev sqlite3
  libsdl2-dev libsdl2-image-dev libsdl2-mixer-dev
  libgl-dev libegl-dev libgl1-mesa-dri
  qt6-base-dev fonts-dejavu-core fonts-dejavu-extra
  xvfb xdotool xclip libx11-dev libxfixes-dev
  # SDL draws the game's message boxes with the X server's core fonts; without them no box shows.
  xfonts-base
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo_cmd=""
  [ "$(id -u)" -eq 0 ] || sudo_cmd="sudo"
  $sudo_cmd apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
