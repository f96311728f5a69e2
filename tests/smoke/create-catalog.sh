#!/usr/bin/env bash
# Catalogues a small folder through the real main window as a person would:
# choose the folder in the tree, press Create, type a name, press Enter; the
# catalog must then be in the library.
set -euo pipefail
build=$1
here=$(cd "$(dirname "$0")/../.." && pwd)
source "$here/scripts/xsession.sh"
new_session "$build"
mkdir -p "$HOME/disk/sub"
echo alpha > "$HOME/disk/a.txt"
echo beta > "$HOME/disk/sub/b.txt"

# The colour of one pixel of a window as the screen shows it.
pixel() {
  local WINDOW X Y WIDTH HEIGHT SCREEN
  eval "$(xdotool getwindowgeometry --shell "$1")" || return 1
  import -window root -crop "1x1+$((X + $2))+$((Y + $3))" +repage png:- | convert - -format '%[pixel:p{0,0}]' info:
}
# Home opened, the tree's rows are home, "disk" and "/": the second one is
# chosen when the first looks like the third there (beside their names) and
# the second does not.
second_row_chosen() {
  local home disk root
  home=$(pixel "$MAIN_WINDOW" 150 26) && disk=$(pixel "$MAIN_WINDOW" 150 44) &&
    root=$(pixel "$MAIN_WINDOW" 150 62) || return 1
  [[ $home == "$root" && $disk != "$root" ]]
}

start_program "$build"
focus "$MAIN_WINDOW"
# The tree starts on the home folder, chosen: open it and go down to "disk".
wait_for 60 "the home folder in the tree" drawn "$MAIN_WINDOW" 110 26
xdotool mousemove --window "$MAIN_WINDOW" 110 26 click 1
xdotool key Right Down
wait_for 60 "the folder below home to be chosen" second_row_chosen
xdotool mousemove --window "$MAIN_WINDOW" 237 133 click 1 # Create
dialog=$(other_window) || { echo "the save dialog did not appear" >&2; exit 1; }
focus "$dialog"
xdotool key ctrl+a
xdotool type --delay 20 "Smoke disk"
xdotool key Return
catalog="$CORVANEDISK_HOME/dat/Smoke disk.dat"
wait_for 60 "the catalog to be written" test -f "$catalog" || { ls -la "$CORVANEDISK_HOME/dat" >&2; exit 1; }
grep -aq 'a.txt>0 Kb/' "$catalog" || { echo "the catalog lacks a.txt" >&2; cat "$catalog" >&2; exit 1; }
grep -aq '^>Root Dir .*disk' "$catalog" || { echo "wrong root" >&2; head -6 "$catalog" >&2; exit 1; }
focus "$MAIN_WINDOW"
xdotool key alt+F4
wait_exit
echo "catalogued through the window"
