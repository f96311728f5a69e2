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
CORVANEDISK_CONSOLE=1 "$build/CorvaneDisk" "-c:$work/disk" -o:Smoke -r -a >/dev/null
catalog=$CORVANEDISK_HOME/dat/Smoke.dat
[[ -f $catalog ]] || { echo "no catalog made" >&2; exit 1; }

start_program "$build"
xdotool windowfocus --sync "$MAIN_WINDOW"
xdotool key --clearmodifiers ctrl+l
sleep 0.5
# The first row of the library list, just below its header.
xdotool mousemove --window "$MAIN_WINDOW" 80 48 click 3
sleep 0.5
xdotool key Up Return # the menu's last item: Properties
dialog=$(find_window '^CorvaneDisk - Properties$' 10)
[[ -n $dialog ]] || { echo "the properties dialog did not open" >&2; exit 1; }
xdotool windowfocus --sync "$dialog"
xdotool key Tab Tab # name, root chooser, comment
xdotool key ctrl+a
xdotool type --delay 20 "first line"
xdotool key Return
xdotool type --delay 20 "second line"
xdotool key Tab space # on to OK
for ((i = 0; i < 50; i++)); do
  xdotool search --onlyvisible --name '^CorvaneDisk - Properties$' >/dev/null 2>&1 || break
  sleep 0.1
done
line=$(sed -n 11p "$catalog" | tr -d '\r')
expected=$(printf '>Comment first line\001second line')
[[ $line == "$expected" ]] || { echo "line 11 reads: $(printf '%s' "$line" | cat -v)" >&2; exit 1; }
xdotool windowfocus --sync "$MAIN_WINDOW"
xdotool key --clearmodifiers alt+F4
wait_exit 15
[[ $EXIT_STATUS -eq 0 ]] || { echo "exit status $EXIT_STATUS" >&2; exit 1; }
echo "the comment reached line 11"
