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
[[ -n "${SCREENSHOTS_INNER:-}" ]] || exec env SCREENSHOTS_INNER=1 "$here/scripts/with-xvfb.sh" -s "-screen 0 1024x640x24" "$0" "$out" "$build"

source "$here/scripts/xsession.sh"
new_session "$build"

# The demo library: three catalogs made by the program's batch mode.
demo=$HOME/demo
mkdir -p "$demo/Photos/2004 Holiday" "$demo/Documents/Letters" "$demo/Music"
for i in 1 2 3; do head -c $((i * 70000)) /dev/urandom > "$demo/Photos/2004 Holiday/beach$i.jpg"; done
convert -size 800x600 gradient:skyblue-navy -fill khaki -draw "rectangle 0,420 800,600" "$demo/Photos/2004 Holiday/beach1.jpg"
printf 'Dear Ann,\n\nthe photos of the holiday are on the disk, in "2004 Holiday".\n' > "$demo/Documents/Letters/ann.txt"
printf '<html><head><title>Family recipes</title></head></html>' > "$demo/Documents/recipes.html"
(cd "$demo/Documents" && zip -q -z letters.zip Letters/ann.txt <<< "Letters of 2004")
head -c 300000 /dev/urandom > "$demo/Music/track01.ogg"
# Demo is made last, a second after the others, so that the date sort below
# always puts it first and every run opens the same catalog.
catalog_folder "$build" "$demo/Photos" "Holiday photos" -r
catalog_folder "$build" "$demo/Music" Music
sleep 1.1
catalog_folder "$build" "$demo" Demo -r -z -m
unset CORVANEDISK_CONSOLE

# A picture of what the screen shows, trimmed to the windows.
snap() {
  sleep 0.4
  import -window root "$work/screen.png"
  convert "$work/screen.png" -trim +repage "$out/$1.png"
  echo "$out/$1.png"
}
snap_window() { # a picture of one window, optionally enlarged: WINDOW NAME [PERCENT]
  sleep 0.4
  eval "$(xdotool getwindowgeometry --shell "$1")"
  import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$work/window.png"
  convert "$work/window.png" -scale "${3:-100}%" "$out/$2.png"
  echo "$out/$2.png"
}
close_by_escape() { # presses Escape in a window until it is gone (5 s at most)
  local i
  for ((i = 0; i < 10; i++)); do
    xdotool windowfocus --sync "$1" 2>/dev/null && xdotool key --window "$1" Escape 2>/dev/null || return 0
    sleep 0.5
    xdotool getwindowname "$1" >/dev/null 2>&1 && [[ -n "$(xdotool search --onlyvisible --name . 2>/dev/null | grep -x "$1")" ]] || return 0
  done
  echo "window $1 did not close on Escape" >&2
}
click_at() { # window-relative pixels
  xdotool mousemove --window "$MAIN_WINDOW" "$1" "$2" click 1
}

# The default skin's bitmaps, enlarged on one sheet.
"$build/tools/skintool" sheet "$out/skin-bitmaps.png" && echo "$out/skin-bitmaps.png"

start_program "$build"
xdotool windowfocus --sync "$MAIN_WINDOW"
snap main-cat
# Tab walks over the CAT layer's controls; the skinned ones show where it is.
for i in 1 2 3 4 5 6 7 8 9 10 11; do
  xdotool key Tab
  snap_window "$MAIN_WINDOW" "$(printf 'focus-cat-%02d' "$i")" 200
done
click_at 60 27 # the focus back to the folder tree
click_at 10 5 # the program icon opens the main menu
snap main-menu
xdotool key Escape
xdotool key ctrl+f
snap main-find
# A search of the whole library, its results, their two menus.
xdotool type --delay 20 'beach letters'
click_at 303 35 # Search
results=$(other_window 10)
sleep 0.5
snap results
xdotool mousemove --window "$results" 60 52 click 3 # a found file: the desktop's menu
snap results-desktop-menu
xdotool key Escape
xdotool mousemove --window "$results" 60 52 keydown shift click 3 keyup shift # the window's own menu
snap results-menu
xdotool key Escape
xdotool key --window "$results" Escape # hides the results window
xdotool windowfocus --sync "$MAIN_WINDOW"
xdotool key ctrl+l
snap main-lib
click_at 200 26 # the Date header: newest first, with its arrow
snap main-lib-sorted
xdotool mousemove --window "$MAIN_WINDOW" 80 48 click 3 # the library menu of the first catalog
snap lib-menu
xdotool key Up Return # its Properties
properties=$(find_window '^CorvaneDisk - Properties$' 10)
snap lib-properties
eval "$(xdotool getwindowgeometry --shell "$properties")"
xdotool mousemove --window "$properties" $((WIDTH - 137)) $((HEIGHT - 23)) click 1 # Cancel
sleep 0.5

# The browser and the viewer: the library's first catalog, Demo, opened by a
# double click on its row.
sleep 0.5
xdotool windowfocus --sync "$MAIN_WINDOW"
xdotool mousemove --window "$MAIN_WINDOW" 80 46 click --repeat 2 --delay 80 1
browser=$(find_window '^CorvaneDisk Browser$' 10 || true)
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
  viewer=$(find_window '^CorvaneDisk View$' 10)
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
  xdotool mousemove --window "$viewer" 120 80 click 3 # the viewer's menu
  snap viewer-menu
  xdotool key Escape
  close_by_escape "$viewer"
  close_by_escape "$browser"
  xdotool windowfocus --sync "$MAIN_WINDOW"
else
  echo "the browser did not open: no pictures of it and of the viewer" >&2
fi
xdotool key ctrl+s

# A long scan (the whole file system, archives listed) shows its progress.
click_at 60 45   # the tree's second root: "/"
click_at 215 54  # Include subfolders
click_at 215 70  # List archive contents
click_at 237 133 # Create
sleep 1.5
snap scan-running
click_at 298 133 # Stop
sleep 2
# A small one ends in the save dialog.
click_at 60 27   # the home folder
xdotool key Right Down
click_at 237 133
for _ in $(seq 100); do
  dialog=$(xdotool search --onlyvisible --name '^CorvaneDisk$' 2>/dev/null | grep -vx "$MAIN_WINDOW" | head -n1 || true)
  [[ -n "$dialog" ]] && break
  sleep 0.1
done
xdotool windowfocus --sync "$dialog"
xdotool type --delay 20 "Demo again"
snap save-dialog
xdotool key Return
sleep 0.5
snap main-after-scan

# The options dialog, every page: the tree takes the arrow keys.
xdotool windowfocus --sync "$MAIN_WINDOW"
xdotool key F5
OPTIONS=$(find_window '^Options$' 10)
snap options-setup
for page in display filetypes language report font skins; do
  xdotool key Down
  snap "options-$page"
done
# The main window in the fixture language, chosen on the Language page.
cp "$here/tests/fixtures/language/CorD_deu.lng" "$CORVANEDISK_HOME/language/"
# The list is read when the dialog opens: close it and open it anew.
eval "$(xdotool getwindowgeometry --shell "$OPTIONS")"
xdotool mousemove --window "$OPTIONS" $((WIDTH - 49)) $((HEIGHT - 20)) click 1 # OK
xdotool windowfocus --sync "$MAIN_WINDOW"
xdotool key F5
OPTIONS=$(find_window '^Options$' 10)
xdotool key Down Down Down
xdotool mousemove --window "$OPTIONS" 240 37 click 1 # the first language: Deutsch
snap options-language-deu
xdotool mousemove --window "$OPTIONS" $((WIDTH - 49)) $((HEIGHT - 20)) click 1
xdotool windowfocus --sync "$MAIN_WINDOW"
snap main-cat-deu
xdotool key ctrl+f
snap main-find-deu
xdotool key ctrl+s

# The about box's three tabs.
xdotool key ctrl+a
ABOUT=$(find_window '^CorvaneDisk 2' 10)
snap about-about
for tab in 240:support 380:thanks; do
  xdotool mousemove --window "$ABOUT" "${tab%%:*}" 14 click 1
  snap "about-${tab#*:}"
done
xdotool key Return
xdotool windowfocus --sync "$MAIN_WINDOW"
xdotool key alt+F4
wait_exit 15

# Without any skin package: the plain look of the layer tabs and title buttons.
rm -f "$CORVANEDISK_HOME"/skin/*.zip
start_program "$build"
xdotool windowfocus --sync "$MAIN_WINDOW"
snap_window "$MAIN_WINDOW" plain-cat 200
xdotool key ctrl+f
snap_window "$MAIN_WINDOW" plain-find 200
xdotool key ctrl+l
snap_window "$MAIN_WINDOW" plain-lib 200
xdotool mousemove --window "$MAIN_WINDOW" 80 46 click --repeat 2 --delay 80 1
if browser=$(find_window '^CorvaneDisk Browser$' 10); then
  snap_window "$browser" plain-browser
  xdotool key --window "$browser" Escape
fi
xdotool windowfocus --sync "$MAIN_WINDOW"
xdotool key alt+F4
wait_exit 15

# No tray host runs here: the tray menu as its test draws it.
if [[ -x "$build/mainwindow_tests" ]]; then
  CORVANE_SHOT="$out/tray-menu.png" QT_QPA_PLATFORM=offscreen "$build/mainwindow_tests" \
    --gtest_filter=TrayIconMenuTest.TheShortMenuShowsItsSideBarCaptionWhole >/dev/null && echo "$out/tray-menu.png"
fi
