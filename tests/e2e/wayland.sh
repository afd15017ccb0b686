#!/usr/bin/env bash
# The program on a Wayland desktop (a headless compositor, no X server), installed as a player meets
# it: in a folder the player cannot write, started by its absolute path. It maps and draws its
# window with the player's settings, keeps those settings in the player's config folder, ends
# through its close path on a termination signal, and a second start ends at once and leaves the
# first one running. Run as root, the player is the user nobody.
no_x_server=1
. "$(dirname "$0")/lib.sh" || exit 2

# The player's runtime folder: the compositor's socket and the program's lock.
runtime=$(mktemp -d /tmp/rt-W-XXXXXX)
socket=wayland-quaxel
ini=$XDG_CONFIG_HOME/Quaxel/Quaxel.ini
mkdir -p "${ini%/*}" "$work/shots"
player=()
if [ "$(id -u)" = 0 ]; then
  player=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
  chmod 711 "$work"
  chown -R nobody:nogroup "$runtime" "$work/home" "$work/shots"
else
  chmod 555 "$app_dir"
fi
trap 'chmod 755 "$app_dir"; cleanup; rm -rf "$runtime"' EXIT
export XDG_RUNTIME_DIR=$runtime

"${player[@]}" weston --backend=headless-backend.so --use-pixman --width=1024 --height=768 \
  --socket=$socket --idle-time=0 --no-config --debug >"$work/weston.log" 2>&1 &
helpers=$!
for _ in $(seq 50); do [ -S "$runtime/$socket" ] && break; sleep 0.1; done
if [ ! -S "$runtime/$socket" ]; then
  echo "the compositor did not start:" && cat "$work/weston.log"
  exit 2
fi

# Starts the program by its absolute path from / with the protocol log on (in LOG); VAR=VALUE
# arguments go to its environment.
start_wayland() { # LOG [VAR=VALUE...]
  local log=$1
  shift
  (cd / && exec env -u DISPLAY QT_QPA_PLATFORM=wayland WAYLAND_DISPLAY=$socket WAYLAND_DEBUG=1 \
    "$@" "${player[@]}" "$app_dir/quaxel") 2>"$log" &
  app=$!
}

# From the client's protocol log: the top-level surface whose title matches TITLE (a regular
# expression) was configured, acknowledged, given a buffer in a commit, and placed on an output by
# the compositor. Prints "mapped", and " parent" after it when its parent's title matches PARENT.
mapped() { # LOG TITLE [PARENT]
  want=$2 parent=${3:-} awk '
    BEGIN { want = ENVIRON["want"]; parent = ENVIRON["parent"] }
    # The time stamp is padded to seven digits, with a space below a million: one field, always.
    { sub(/^\[ *[0-9.]+\]/, "[t]") }
    function obj(s) { sub(/^[^@]*@/, "", s); sub(/[^0-9].*$/, "", s); return s }
    / -> xdg_wm_base@[0-9]+\.get_xdg_surface\(/ { split($0, a, "@"); wl[obj(a[3])] = obj(a[4]) }
    / -> xdg_surface@[0-9]+\.get_toplevel\(/ { split($0, a, "@"); xdg[obj(a[3])] = obj(a[2]) }
    / -> xdg_toplevel@[0-9]+\.set_title\(/ {
      split($0, a, "\""); t = obj($3); title[t] = a[2]
      if (top == "" && a[2] ~ want) { top = t; x = xdg[t]; s = wl[x] }
    }
    / -> xdg_toplevel@[0-9]+\.set_parent\(/ { split($0, a, "@"); up[obj($3)] = obj(a[3]) }
    top != "" && $0 ~ (" -> xdg_surface@" x "\\.ack_configure\\(") { acked = 1 }
    acked && $0 ~ (" -> wl_surface@" s "\\.attach\\(wl_buffer@") { attached = 1 }
    attached && $0 ~ (" -> wl_surface@" s "\\.commit\\(") { committed = 1 }
    committed && $0 ~ ("] wl_surface@" s "\\.enter\\(wl_output@") { entered = 1 }
    END {
      if (!entered) exit
      printf "mapped"
      if (parent != "" && title[up[top]] ~ parent) printf " parent"
      print ""
    }' "$1"
}

# Waits up to 10 s for that; prints what mapped prints.
wait_mapped() { # LOG TITLE [PARENT]
  local seen=""
  for _ in $(seq 100); do
    seen=$(mapped "$@")
    [ -n "$seen" ] && break
    sleep 0.1
  done
  echo "$seen"
}

# Pixels of the color R,G,B in a picture of the compositor's output (its screenshooter, which
# --debug opens to every client), taken until there are at least MIN of them (10 s at most).
color_seen() { # R,G,B MIN
  local shot="" count=0
  for _ in $(seq 20); do
    rm -f "$work"/shots/*.png
    (cd "$work/shots" && WAYLAND_DISPLAY=$socket "${player[@]}" timeout 10 weston-screenshooter) \
      >/dev/null 2>&1
    shot=$(ls "$work"/shots/*.png 2>/dev/null | head -1)
    [ -n "$shot" ] && count=$(convert "$shot" -fill black +opaque "rgb($1)" -fill white \
      -opaque "rgb($1)" -format '%[fx:round(mean*w*h)]' info:)
    [ "$count" -ge "$2" ] && break
    sleep 0.5
  done
  echo "$count"
}

# The first start without settings: the table, with the Select Player dialog over it as its child.
start_wayland "$work/first.log"
same "first start: the Select Player dialog is mapped over the table" \
  "$(wait_mapped "$work/first.log" '^Select Player$' '^Quaxel\? - \[No Name\]$')" "mapped parent"
same "first start: the table is mapped" "$(mapped "$work/first.log" '^Quaxel\? - ')" mapped
kill -TERM "$app"
wait_exit
check "SIGTERM under the first-start dialog ends the program" test "$status" != running
same "files written without a player in play" "$(find "$work" -name 'Quaxel.ini*' | wc -l)" 0

# Ann in play, on a background of her own color (0x00A05020: red 32, green 80, blue 160), with no
# Hint line: any save adds it.
write_ini Credits=777 Color=10506272
sed -i '/^Hint=/d' "$ini"
chown -R "$(stat -c %u:%g "$work/home")" "$work/home"
cp "$ini" "$work/copy"
start_wayland "$work/table.log"
same "the table is mapped under Ann's name" \
  "$(wait_mapped "$work/table.log" '^Quaxel\? - \[Ann\]$')" mapped
pixels=$(color_seen 32,80,160 40000)
check "the table shows Ann's background color ($pixels pixels)" test "$pixels" -ge 40000

# A second start, with a token from its launcher, while the first runs: it ends with 255 without a
# window and without a write, and the first one goes on.
first=$app
began=$SECONDS
start_wayland "$work/second.log" XDG_ACTIVATION_TOKEN=launcher-token-1
wait_exit
same "a second start ends with" "$status" 255
check "a second start ends within 5 s ($((SECONDS - began)) s)" test $((SECONDS - began)) -le 5
same "top-level windows of the second start" "$(grep -c 'get_toplevel(' "$work/second.log")" 0
app=$first
check "the first copy runs on after the second start" running
check "the second start wrote no settings" cmp -s "$ini" "$work/copy"

kill -TERM "$app"
wait_exit
same "SIGTERM: exit status / saved credits / the save's Hint line" \
  "$status/$(ini_value Credits)/$(ini_value Hint)" "0/777/0"
same "settings files beside the program" "$(ls "$app_dir")" quaxel

finish
