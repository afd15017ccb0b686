#!/usr/bin/env bash
# The menus with a player in play: Select Player from the menu holds the table until it is
# answered; a Shuffle choice repeated keeps its check mark; the About box closes on Enter only;
# Save Position brings the window back to the same place run after run.
. "$(dirname "$0")/lib.sh"

# The bottom meters (WAGER, WIN, PAID, the message and CREDITS), as a picture.
meters() { geometry "$main" && import -window root -crop 544x60+"$wx"+$((wy + wh - 116)) "$1" 2>/dev/null; }

write_ini
start_app
main=$(window '^Quaxel\? - \[Ann\]$')
xdotool windowactivate --sync "$main"
xdotool key alt+u s
dialog=$(window '^Select Player$')
check "User > Select User... opens the Select Player dialog" test -n "$dialog"
meters "$work/before.png"
press bet "$main"
meters "$work/after.png"
same "pixels of the meters changed by a 1 BET click under the dialog" \
  "$(compare -metric AE "$work/before.png" "$work/after.png" null: 2>&1)" 0
close_box "$main"
if running; then passed=$((passed + 1)); else
  wait_exit
  failed=$((failed + 1))
  echo "FAIL: the close box of the table ended the program under the dialog ($status)"
fi
if running; then
  xdotool mousemove --window "$dialog" 306 46 click 1 # Cancel
  sleep 0.3
  press quit "$main"
  wait_exit
  same "QUIT after Cancel ends with" "$status" 0
fi
same "credits saved after the dialog" "$(ini_value Credits)" 60

# The check marks of the open Shuffle submenu: one digit per item 0..5, 1 where a mark is drawn.
open_shuffle() { xdotool key alt+o; sleep 0.3; xdotool key Down Right; sleep 0.4; }
shuffle_marks() {
  local row
  geometry "$main"
  import -window root "$work/menu.png"
  for row in 0 1 2 3 4 5; do
    convert "$work/menu.png" -crop 8x8+$((wx + 191))+$((wy + 48 + 22 * row)) \
      -colorspace Gray -format '%[fx:minima<0.25]' info:
  done
}

start_app
main=$(window '^Quaxel\? - \[Ann\]$')
xdotool windowactivate --sync "$main"
open_shuffle
same "Shuffle check marks with level 0" "$(shuffle_marks)" 100000
xdotool key Escape Escape
for _ in 1 2; do
  open_shuffle
  xdotool key Down Down Down Return
  sleep 0.3
done
open_shuffle
same "Shuffle check marks after choosing 3 twice" "$(shuffle_marks)" 000100
xdotool key Escape Escape

xdotool key alt+h Return
about=$(window '^About Quaxel\?$' 5)
check "Help > About Quaxel?... opens the About box" test -n "$about"
xdotool key Escape
sleep 0.5
check "Escape leaves the About box open" test -n "$(window '^About Quaxel\?$' 1)"
xdotool key Return
sleep 0.5
check "Enter closes the About box" test -z "$(window '^About Quaxel\?$' 1)"
press quit "$main"
wait_exit
same "saved Shuffle level" "$(ini_value Level)" 3

# Save Position: three runs, each closed at once, reopen the window where it was. The position
# is that of the client area, which the window is placed by.
write_ini Xpos=200 Ypos=150
places=""
for _ in 1 2 3; do
  start_app
  main=$(window '^Quaxel\? - \[Ann\]$')
  sleep 1 # the window manager may still move a window it has just mapped
  frame_of "$main"
  press quit "$main"
  wait_exit
  places="$places $wx,$wy/$(ini_value Xpos),$(ini_value Ypos)"
done
same "client area on screen / saved position, three runs" "$places" \
  " 200,150/200,150 200,150/200,150 200,150/200,150"

# Back Color: the color chooser keeps its custom colors in the program; nothing is written in
# the home folder. A termination signal in the middle of a game saves the credits of the meter.
write_ini
start_app
main=$(window '^Quaxel\? - \[Ann\]$')
xdotool windowactivate --sync "$main" key alt+o b
chooser=$(window '^Select Color$' 5)
check "Back Color opens the color chooser" test -n "$chooser"
xdotool key Return
sleep 0.3
press bet "$main"
kill -TERM "$app"
wait_exit
same "SIGTERM during a game: exit status / saved credits" "$status/$(ini_value Credits)" "0/59"
same "files written in the home folder" "$(cd "$HOME" && find . -type f)" ""

finish
