#!/usr/bin/env bash
# The menus with a player in play: Select Player from the menu holds the table until it is
# answered; a Shuffle choice repeated keeps its check mark; Save Position brings the window back to
# the same place run after run; Back Color keeps its custom colors out of the home folder.
. "$(dirname "$0")/lib.sh"

write_ini
open_table
xdotool key alt+u s
dialog=$(window '^Select Player$')
check "User > Select User... opens the Select Player dialog" test -n "$dialog"
press bet "$main" # under the dialog: no coin leaves the credits
xdotool mousemove --window "$dialog" 306 46 click 1 # Cancel
sleep 0.3
quit
same "QUIT after Cancel: exit status / credits saved after a 1 BET click under the dialog" \
  "$status/$(ini_value Credits)" 0/60

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

open_table
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
quit
same "saved Shuffle level" "$(ini_value Level)" 3

# Save Position: three runs, each closed at once, reopen the window where it was. The position
# is that of the client area, which the window is placed by.
write_ini Xpos=200 Ypos=150
places=""
for _ in 1 2 3; do
  open_table
  sleep 1 # the window manager may still move a window it has just mapped
  frame_of "$main"
  quit
  places="$places $wx,$wy/$(ini_value Xpos),$(ini_value Ypos)"
done
same "client area on screen / saved position, three runs" "$places" \
  " 200,150/200,150 200,150/200,150 200,150/200,150"

# Back Color: the color chooser keeps its custom colors in the program; nothing is written in
# the home folder. A termination signal in the middle of a game saves the credits of the meter.
write_ini
open_table
xdotool key alt+o b
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
