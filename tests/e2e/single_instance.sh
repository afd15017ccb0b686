#!/usr/bin/env bash
# The real program under a private X server: first start asks for a player and QUIT saves it; a
# second start brings the first to the front and exits with 255 without touching the settings;
# a killed first copy does not block the next start.
set -u
binary=${1:?program}
work=$(mktemp -d)
display=":$((120 + RANDOM % 60))"
export XDG_RUNTIME_DIR="$work/run"
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
cp "$binary" "$work/quaxel"
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
export DISPLAY=$display SDL_AUDIODRIVER=dummy
unset QT_QPA_PLATFORM
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
cleanup() { kill "$first" "$other" 2>/dev/null; kill "$xvfb" 2>/dev/null; rm -rf "$work"; }
first="" other=""
trap cleanup EXIT
sleep 1

window_of() { timeout 10 xdotool search --sync --onlyvisible --name "$1" 2>/dev/null | head -1; }

# First start: the Select Player dialog over the table; OK, then QUIT writes the player.
(cd "$work" && exec ./quaxel) &
first=$!
dialog=$(window_of "^Select Player$")
[ -n "$dialog" ] || fail "no Select Player dialog at first start"
xdotool windowfocus --sync "$dialog" 2>/dev/null
sleep 0.5
xdotool key Return
sleep 1
main=$(window_of "Quaxel\\? - \\[No Name\\]")
[ -n "$main" ] || fail "no main window titled with the player after OK"

# Second start while the first runs.
xmessage -name other "another window" &
other=$!
sleep 1
xdotool search --sync --name other windowfocus 2>/dev/null
before=$(stat -c %Y "$work/Quaxel.ini" 2>/dev/null || echo none)
(cd "$work" && timeout 20 ./quaxel)
code=$?
[ "$code" -eq 255 ] || fail "second start exited with $code, not 255"
focused=""
for try in 1 2 3 4 5 6 7 8 9 10; do
  focused=$(xdotool getwindowfocus getwindowname 2>/dev/null)
  case "$focused" in *Quaxel*) break ;; esac
  sleep 0.3
done
case "$focused" in *Quaxel*) ;; *) fail "the first copy did not come forward (focus: $focused)" ;; esac
after=$(stat -c %Y "$work/Quaxel.ini" 2>/dev/null || echo none)
[ "$before" = "$after" ] || fail "the second start touched the settings file"

# QUIT, clicked: the button sits 10 pixels from the left, 45 from the bottom of the client area,
# under the menu bar.
height=$(xdotool getwindowgeometry "$main" | sed -n 's/.*Geometry: [0-9]*x\([0-9]*\).*/\1/p')
xdotool mousemove --window "$main" 44 $((height - 45 + 17)) click 1
timeout 10 tail --pid="$first" -f /dev/null
grep -q "^LastPlayer=1" "$work/Quaxel.ini" || fail "closing did not save player 1"
grep -q "^Credits=60" "$work/Quaxel.ini" || fail "player 1 was not saved with 60 credits: $(tr -d "\r" < "$work/Quaxel.ini" | tr "\n" " ")"

# A killed copy never blocks the next start.
(cd "$work" && exec ./quaxel) &
first=$!
[ -n "$(window_of "Quaxel\\? - \\[No Name\\]")" ] || fail "no window at the second run"
kill -9 "$first"; wait "$first" 2>/dev/null
(cd "$work" && exec ./quaxel) &
first=$!
[ -n "$(window_of "Quaxel\\? - \\[No Name\\]")" ] || fail "a killed copy blocked the next start"

if [ "$failures" -eq 0 ]; then echo "1 passed, 0 failed"; exit 0; fi
echo "0 passed, 1 failed"
exit 1
