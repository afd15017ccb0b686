#!/usr/bin/env bash
# The settings file as the real program meets it beside itself (the players' file tests hold the
# rules of its content): one that cannot be read is played on the defaults, named once on standard
# error and never written; otherwise it is read once at the start and saved by one rename of a
# freshly created temporary file, which keeps the lines the program does not own; a temporary file
# a killed save left is removed at the start, other files are not.
. "$(dirname "$0")/lib.sh"

# A new file with Ann in play and no Hint line, so that any save changes it (it adds Hint=0).
prepare() { rm -f "$ini" && write_ini "$@" && sed -i '/^Hint=/d' "$ini"; }

# A file the program may not read: OK in the first-start dialog (Enter in player 1's name), QUIT.
prepare 'User Name=Alice' Credits=777
cp "$ini" "$work/copy" && chmod 0000 "$ini" && : >"$work/stderr"
open_table '^Quaxel\? - '
dialog=$(window '^Select Player$' 5)
check "an unreadable file: the Select Player dialog opens" test -n "$dialog"
[ -n "$dialog" ] && xdotool windowactivate --sync "$dialog" key Return && sleep 0.5
quit
chmod 0600 "$ini"
check "a file of mode 0000 is not written" cmp -s "$ini" "$work/copy"
same "mode 0000: exit status / lines on standard error naming the file" \
  "$status/$(grep -c 'Quaxel\.ini' "$work/stderr")" "0/1"

# What the program does not own survives a save line for line: a comment, unknown keys, another
# section, and a hand-edited player 3 whose lines a rewrite would change (spaces, 0333, no Sound).
prepare
kept=("; written by hand" "Theme = dark " "Volume=11" "[Window]" "Maximized=1" "[Player 3]"
  "User Name = Carol" "Credits=0333")
sed -i '/^\[Player 1\]/i ; written by hand\nTheme = dark \nVolume=11' "$ini"
printf '%s\n' "${kept[@]:3}" >>"$ini"
touch "$app_dir/.Quaxel.ini.tmp-abc123" "$app_dir/Quaxel.ini.bak"
start_app strace -f -qq -e trace=openat,rename,renameat,renameat2 -o "$work/trace"
main=$(window '^Quaxel\? - \[Ann\]$' 20)
same "files beside the settings after the start" "$(cd "$app_dir" && LC_ALL=C ls -A)" \
  "$(printf '%s\n' Quaxel.ini Quaxel.ini.bak quaxel)"
quit
check "the traced run saved" grep -qx 'Hint=0' "$ini"
same "lines kept by the save, in order" "$(grep -Fx -f <(printf '%s\n' "${kept[@]}") "$ini")" \
  "$(printf '%s\n' "${kept[@]}")"
same "the lines of [Player 3] after the save" "$(sed -n '/^\[Player 3\]/,$p' "$ini" | tail -n +2)" \
  "$(printf '%s\n' "${kept[@]:6}")"
renames=$(grep -E 'rename(at2?)?\(.*Quaxel\.ini"' "$work/trace")
temp=$(grep -oE '\.Quaxel\.ini\.tmp-[A-Za-z0-9]{6}' <<<"$renames" | head -1)
same "opens of the settings file (at most 2) / renames onto it / temporary file made with O_EXCL" \
  "$(($(grep -E 'openat\(.*Quaxel\.ini"' "$work/trace" | grep -vc 'Quaxel\.ini\.tmp-') <= 2))/$(
    grep -c . <<<"$renames")/$(grep -F "${temp:-none}\"" "$work/trace" | grep -c 'O_CREAT|O_EXCL')" "1/1/1"

finish
