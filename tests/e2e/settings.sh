#!/usr/bin/env bash
# The settings file as the program meets it on disk: read once at the start whatever its line ends,
# byte-order mark or size; saved in one step that keeps the lines it does not own, its mode and its
# symbolic link; never written when it cannot be read or written.
. "$(dirname "$0")/lib.sh"
umask 022 # a save that forgot the mode would leave 0644

# A new file (no link, mode 0644) with Ann in play and no Hint line, so that any save changes it
# (it adds Hint=0).
prepare() { rm -f "$ini" && write_ini "$@" && sed -i '/^Hint=/d' "$ini"; }
saved() { grep -qx 'Hint=0' "$ini"; }
# Starts the program; `main` is the table once its title matches.
run() { start_app; main=$(window "$1" "${2:-10}"); }
ok_dialog() { # OK on the first-start dialog (Enter in player 1's name)
  local dialog
  dialog=$(window '^Select Player$' 5)
  [ -n "$dialog" ] && xdotool windowactivate --sync "$dialog" key Return && sleep 0.5
}
quit() { [ -n "$main" ] && press quit "$main"; wait_exit; }
unchanged() { cmp -s "$ini" "$work/copy"; }

# A file the program may not read: the defaults are played, the save after OK leaves it alone and
# one line on standard error says why.
prepare 'User Name=Alice' Credits=777
printf '%s\n' "[Player 2]" "User Name=Bob" "Credits=222" >>"$ini"
cp "$ini" "$work/copy" && chmod 0000 "$ini" && : >"$work/stderr"
run '^Quaxel\? - '
ok_dialog
quit
chmod 0600 "$ini"
check "a file of mode 0000 is not written" unchanged
same "mode 0000: exit status / lines on standard error naming the file" \
  "$status/$(grep -c 'Quaxel\.ini' "$work/stderr")" "0/1"

# Byte-order mark and CR-only line ends: the player is found at once, and the save keeps one
# [Common Info] section, the credits, and lines ended with LF.
for form in bom cr; do
  prepare Credits=777
  [ $form = bom ] && sed -i '1s/^/\xEF\xBB\xBF/' "$ini"
  [ $form = cr ] && tr '\n' '\r' <"$ini" >"$work/cr" && mv "$work/cr" "$ini"
  run '^Quaxel\? - \[Ann\]$'
  check "$form: no Select Player dialog at the start" test -z "$(window '^Select Player$' 1)"
  quit
  same "$form: exit status / credits / [Common Info] lines / lines with CR / lines after QUIT" \
    "$status/$(ini_value Credits)/$(grep -c 'Common Info' "$ini")/$(grep -c $'\r' "$ini")/$(
      wc -l <"$ini")" "0/777/1/0/12"
done

# A damaged LastPlayer opens the first-start dialog; OK keeps player 1's credits.
prepare LastPlayer=7 Credits=777
run '^Quaxel\? - '
check "LastPlayer=7: the Select Player dialog opens" ok_dialog
quit
same "LastPlayer=7, then OK and QUIT: exit status / saved player / credits" \
  "$status/$(ini_value LastPlayer)/$(ini_value Credits)" "0/1/777"

# A symbolic link is followed: the target is replaced and keeps its mode (0640), the link stays.
prepare
mv "$ini" "$work/real.ini" && chmod 0640 "$work/real.ini" && ln -s ../real.ini "$ini"
run '^Quaxel\? - \[Ann\]$'
quit
check "the target of a linked settings file is saved" grep -qx 'Hint=0' "$work/real.ini"
check "the settings file is still a symbolic link" test -L "$ini"
same "mode of the link's target after the save" "$(stat -c %a "$work/real.ini")" 640

# A read-only file (0444) is not written; QUIT still ends the program normally.
prepare
cp "$ini" "$work/copy" && chmod 0444 "$ini"
run '^Quaxel\? - \[Ann\]$'
quit
check "a file of mode 0444 is not written" unchanged
same "mode 0444: exit status / mode" "$status/$(stat -c %a "$ini")" "0/444"

# A termination signal during a game saves the credits of the meter, and the file keeps mode 0600.
prepare Credits=777
chmod 0600 "$ini"
run '^Quaxel\? - \[Ann\]$'
press bet "$main"
kill -TERM "$app"
wait_exit
same "SIGTERM after 1 BET: exit status / saved credits / mode" \
  "$status/$(ini_value Credits)/$(stat -c %a "$ini")" "0/776/600"

# What the program does not own survives a save line for line: a comment, unknown keys, another
# section, and a hand-edited player 3 whose lines a rewrite would change (spaces, 0333, no Sound).
prepare
kept=("; written by hand" "Theme = dark " "Volume=11" "[Window]" "Maximized=1" "[Player 3]"
  "User Name = Carol" "Credits=0333")
sed -i '/^\[Player 1\]/i ; written by hand\nTheme = dark \nVolume=11' "$ini"
printf '%s\n' "${kept[@]:3}" >>"$ini"
run '^Quaxel\? - \[Ann\]$'
quit
check "the save happened" saved
same "lines kept by the save, in order" "$(grep -Fx -f <(printf '%s\n' "${kept[@]}") "$ini")" \
  "$(printf '%s\n' "${kept[@]}")"
same "the lines of [Player 3] after the save" "$(sed -n '/^\[Player 3\]/,$p' "$ini" | tail -n +2)" \
  "$(printf '%s\n' "${kept[@]:6}")"

# One run reads the file once and saves it with one rename of a freshly created temporary file;
# a temporary file a killed save left is removed at the start, other files are not.
prepare
touch "$app_dir/.Quaxel.ini.tmp-abc123" "$app_dir/Quaxel.ini.bak"
(cd "$app_dir" && exec strace -f -qq -e trace=openat,rename,renameat,renameat2 \
  -o "$work/trace" ./quaxel) 2>>"$work/stderr" &
app=$!
main=$(window '^Quaxel\? - \[Ann\]$' 20)
same "files beside the settings after the start" "$(cd "$app_dir" && LC_ALL=C ls -A)" \
  "$(printf '%s\n' Quaxel.ini Quaxel.ini.bak quaxel)"
quit
check "the traced run saved" saved
renames=$(grep -E 'rename(at2?)?\(.*Quaxel\.ini"' "$work/trace")
temp=$(grep -oE '\.Quaxel\.ini\.tmp-[A-Za-z0-9]{6}' <<<"$renames" | head -1)
same "opens of the settings file (at most 2) / renames onto it / temporary file made with O_EXCL" \
  "$(($(grep -E 'openat\(.*Quaxel\.ini"' "$work/trace" | grep -vc 'Quaxel\.ini\.tmp-') <= 2))/$(
    grep -c . <<<"$renames")/$(grep -F "${temp:-none}\"" "$work/trace" | grep -c 'O_CREAT|O_EXCL')" "1/1/1"

# kill -9 at any moment of a save (the QUIT click, then 0 to 30 ms): the file is the old one or
# the new one, whole, and the next start leaves no temporary file behind.
prepare
cp "$ini" "$work/copy"
run '^Quaxel\? - \[Ann\]$'
quit
cp "$ini" "$work/new" # what a whole save writes
whole=0
for delay in 0 0.002 0.004 0.006 0.008 0.01 0.015 0.02 0.03; do
  cp "$work/copy" "$ini"
  run '^Quaxel\? - \[Ann\]$'
  tap quit "$main"
  sleep "$delay"
  kill -9 "$app" 2>/dev/null
  wait "$app" 2>/dev/null
  if unchanged || cmp -s "$ini" "$work/new"; then whole=$((whole + 1)); fi
done
same "saves killed at 9 moments leaving the old file or the new one whole" "$whole" 9
run '^Quaxel\? - \[Ann\]$'
quit
same "temporary files after the next start" "$(cd "$app_dir" && ls -A | grep -c '\.tmp-')" 0

# A 10 MB file is no settings file: the table opens within 5 s and the file is never written.
prepare
yes 'junk=0123456789abcdefghijklmnopqrstuvwxyz0123456789abcdefghijklmnopqrstuvwxyz' |
  head -c 10M >>"$ini"
cp "$ini" "$work/copy"
run '^Quaxel\? - ' 5
check "a 10 MB settings file: the table opens within 5 s" test -n "$main"
ok_dialog
quit
check "a 10 MB settings file is not written" unchanged
same "10 MB file: exit status" "$status" 0

finish
