#!/usr/bin/env bash
# Installs every Debian package the game, its tools and its tests need.
# Safe to run again: it only calls apt-get when something is missing.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config git clang-format
  libsdl2-dev libsdl2-mixer-dev libsdl2-ttf-dev fonts-dejavu-core
  libjpeg62-turbo-dev zlib1g-dev libpng-dev libimgui-dev libcairo2-dev libfontconfig-dev
  libavformat-dev libavcodec-dev libswscale-dev libswresample-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xdotool twm x11-apps
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "Installing: ${missing[*]}"
sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
  sudo_cmd=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -q
"${sudo_cmd[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
