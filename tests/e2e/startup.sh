#!/usr/bin/env bash
# Start-up as a person meets it: without a display the program ends at once; the first start asks
# for a player in a dialog centred over the table that holds the table until it is answered; only
# one copy runs, and a second start brings the running one, or its open dialog, to the front.
. "$(dirname "$0")/lib.sh"

for display in "" :999; do
  (cd "$app_dir" && env -u DISPLAY -u WAYLAND_DISPLAY ${display:+DISPLAY=$display} timeout 20 \
    ./quaxel 2>"$work/err")
  same "exit status and lines on standard error with DISPLAY '$display'" \
    "$?/$(grep -c . "$work/err")" "255/1"
done

# Starts a second copy while another window has the focus; the second copy must end with 255 and
# leave WANTED (a window title) in front.
second_start() {
  local other code front=""
  xmessage -name other "another window" >/dev/null 2>&1 &
  other=$!
  helpers="$helpers $other"
  xdotool windowactivate --sync "$(window '^other$')" 2>/dev/null
  (cd "$app_dir" && timeout 20 ./quaxel 2>/dev/null)
  code=$?
  for _ in $(seq 20); do
    front=$(xdotool getactivewindow getwindowname 2>/dev/null)
    [ "$front" = "$1" ] && break
    sleep 0.2
  done
  same "a second start while '$1' is open ends with" "$code" 255
  same "the window a second start brings forward" "$front" "$1"
  kill "$other"
}

dialog_click() { xdotool mousemove --window "$dialog" "$2" "$3" click 1; sleep 0.3; } # WHAT X Y

# First start without settings: the dialog over the table, and the table waits for it.
start_app
dialog=$(window '^Select Player$')
main=$(window '^Quaxel\? - \[No Name\]$')
geometry "$main"
main_centre=($((wx + ww / 2)) $((wy + wh / 2)))
geometry "$dialog"
dx=$((wx + ww / 2 - main_centre[0])) dy=$((wy + wh / 2 - main_centre[1]))
check "the Select Player dialog is centred over the table (off by $dx, $dy)" \
  test $((dx * dx + dy * dy)) -le 1600
second_start "Select Player"
press quit "$main"
close_box "$main"
if running; then
  dialog_click Cancel 306 46
  press quit "$main"
fi
wait_exit
same "exit status after QUIT and the close box under the first-start dialog (then Cancel, QUIT)" \
  "$status" 0
check "nothing is saved without a player" test ! -e "$ini"

# First start again: the player named in the dialog is in play, and QUIT saves him.
start_app
dialog=$(window '^Select Player$')
dialog_click "player 1's name" 170 54
xdotool key ctrl+a type Zed
xdotool key Return
sleep 0.5
main=$(window '^Quaxel\? - ')
title=$(xdotool getwindowname "$main")
same "title once OK has put the named player in play" "$title" "Quaxel? - [Zed]"
second_start "$title"
check "the second start wrote no settings" test ! -e "$ini"
quit
same "QUIT ends with" "$status" 0
same "saved player" "$(ini_value LastPlayer)/$(ini_value 'User Name' 'Player 1')/$(ini_value Credits)" \
  "1/Zed/60"

# A killed copy never blocks the next start.
open_table '^Quaxel\? - '
{ kill -9 "$app" && wait "$app"; } 2>/dev/null
open_table '^Quaxel\? - '
check "a killed copy does not block the next start" test -n "$main"
quit

# Without a usable runtime folder the lock is the user's own: another user's lock file, held, at
# the name a shared folder would give, and a runtime folder open to everyone, keep no one out.
foreign=/tmp/QuaxelMainMutex-$(id -u).lock
if rm -f "$foreign" && : >"$foreign" && chown nobody "$foreign" && chmod 600 "$foreign"; then
  flock "$foreign" sleep 30 &
  holder=$!
  helpers="$helpers $holder"
  mkdir -m 777 "$work/open-run"
  for runtime in "" "$work/open-run"; do
    XDG_RUNTIME_DIR=$runtime open_table '^Quaxel\? - ' 5
    check "starts beside another user's lock (runtime folder '$runtime')" test -n "$main"
    quit
  done
  check "nothing of ours in a runtime folder open to everyone" test -z "$(ls -A "$work/open-run")"
  kill "$holder" 2>/dev/null
  rm -f "$foreign"
fi

finish
