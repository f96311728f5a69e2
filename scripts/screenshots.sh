#!/usr/bin/env bash
# Pictures of every window and state, for a person to judge: starts the real
# program on a private X server with a fresh home and a small demo library,
# drives it with xdotool as a person would and writes one PNG per state.
# Usage: scripts/screenshots.sh OUTDIR [BUILD]   (BUILD defaults to build/)
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
out=$(mkdir -p "$1" && cd "$1" && pwd)
build=$(cd "${2:-$here/build}" && pwd)
[[ -x "$build/CorvaneDisk" ]] || { echo "no program in $build: run ./run.sh -h first" >&2; exit 1; }
[[ -n "${SCREENSHOTS_INNER:-}" ]] || exec env SCREENSHOTS_INNER=1 xvfb-run -a -s "-screen 0 1024x640x24" "$0" "$out" "$build"

work=$(mktemp -d)
trap 'kill "${PROGRAM_PID:-0}" 2>/dev/null; rm -rf "$work"' EXIT
source "$here/scripts/xsession.sh"
prepare_home "$work" "$build"

# The demo library: three catalogs made by the program's batch mode.
demo=$work/demo
mkdir -p "$demo/Photos/2004 Holiday" "$demo/Documents/Letters" "$demo/Music"
for i in 1 2 3; do head -c $((i * 70000)) /dev/urandom > "$demo/Photos/2004 Holiday/beach$i.jpg"; done
convert -size 800x600 gradient:skyblue-navy -fill khaki -draw "rectangle 0,420 800,600" "$demo/Photos/2004 Holiday/beach1.jpg"
printf 'Dear Ann,\n\nthe photos of the holiday are on the disk, in "2004 Holiday".\n' > "$demo/Documents/Letters/ann.txt"
printf '<html><head><title>Family recipes</title></head></html>' > "$demo/Documents/recipes.html"
(cd "$demo/Documents" && zip -q -z letters.zip Letters/ann.txt <<< "Letters of 2004")
head -c 300000 /dev/urandom > "$demo/Music/track01.ogg"
CORVANEDISK_CONSOLE=1 "$build/CorvaneDisk" "-c:$demo" -o:Demo -r -z -m -a >/dev/null
CORVANEDISK_CONSOLE=1 "$build/CorvaneDisk" "-c:$demo/Photos" "-o:Holiday photos" -r -a >/dev/null
CORVANEDISK_CONSOLE=1 "$build/CorvaneDisk" "-c:$demo/Music" -o:Music -a >/dev/null
unset CORVANEDISK_CONSOLE

# A picture of what the screen shows, trimmed to the windows.
snap() {
  sleep 0.4
  import -window root "$work/screen.png"
  convert "$work/screen.png" -trim +repage "$out/$1.png"
  echo "$out/$1.png"
}
click_at() { # window-relative pixels
  xdotool mousemove --window "$MAIN_WINDOW" "$1" "$2" click 1
}

# The default skin's bitmaps, enlarged on one sheet.
"$build/tools/skintool" sheet "$out/skin-bitmaps.png" && echo "$out/skin-bitmaps.png"

start_program "$build"
xdotool windowfocus --sync "$MAIN_WINDOW"
snap main-cat
click_at 10 5 # the program icon opens the main menu
snap main-menu
xdotool key Escape
xdotool key ctrl+f
snap main-find
xdotool key ctrl+l
snap main-lib

# The browser and the viewer: the library's first catalog, Demo, opened by a
# double click on its row.
snap_window() { # a picture of one window
  sleep 0.4
  eval "$(xdotool getwindowgeometry --shell "$1")"
  import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$out/$2.png"
  echo "$out/$2.png"
}
xdotool mousemove --window "$MAIN_WINDOW" 80 46 click --repeat 2 --delay 80 1
browser=$(timeout 10 xdotool search --sync --onlyvisible --name '^CorvaneDisk Browser$' | head -n1 || true)
if [[ -n "$browser" ]]; then
  sleep 1
  xdotool windowmove --sync "$browser" 0 100
  eval "$(xdotool getwindowgeometry --shell "$browser")"
  xdotool windowfocus --sync "$browser"
  xdotool mousemove --window "$browser" 60 28 click 1 # the root
  xdotool key Right Down                              # Documents
  snap_window "$browser" browser
  xdotool mousemove --window "$browser" 14 $((HEIGHT - 22)) click 1 # the view box
  xdotool mousemove --window "$browser" 60 28 click 1 # the root
  xdotool key Down Down Down Right Down               # Photos, 2004 Holiday
  xdotool mousemove --window "$browser" 260 48 click 1 # beach1.jpg
  viewer=$(timeout 10 xdotool search --sync --onlyvisible --name '^CorvaneDisk View$' | head -n1)
  xdotool windowmove --sync "$viewer" $((WIDTH + 10)) 100
  snap_window "$viewer" viewer-picture
  xdotool windowfocus --sync "$viewer"
  xdotool key ctrl+h
  snap_window "$viewer" viewer-hex
  xdotool windowfocus --sync "$browser"
  xdotool mousemove --window "$browser" 60 28 click 1 # the root
  xdotool key Down Right Down                         # Documents, Letters
  xdotool mousemove --window "$browser" 260 48 click 1 # ann.txt
  snap_window "$viewer" viewer-text
  xdotool key Escape
  xdotool windowfocus --sync "$MAIN_WINDOW"
else
  echo "no browser: the library's Open is not wired yet" >&2
fi
xdotool key ctrl+s
xdotool key alt+F4
wait_exit 15
