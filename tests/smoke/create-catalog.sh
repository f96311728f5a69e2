#!/usr/bin/env bash
# Catalogues a small folder through the real main window as a person would:
# choose the folder in the tree, press Create, type a name, press Enter; the
# catalog must then be in the library.
set -euo pipefail
build=$1
here=$(cd "$(dirname "$0")/../.." && pwd)
source "$here/scripts/xsession.sh"
new_session "$build"
export HOME=$work/user
mkdir -p "$HOME/disk/sub"
echo alpha > "$HOME/disk/a.txt"
echo beta > "$HOME/disk/sub/b.txt"

start_program "$build"
xdotool windowfocus --sync "$MAIN_WINDOW"
sleep 0.5
# The tree starts on the home folder: open it and go down to "disk".
xdotool mousemove --window "$MAIN_WINDOW" 110 26 click 1
xdotool key Right Down
sleep 0.3
xdotool mousemove --window "$MAIN_WINDOW" 237 133 click 1 # Create
dialog=""
for _ in $(seq 100); do
  dialog=$(xdotool search --onlyvisible --name '^CorvaneDisk$' 2>/dev/null | grep -vx "$MAIN_WINDOW" | head -n1 || true)
  [[ -n "$dialog" ]] && break
  sleep 0.1
done
[[ -n "$dialog" ]] || { echo "the save dialog did not appear" >&2; exit 1; }
xdotool windowfocus --sync "$dialog"
xdotool key ctrl+a
xdotool type --delay 20 "Smoke disk"
xdotool key Return
for _ in $(seq 100); do
  [[ -f "$CORVANEDISK_HOME/dat/Smoke disk.dat" ]] && break
  sleep 0.1
done
catalog="$CORVANEDISK_HOME/dat/Smoke disk.dat"
[[ -f "$catalog" ]] || { echo "no catalog written" >&2; ls -la "$CORVANEDISK_HOME/dat" >&2; exit 1; }
grep -aq 'a.txt>0 Kb/' "$catalog" || { echo "the catalog lacks a.txt" >&2; cat "$catalog" >&2; exit 1; }
grep -aq '^>Root Dir .*disk' "$catalog" || { echo "wrong root" >&2; head -6 "$catalog" >&2; exit 1; }
xdotool windowfocus --sync "$MAIN_WINDOW"
xdotool key alt+F4
wait_exit 15
echo "catalogued through the window"
