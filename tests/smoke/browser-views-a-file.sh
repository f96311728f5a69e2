#!/usr/bin/env bash
# The real program on a private X server: a double click on a catalog of the
# library opens it in the browser; with the view box ticked, a click on a
# folder and then on a picture shows the picture in the viewer, and Ctrl+H
# turns the viewer to the hex dump. The program then ends cleanly.
set -euo pipefail
build=$1
here=$(cd "$(dirname "$0")/../.." && pwd)
source "$here/scripts/xsession.sh"
new_session "$build"

demo=$work/demo
mkdir -p "$demo/Letters"
convert -size 600x400 gradient:skyblue-navy "$demo/beach.png"
echo "Dear Ann," > "$demo/Letters/ann.txt"
CORVANEDISK_CONSOLE=1 "$build/CorvaneDisk" "-c:$demo" -o:Demo -r -a >/dev/null

# Pixels of one window as the screen shows it.
window_pixels() {
  eval "$(xdotool getwindowgeometry --shell "$1")"
  import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$2"
}

start_program "$build"
xdotool windowfocus --sync "$MAIN_WINDOW"
xdotool key ctrl+l
xdotool mousemove --window "$MAIN_WINDOW" 80 46 click --repeat 2 --delay 80 1 # the library's first row
browser=$(find_window '^CorvaneDisk Browser$' || true)
[[ -n "$browser" ]] || { echo "the browser did not open" >&2; exit 1; }
eval "$(xdotool getwindowgeometry --shell "$browser")"
sleep 1 # the catalog loads on a worker
xdotool mousemove --window "$browser" 14 $((HEIGHT - 22)) click 1 # the view box
xdotool mousemove --window "$browser" 60 28 click 1                # the root folder
sleep 0.5
xdotool mousemove --window "$browser" 260 48 click 1               # its first file, beach.png
viewer=$(find_window '^CorvaneDisk View$' || true)
[[ -n "$viewer" ]] || { echo "the viewer did not open" >&2; exit 1; }
sleep 0.5
window_pixels "$viewer" "$work/picture.png"
xdotool windowfocus --sync "$viewer"
xdotool key ctrl+h
sleep 1
window_pixels "$viewer" "$work/hex.png"
changed=$(compare -metric AE "$work/picture.png" "$work/hex.png" null: 2>&1 || true)
[[ "$changed" =~ ^[0-9]+$ && "$changed" -gt 1000 ]] || { echo "Ctrl+H changed nothing ($changed)" >&2; exit 1; }

xdotool windowfocus --sync "$MAIN_WINDOW"
xdotool key --clearmodifiers alt+F4
wait_exit 15
[[ $EXIT_STATUS -eq 0 ]] || { echo "exit status $EXIT_STATUS" >&2; exit 1; }
echo "catalog browsed, picture viewed, hex dump shown"
