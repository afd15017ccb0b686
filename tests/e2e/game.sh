#!/usr/bin/env bash
# A whole game at Shuffle level 0 (the deck in its fresh order, no jokers), played as a person
# would: one coin, DEAL/DRAW, and each time a click on the leftmost playable card, with Enter and
# Space hammered while the cards are dealt and while each played card flies and its slot refills.
# None of those keys may end the program, and the credits saved at the end are those the rules give.
. "$(dirname "$0")/lib.sh"

# The fresh deck played by the rules (the game tests hold the same game against their model): the
# slot of each of the 49 cards played in turn; 49 cards pay 55, two straight flushes 40 and seven
# flushes 7, so one coin leaves 60 - 1 + 102 credits.
plays=0000000001100000000000122000000000011000000000001 expected=161

write_ini
open_table
hammer() { xdotool key --delay 25 Return space Return space; }

press bet "$main"
sleep 0.6
tap deal "$main"
hammer
played=0
deadline=$((SECONDS + 80))
while running && [ $played -lt ${#plays} ]; do
  slot=${plays:played:1}
  until [ "$(enabled "$main" "select$slot")" = 1 ] || [ $SECONDS -gt $deadline ]; do sleep 0.05; done
  [ $SECONDS -gt $deadline ] && break
  tap "select$slot" "$main"
  played=$((played + 1))
  # No keys around the last card: a late Enter would start a double-up turn.
  [ $played -lt ${#plays} ] && hammer
done
check "the program runs on after Enter/Space and $played cards played" running
if running; then
  same "cards played by clicks before the deadline" "$played" "${#plays}"
  until [ "$(enabled "$main" collect)" = 1 ] || [ $SECONDS -gt $deadline ]; do sleep 0.1; done
  press collect "$main"
  sleep 0.5
  quit
  same "QUIT after the game ends with" "$status" 0
  same "credits saved after the game" "$(ini_value Credits)" "$expected"
fi

finish
