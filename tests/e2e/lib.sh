# Shared helpers of the end-to-end scripts: a private X server with a window manager, a copy of the
# program in a scratch folder (its Quaxel.ini lives beside it), clicks at client coordinates and the
# pass/fail count. Source it with the program's path as the first argument.
set -u
program=${1:?program}
work=$(mktemp -d)
app_dir=$work/app
mkdir -p "$app_dir" "$work/run"
chmod 700 "$work/run"
cp "$program" "$app_dir/quaxel"
ini=$app_dir/Quaxel.ini
# A home of its own, to see that the program writes no file there.
mkdir -p "$work/home"
export XDG_RUNTIME_DIR=$work/run SDL_AUDIODRIVER=dummy HOME=$work/home XDG_CONFIG_HOME=$work/home/.config
unset QT_QPA_PLATFORM
passed=0 failed=0 app="" status="" xvfb="" wm="" helpers=""

cleanup() {
  local pid
  for pid in $app $helpers $wm $xvfb; do kill "$pid" 2>/dev/null; done
  wait 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

# A display of our own between :200 and :260 (E2E_DISPLAYS=FIRST-LAST for another range), with
# openbox on it.
start_x() {
  local n
  for n in $(shuf -i "${E2E_DISPLAYS:-200-260}"); do
    [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] && continue
    Xvfb ":$n" -screen 0 "${E2E_SCREEN:-1024x768x24}" -nolisten tcp >/dev/null 2>&1 &
    xvfb=$!
    export DISPLAY=":$n"
    for _ in 1 2 3 4 5 6 7 8 9 10; do
      xdotool getdisplaygeometry >/dev/null 2>&1 && break
      sleep 0.2
    done
    sleep 0.5 # a server that lost the race for the number has ended by now
    if kill -0 "$xvfb" 2>/dev/null && xdotool getdisplaygeometry >/dev/null 2>&1; then
      HOME=$work openbox >/dev/null 2>&1 &
      wm=$!
      sleep 1
      return 0
    fi
    kill "$xvfb" 2>/dev/null
  done
  echo "no free display" >&2
  exit 2
}

check() { # DESCRIPTION COMMAND...
  local what=$1
  shift
  if "$@"; then passed=$((passed + 1)); else failed=$((failed + 1)); echo "FAIL: $what"; fi
}

same() { # DESCRIPTION ACTUAL EXPECTED
  if [ "$2" = "$3" ]; then passed=$((passed + 1)); else
    failed=$((failed + 1)); echo "FAIL: $1: got '$2', want '$3'"; fi
}

finish() {
  echo "$passed passed, $failed failed"
  [ "$failed" -eq 0 ]
  exit
}

# A settings file with one player, Ann, in play; KEY=VALUE arguments replace lines.
write_ini() {
  printf '%s\n' "[Common Info]" "LastPlayer=1" "Xpos=-2147483648" "Ypos=-2147483648" \
    "[Player 1]" "User Name=Ann" "Credits=60" "Sound=0" "Level=0" "Hint=0" "Joker Num=0" \
    "Color=32768" >"$ini"
  local kv
  for kv in "$@"; do sed -i "s/^${kv%%=*}=.*/$kv/" "$ini"; done
}

ini_value() { # KEY [SECTION]: the value in the settings file, empty when absent
  [ -f "$ini" ] || return 0
  tr -d '\r' <"$ini" | awk -F= -v k="$1" -v s="${2:-}" '
    /^\[/ { in_s = (s == "" || $0 == "[" s "]") } in_s && $1 == k { print substr($0, length(k) + 2); exit }'
}

start_app() { # [COMMAND...]: the program started by that command (strace, say), else by itself
  (cd "$app_dir" && exec "$@" ./quaxel) 2>>"$work/stderr" &
  app=$!
}

running() { kill -0 "$app" 2>/dev/null; }

wait_exit() { # sets status to the exit status, or "running" after 10 s (the copy is then killed)
  local tries=100
  while running && [ "$tries" -gt 0 ]; do sleep 0.1; tries=$((tries - 1)); done
  if running; then status=running; kill -9 "$app"; wait "$app" 2>/dev/null; else
    wait "$app"; status=$?; fi
}

window() { timeout "${2:-10}" xdotool search --sync --onlyvisible --name "$1" 2>/dev/null | head -1; }

# Absolute position and size of a window's contents: sets wx wy ww wh.
geometry() {
  local info
  wx=0 wy=0 ww=0 wh=0
  [ -n "$1" ] && info=$(xwininfo -id "$1" 2>/dev/null) || return 1
  eval "$(awk '/Absolute upper-left X/ {print "wx=" $NF} /Absolute upper-left Y/ {print "wy=" $NF}
    /Width:/ {print "ww=" $NF} /Height:/ {print "wh=" $NF}' <<<"$info")"
}

# Client coordinates of the main window: its X window also holds the menu bar above the 544 x 436
# client area.
menu_bar() { geometry "$1"; echo $((wh - 436)); }
click() { [ -n "$1" ] && xdotool mousemove --window "$1" "$2" $(($3 + $(menu_bar "$1"))) click 1; }

# The centres of the command buttons, in client coordinates.
button() {
  case $1 in
    quit) echo 44 408 ;; collect) echo 176 408 ;; bet) echo 332 408 ;; deal) echo 494 408 ;;
    select*) echo $((50 + 111 * ${1#select})) 294 ;;
  esac
}
tap() { # BUTTON WINDOW
  local x y
  read -r x y <<<"$(button "$1")"
  click "$2" "$x" "$y"
}
press() { tap "$1" "$2"; sleep 0.3; } # the same, with time for the program to answer

# Starts the program and brings its table to the front once its title matches TITLE (Ann's table
# by default): sets main, empty when none came within SECONDS.
open_table() { # [TITLE [SECONDS]]
  start_app
  main=$(window "${1:-^Quaxel\? - \[Ann\]$}" "${2:-10}")
  [ -z "$main" ] || xdotool windowactivate --sync "$main" 2>/dev/null
}
quit() { [ -n "$main" ] && press quit "$main"; wait_exit; }

# The frame that the window manager draws around a window: sets frame to its left, right, top and
# bottom widths, and geometry's values.
frame_of() {
  geometry "$1" || return
  read -ra frame <<<"$(xprop -id "$1" _NET_FRAME_EXTENTS | tr -dc '0-9 ')"
}
close_box() {
  frame_of "$1" || return
  xdotool mousemove $((wx + ww + frame[1] - 12)) $((wy - frame[2] / 2)) click 1
  sleep 0.5
}

# 1 when the caption of a command button is drawn in black (enabled), else 0.
enabled() { # WINDOW BUTTON
  local x y
  read -r x y <<<"$(button "$2")"
  y=$((y + $(menu_bar "$1") - 6))
  import -window "$1" -crop 50x12+$((x - 25))+$y "$work/shot.png" 2>/dev/null &&
    convert "$work/shot.png" -colorspace Gray -format '%[fx:minima<0.25]' info:
}

# A script that brings its own display server sets no_x_server before it sources this file.
[ -n "${no_x_server:-}" ] || start_x
