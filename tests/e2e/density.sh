#!/usr/bin/env bash
# On screens of double and of one and a half density the table is drawn at the screen's resolution:
# the window is that much larger, and at double density the letters of the pay table have edges
# finer than a pixel of the table (the picture is not a single-density one with its pixels doubled).
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
  fi
  close_box "$main"
  wait_exit
  same "the close box ends the game at scale $scale with" "$status" 0
  same "credits saved at scale $scale" "$(ini_value Credits)" 60
done
finish
