#!/usr/bin/env bash
# Makes the README's pictures, docs/screenshots/table.png and double-up.png, from the real program
# under Xvfb and openbox (tests/e2e/lib.sh), played with xdotool as a person would: a wager of five
# coins on a fresh deck (Shuffle level 0, so every run deals the same cards), the leftmost playable
# card each time, a picture of the table after twelve cards, then the game to its end and one
# double-up turn, pictured once the dealer's card is shown.
# Usage: tools/screenshots.sh [program, default build/app/quaxel]; E2E_DISPLAYS=FIRST-LAST picks
# the display numbers.
cd "$(dirname "$0")/.." || exit 1
out=$PWD/docs/screenshots
program=$(realpath "${1:-build/app/quaxel}") || exit 1
. tests/e2e/lib.sh "$program" || exit 1

fail() { echo "screenshots.sh: $*" >&2; exit 1; }

# The window with the frame and title bar the window manager gives it, without the pointer.
shoot() { # FILE
  xdotool mousemove 1020 760
  sleep 0.5
  frame_of "$main" || fail "no window to picture"
  import -window root -crop "$((ww + frame[0] + frame[1]))x$((wh + frame[2] + frame[3]))+$((
    wx - frame[0]))+$((wy - frame[2]))" +repage -strip "$work/shot.png" &&
    mkdir -p "$out" && mv "$work/shot.png" "$out/$1" && echo "$out/$1"
}

# Waits until one of the buttons is enabled and prints the first such, looked at again once the
# window has settled (the buttons light up one after the other); empty after a minute.
first_enabled() { # BUTTON...
  local deadline=$((SECONDS + 60)) b
  while [ $SECONDS -lt $deadline ] && running; do
    for b in "$@"; do
      [ "$(enabled "$main" "$b")" = 1 ] || continue
      sleep 0.3
      for b in "$@"; do [ "$(enabled "$main" "$b")" = 1 ] && echo "$b" && return; done
    done
    sleep 0.1
  done
}

write_ini Credits=100 Hint=1
start_app
main=$(window '^Quaxel\? - \[Ann\]$')
[ -n "$main" ] || fail "the program did not open its window"
xdotool windowactivate --sync "$main"
for _ in 1 2 3 4 5; do press bet "$main"; done
sleep 0.6
tap deal "$main"

played=0
while :; do
  next=$(first_enabled select0 select1 select2 select3 select4 collect)
  [ -n "$next" ] || fail "the game stopped after $played cards"
  [ "$next" = collect ] && break
  [ $played -eq 12 ] && shoot table.png
  tap "$next" "$main"
  played=$((played + 1))
  sleep 0.3
done

# The double-up offer: DEAL/DRAW turns the cards and shows the dealer's; the picture waits for the
# four cards to pick from.
tap deal "$main"
[ -n "$(first_enabled select1)" ] || fail "no double-up turn"
shoot double-up.png
press quit "$main"
wait_exit
