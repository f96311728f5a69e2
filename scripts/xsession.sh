# Helpers for driving the real program on a private X server (sourced by the
# smoke tests and scripts/screenshots.sh; run inside scripts/with-xvfb.sh).
# A loaded machine may take many seconds for any step: every wait is for a
# sign that the step happened, with a deadline far beyond a normal run.
#   new_session BUILD        a fresh folder $work (removed at the end, the program
#                            killed if still running) holding the program's home
#   prepare_home DIR BUILD   a fresh program home with the built skin and language
#   catalog_folder BUILD FOLDER NAME [OPTION...]
#                            the batch mode catalogs FOLDER as NAME; sets catalog
#                            to the file written, fails when there is none
#   execed PID               the child started with & runs its program, not the shell
#   wait_for SECONDS WHAT COMMAND...
#                            runs COMMAND until it succeeds; fails naming WHAT
#   find_window PATTERN [S]  the first shown window whose name matches, waited for
#   start_program BUILD      starts the program, sets PROGRAM_PID and MAIN_WINDOW
#   wait_exit [SECONDS]      waits for the program, sets EXIT_STATUS
#   other_window [SECONDS]   waits for a second visible window titled CorvaneDisk
#                            (the results window, the browser...) and prints its id
#   new_window KNOWN...      a shown window of the program's that is none of KNOWN
#   gone WINDOW              true once the window is no longer shown
#   focus WINDOW             gives the window the focus, waited for
#   window_pixels WINDOW FILE
#                            a PNG of the window as the screen shows it
#   drawn WINDOW [X Y]       something is drawn in the window (around X,Y: a strip
#                            of 100x10 pixels, where a row's text would be)
#   differs WINDOW FILE N    more than N pixels of the window differ from FILE
#   still WINDOW FILE        the window is drawn and its picture in FILE is alike
#                            to the one taken before (a first call only takes it)
#   press_and_wait_change WINDOW KEY...
#                            presses keys in the focused window once it is drawn,
#                            then waits until it shows something else (a layer,
#                            a page)
#   results_listed WINDOW N  the results window lists N rows or more, its search
#                            ended
#   start_tray_host          a notification area (trayer) for the tray icon
#   tray_icon_docked         the program's tray icon sits in that area
#   shot FILE                a PNG of the whole screen
#   picture NAME             with SHOTS set to a folder: once the screen holds
#                            still, a PNG of it there as NAME.png (its path printed)
#   fail TEXT                says TEXT and ends the run as failed

new_session() {
  work=$(mktemp -d)
  trap end_session EXIT
  prepare_home "$work" "$1"
}

# Only the run's own children: "kill 0" (an unset PID) would stop the whole
# process group, ctest and the tests beside this one with it.
end_session() {
  local pid
  for pid in "${PROGRAM_PID:-}" "${TRAY_PID:-}"; do
    [[ -n $pid ]] || continue
    # Before its exec a child may swallow the TERM: send it once it runs.
    wait_for 5 "child $pid to run its program" execed "$pid" || true
    kill "$pid" 2>/dev/null || true
  done
  rm -rf "$work"
}

# A child started with & is this shell until its exec, and holds signals back
# or swallows them meanwhile; true once it runs its own program (or is gone).
execed() { [[ $(readlink "/proc/$1/exe" 2>/dev/null) != "$(readlink /proc/$$/exe)" ]]; }

# Nothing of one run reaches another that runs at the same time: the home,
# the settings and Qt's runtime folder are the run's own.
prepare_home() {
  local home=$1 build=$2
  mkdir -p "$home/program" "$home/config" "$home/user" "$home/runtime"
  chmod 700 "$home/runtime"
  cp -r "$build/skin" "$build/language" "$home/program/" 2>/dev/null || true
  export CORVANEDISK_HOME=$home/program XDG_CONFIG_HOME=$home/config HOME=$home/user XDG_RUNTIME_DIR=$home/runtime
  unset CORVANEDISK_CONSOLE
}

catalog_folder() {
  local build=$1 folder=$2 name=$3
  shift 3
  CORVANEDISK_CONSOLE=1 "$build/CorvaneDisk" "-c:$folder" "-o:$name" "$@" -a >/dev/null
  catalog=$CORVANEDISK_HOME/dat/$name.dat
  [[ -f $catalog ]] || fail "no catalog made"
}

wait_for() {
  local seconds=$1 what=$2
  local deadline=$((SECONDS + seconds))
  shift 2
  until "$@"; do
    ((SECONDS < deadline)) || { echo "waited $seconds s in vain for $what" >&2; return 1; }
    sleep 0.1
  done
}

# Polls rather than "search --sync": a window that goes away while xdotool
# looks at it (a wait window) makes one search fail, not the next.
shown_named() {
  local found
  found=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n1 || true)
  [[ -n $found ]] && echo "$found"
}

find_window() {
  wait_for "${2:-60}" "a window named $1" shown_named "$1"
}

start_program() {
  local build=$1
  "$build/CorvaneDisk" &
  PROGRAM_PID=$!
  MAIN_WINDOW=$(find_window '^CorvaneDisk$' || true)
  [[ -n "$MAIN_WINDOW" ]] || { echo "no main window appeared" >&2; return 1; }
}

ended() { ! kill -0 "$PROGRAM_PID" 2>/dev/null; }

wait_exit() {
  local seconds=${1:-60}
  if ! wait_for "$seconds" "the program to end" ended; then
    kill -9 "$PROGRAM_PID" 2>/dev/null
    return 1
  fi
  wait "$PROGRAM_PID" && EXIT_STATUS=0 || EXIT_STATUS=$?
}

second_main() {
  local w
  for w in $(xdotool search --onlyvisible --name '^CorvaneDisk$' 2>/dev/null); do
    [[ $w != "$MAIN_WINDOW" ]] && { echo "$w"; return 0; }
  done
  return 1
}

other_window() {
  wait_for "${1:-60}" "a second window titled CorvaneDisk" second_main
}

# The menus have no name to search for; all the program's windows share its class.
unknown_window() {
  local w known=" $* "
  for w in $(xdotool search --onlyvisible --class '^CorvaneDisk$' 2>/dev/null); do
    [[ $known == *" $w "* ]] || { echo "$w"; return 0; }
  done
  return 1
}

new_window() {
  wait_for 60 "a new window" unknown_window "$@"
}

gone() {
  ! xdotool search --onlyvisible --class '^CorvaneDisk$' 2>/dev/null | grep -qx "$1"
}

focus() {
  timeout 60 xdotool windowfocus --sync "$1" || { echo "window $1 did not take the focus" >&2; return 1; }
}

window_pixels() {
  local WINDOW X Y WIDTH HEIGHT SCREEN
  eval "$(xdotool getwindowgeometry --shell "$1")" || return 1
  import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$2"
}

# An unpainted window shows one colour (or two: the root's pattern); text
# and icons bring many.
drawn() {
  local WINDOW X Y WIDTH HEIGHT SCREEN part colours
  eval "$(xdotool getwindowgeometry --shell "$1")" || return 1
  part=${WIDTH}x${HEIGHT}+${X}+${Y}
  [[ $# -lt 3 ]] || part=100x10+$((X + $2 - 50))+$((Y + $3 - 5))
  colours=$(import -window root -crop "$part" +repage png:- | convert - -format %k info:) || return 1
  ((colours > 2))
}

pixels_apart() {
  local count
  count=$(compare -metric AE "$1" "$2" null: 2>&1 || true)
  [[ $count =~ ^[0-9.e+]+$ ]] || return 1
  printf '%.0f\n' "$count"
}

differs() {
  local count
  window_pixels "$1" "$2.now.png" || return 1
  count=$(pixels_apart "$2" "$2.now.png") || return 1
  ((count > $3))
}

# A window is drawn once it holds still: two pictures half a second apart
# are alike.
still() {
  drawn "$1" || return 1
  window_pixels "$1" "$2.now.png" || return 1
  if [[ -f $2 && $(pixels_apart "$2" "$2.now.png") == 0 ]]; then
    rm "$2.now.png"
    return 0
  fi
  mv "$2.now.png" "$2"
  sleep 0.4
  return 1
}

press_and_wait_change() {
  local window=$1 before=$work/before-keys.png
  shift
  rm -f "$before"
  wait_for 60 "window $window to hold still" still "$window" "$before"
  xdotool key --clearmodifiers "$@"
  wait_for 60 "window $window to change on $*" differs "$window" "$before" 1000
}

# Rows are 18 pixels high under a header that ends 36 pixels down. The wait
# window comes before any row is drawn, so looked at after them it is there
# until the search ends.
results_listed() {
  drawn "$1" 60 $((27 + 18 * $2)) && ! shown_named '^Wait\.\.\.$' >/dev/null
}

# Searches the catalogs for $1 from the FIND layer and waits until the
# results window, then RESULTS and focused, lists $2 hits and the search ends.
search_from_main() {
  focus "$MAIN_WINDOW"
  press_and_wait_change "$MAIN_WINDOW" ctrl+f
  xdotool type --delay 20 "$1"
  xdotool mousemove --window "$MAIN_WINDOW" 303 35 click 1 # Search
  RESULTS=$(other_window) || return 1
  wait_for 60 "the search for $1 to list $2 hits and end" results_listed "$RESULTS" "$2" || return 1
  focus "$RESULTS"
}

# What the program asks at start-up: whether someone holds the tray's selection.
tray_taken() {
  python3 - <<'EOF'
import ctypes
x11 = ctypes.CDLL("libX11.so.6")
x11.XOpenDisplay.restype = ctypes.c_void_p
x11.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
x11.XInternAtom.restype = ctypes.c_ulong
x11.XGetSelectionOwner.argtypes = [ctypes.c_void_p, ctypes.c_ulong]
x11.XGetSelectionOwner.restype = ctypes.c_ulong
display = x11.XOpenDisplay(None)
raise SystemExit(not (display and x11.XGetSelectionOwner(display, x11.XInternAtom(display, b"_NET_SYSTEM_TRAY_S0", 0))))
EOF
}

tray_taken_or_host_ended() { tray_taken || ! kill -0 "$TRAY_PID" 2>/dev/null; }

start_tray_host() {
  # A busy X server may refuse the first connection: start it again then.
  for _ in 1 2 3; do
    trayer --edge top --align right --widthtype pixel --width 120 --height 24 &
    TRAY_PID=$!
    wait_for 60 "the tray host to take the tray" tray_taken_or_host_ended || true
    tray_taken && return 0
    kill "$TRAY_PID" 2>/dev/null || true
  done
  echo "no tray host" >&2
  return 1
}

tray_icon_docked() {
  local panel
  panel=$(xdotool search --classname '^panel$' 2>/dev/null | head -n1) || return 1
  [[ -n $panel ]] && xwininfo -tree -id "$panel" 2>/dev/null | grep -q '("CorvaneDisk" "CorvaneDisk")'
}

shot() {
  import -window root "$1"
}

picture() { [[ -z ${SHOTS:-} ]] || { settle_screen; shot "$SHOTS/$1.png"; echo "$SHOTS/$1.png"; }; }
settle_screen() {
  rm -f "$work/screen.png"
  wait_for 60 "the screen to hold still" still "$(xwininfo -root | awk '/Window id:/ {print $4}')" "$work/screen.png"
}

fail() { echo "$1" >&2; exit 1; }
