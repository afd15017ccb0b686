#!/usr/bin/env bash
# A whole game at Shuffle level 0 (the deck in its fresh order, no jokers), played as a person
# would: one coin, DEAL/DRAW, and each time a click on the leftmost playable card, with Enter and
# Space hammered while the cards are dealt and while each played card flies and its slot refills.
# None of those keys may end the program, and the credits saved at the end are those the rules give.
. "$(dirname "$0")/lib.sh"

# The rules worked out on the fresh deck (ace to king of spades, hearts, clubs, diamonds): the slots
# played in turn, then the credits after one coin and the collected win.
read -r plays expected <<<"$(python3 - <<'EOF'
deck = [(suit, rank) for suit in range(4) for rank in range(13)]

def special(hand):  # pay per coin for the poker hand
    if None in hand:
        return 0
    ranks = sorted(r for _, r in hand)
    counts = sorted((ranks.count(r) for r in set(ranks)), reverse=True)
    flush = len({s for s, _ in hand}) == 1
    straight = counts[0] == 1 and (ranks[4] - ranks[0] == 4 or ranks == [0, 9, 10, 11, 12])
    if flush and straight:
        return 200 if ranks == [0, 9, 10, 11, 12] else 20
    return {4: 5}.get(counts[0], 2 if counts[:2] == [3, 2] else 1 if flush else 0)

factor = [0] * 9 + [1] * 4 + [2] * 3 + [3] * 3 + [4] * 3 + [6] * 3 + [8] * 3 + [10] * 2 + [12] * 2 \
    + [14] * 2 + [16] * 2 + [18] * 2 + [20] * 2 + [22] * 2 + [25, 30, 35, 40, 45, 50, 55, 60, 80, 100]
hand, rest, pile, slots, bonus = deck[:5], deck[5:], None, [], 0
while True:
    bonus += special(hand)
    playable = [i for i, c in enumerate(hand) if c and (not pile or c[0] == pile[0] or c[1] == pile[1])]
    if not playable:
        break
    slot = playable[0]
    pile, hand[slot] = hand[slot], rest.pop(0) if rest else None
    slots.append(str(slot))
win = (factor[len(slots) - 1] if slots else 0) + bonus
print("".join(slots), 60 - 1 + win)
EOF
)"

write_ini
start_app
main=$(window '^Quaxel\? - \[Ann\]$')
xdotool windowactivate --sync "$main"
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
if running; then passed=$((passed + 1)); else
  wait_exit
  failed=$((failed + 1))
  echo "FAIL: the program ended ($status) on Enter/Space after $played cards played"
fi
if running; then
  same "cards played by clicks before the deadline" "$played" "${#plays}"
  until [ "$(enabled "$main" collect)" = 1 ] || [ $SECONDS -gt $deadline ]; do sleep 0.1; done
  press collect "$main"
  sleep 0.5
  press quit "$main"
  wait_exit
  same "QUIT after the game ends with" "$status" 0
  same "credits saved after the game" "$(ini_value Credits)" "$expected"
fi

finish
