#!/usr/bin/env bash
# The real program on a private X server: on the LIB layer a right click on a
# catalog opens its menu, Properties opens the dialog, a comment of two lines
# typed there and OK reach line 11 of the catalog file.
set -euo pipefail
build=$1
here=$(cd "$(dirname "$0")/../.." && pwd)
source "$here/scripts/xsession.sh"
new_session "$build"
mkdir -p "$work/disk/sub"
echo "alpha" > "$work/disk/a.txt"
echo "beta" > "$work/disk/sub/b.txt"
catalog_folder "$build" "$work/disk" Smoke -r

start_program "$build"
focus "$MAIN_WINDOW"
press_and_wait_change "$MAIN_WINDOW" ctrl+l
# The first row of the library list, just below its header.
xdotool mousemove --window "$MAIN_WINDOW" 80 48 click 3
new_window "$MAIN_WINDOW" >/dev/null || { echo "the catalog's menu did not open" >&2; exit 1; }
xdotool key Up Return # the menu's last item: Properties
dialog=$(find_window '^CorvaneDisk - Properties$')
[[ -n $dialog ]] || { echo "the properties dialog did not open" >&2; exit 1; }
focus "$dialog"
xdotool key Tab Tab # name, root chooser, comment
xdotool key ctrl+a
xdotool type --delay 20 "first line"
xdotool key Return
xdotool type --delay 20 "second line"
xdotool key Tab space # on to OK
# OK writes the catalog before the dialog goes.
wait_for 60 "the properties dialog to close" gone "$dialog" || exit 1
line=$(sed -n 11p "$catalog" | tr -d '\r')
expected=$(printf '>Comment first line\001second line')
[[ $line == "$expected" ]] || { echo "line 11 reads: $(printf '%s' "$line" | cat -v)" >&2; exit 1; }
focus "$MAIN_WINDOW"
xdotool key --clearmodifiers alt+F4
wait_exit
[[ $EXIT_STATUS -eq 0 ]] || { echo "exit status $EXIT_STATUS" >&2; exit 1; }
echo "the comment reached line 11"
