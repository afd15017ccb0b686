#!/usr/bin/env bash
# On screens of double and of one and a half density the table is drawn at the screen's resolution:
# the window is that much larger, and at double density the letters of the pay table have edges
# finer than a pixel of the table (the picture is not a single-density one with its pixels doubled),
# and so have the shapes of the cards dealt.
E2E_SCREEN=2400x1600x24
. "$(dirname "$0")/lib.sh"

for scale in 2 1.5; do
  write_ini
  QT_SCALE_FACTOR=$scale start_app
  main=$(window '^Quaxel\? - \[Ann\]$' 20)
  check "the table opens at scale $scale" test -n "$main"
  geometry "$main"
  width=$(awk -v s="$scale" 'BEGIN { printf "%d", 544 * s + 0.5 }')
  height=$(awk -v s="$scale" 'BEGIN { printf "%d", 436 * s + 0.5 }')
  same "client width at scale $scale" "$ww" "$width"
  if [ "$scale" = 2 ]; then
    # The SUCCESSES table: against itself sampled at every other pixel and doubled back.
    top=$((wy + wh - height))
    import -window root -crop 400x210+"$((wx + 20))"+"$((top + 20))" +repage "$work/table.png"
    convert "$work/table.png" -sample 50% -sample 200% "$work/doubled.png"
    finer=$(compare -metric AE "$work/table.png" "$work/doubled.png" null: 2>&1)
    check "letters at double density have finer edges than doubled pixels ($finer)" \
      test "${finer%%.*}" -gt 1000
    # 1 BET and DEAL, at their places at double density; the first card is the ace of spades.
    xdotool mousemove $((wx + 2 * 332)) $((top + 2 * 408)) click 1
    sleep 0.3
    xdotool mousemove $((wx + 2 * 494)) $((top + 2 * 408)) click 1
    sleep 3
    import -window root -crop 150x190+"$((wx + 2 * 12))"+"$((top + 2 * 164))" +repage "$work/card.png"
    convert "$work/card.png" -sample 50% -sample 200% "$work/doubled.png"
    finer=$(compare -metric AE "$work/card.png" "$work/doubled.png" null: 2>&1)
    check "the card's shapes at double density have finer edges than doubled pixels ($finer)" \
      test "${finer%%.*}" -gt 100
  fi
  close_box "$main"
  wait_exit
  same "the close box ends the game at scale $scale with" "$status" 0
  same "credits saved at scale $scale" "$(ini_value Credits)" "$([ "$scale" = 2 ] && echo 59 || echo 60)"
done
finish
