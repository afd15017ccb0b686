#!/usr/bin/env bash
# Installs what is missing, builds the game and starts it. Started by its bare name, the program
# keeps the players' settings in the user's config folder ($XDG_CONFIG_HOME/Quaxel/, by default
# ~/.config/Quaxel/) and not beside the built program, so deleting the build never loses a player's
# credits. A settings file that an older version of this script left in the build moves there once.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)" --target quaxel
case ${XDG_CONFIG_HOME:-} in
  /*) config=$XDG_CONFIG_HOME/Quaxel ;;
  *) config=$HOME/.config/Quaxel ;;
esac
if [ -f build/app/Quaxel.ini ] && [ ! -e "$config/Quaxel.ini" ]; then
  mkdir -p "$config"
  mv build/app/Quaxel.ini "$config/"
fi
exec -a quaxel build/app/quaxel
