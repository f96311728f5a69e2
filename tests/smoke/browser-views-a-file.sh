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
catalog_folder "$build" "$demo" Demo -r

# The viewer shows the picture: mostly the sky blue to navy of beach.png,
# where the browser beneath and the hex dump are dark.
shows_picture() {
  local mean
  mean=$(window_pixels "$1" png:- | convert - -format '%[fx:mean.b]' info:) || return 1
  awk -v b="$mean" 'BEGIN { exit !(b > 0.5) }'
}

start_program "$build"
focus "$MAIN_WINDOW"
press_and_wait_change "$MAIN_WINDOW" ctrl+l
xdotool mousemove --window "$MAIN_WINDOW" 80 46 click --repeat 2 --delay 80 1 # the library's first row
browser=$(find_window '^CorvaneDisk Browser$' || true)
[[ -n "$browser" ]] || { echo "the browser did not open" >&2; exit 1; }
eval "$(xdotool getwindowgeometry --shell "$browser")"
# The catalog loads on a worker; its root folder is then drawn in the tree.
wait_for 60 "the catalog's root folder in the browser" drawn "$browser" 60 28
xdotool mousemove --window "$browser" 14 $((HEIGHT - 22)) click 1 # the view box
xdotool mousemove --window "$browser" 60 28 click 1                # the root folder
wait_for 60 "the root folder's files in the browser" drawn "$browser" 260 48
xdotool mousemove --window "$browser" 260 48 click 1               # its first file, beach.png
viewer=$(find_window '^CorvaneDisk View$' || true)
[[ -n "$viewer" ]] || { echo "the viewer did not open" >&2; exit 1; }
wait_for 60 "the picture in the viewer" shows_picture "$viewer"
window_pixels "$viewer" "$work/picture.png"
focus "$viewer"
xdotool key ctrl+h
wait_for 60 "Ctrl+H to change the viewer" differs "$viewer" "$work/picture.png" 1000

focus "$MAIN_WINDOW"
xdotool key --clearmodifiers alt+F4
wait_exit
[[ $EXIT_STATUS -eq 0 ]] || { echo "exit status $EXIT_STATUS" >&2; exit 1; }
echo "catalog browsed, picture viewed, hex dump shown"
