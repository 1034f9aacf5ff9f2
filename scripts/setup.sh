#!/usr/bin/env bash
# Installs what building, running and testing Tarnwick need on Debian 12, and
# nothing when it is all there already. Uses sudo when not run as root.
set -euo pipefail

packages=(
  cmake ninja-build g++ git zip unzip python3 python3-pefile
  g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix mingw-w64-tools
  googletest libgtest-dev clang-14 libclang-rt-14-dev
  wine wine64 wine32:i386
  fonts-wine xvfb xdotool x11-utils x11-xserver-utils imagemagick fonts-wqy-microhei locales
)

sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  "${sudo_cmd[@]}" dpkg --add-architecture i386
fi
"${sudo_cmd[@]}" apt-get update -q
DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
