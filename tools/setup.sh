#!/usr/bin/env bash
# Installs every Debian package the build, the game and the tests need; skips what is present.
# With "fuzz", also the compiler and runtime of the fuzz target (tools/fuzz.sh).
set -euo pipefail
packages=(
  build-essential cmake ninja-build pkg-config clang-format
  qt6-base-dev qt6-base-dev-tools libqt6opengl6-dev libgl-dev
  libsdl2-dev
  fonts-liberation2 fontconfig
  libgtest-dev libgmock-dev googletest libbenchmark-dev
  xvfb xdotool imagemagick x11-utils openbox strace
  qt6-wayland weston
  desktop-file-utils appstream man-db dpkg-dev file
)
for group in "$@"; do
  case "$group" in
    fuzz) packages+=(clang libclang-rt-14-dev) ;;
    *) echo "setup.sh: unknown group $group" >&2; exit 2 ;;
  esac
done
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo_cmd=""
  [ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
  $sudo_cmd apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
