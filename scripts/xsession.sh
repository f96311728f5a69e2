# Helpers for driving the real program on a private X server (sourced by the
# smoke tests and scripts/screenshots.sh; run inside scripts/with-xvfb.sh).
#   new_session BUILD        a fresh folder $work (removed at the end, the program
#                            killed if still running) holding the program's home
#   prepare_home DIR BUILD   a fresh program home with the built skin and language
#   find_window PATTERN [S]  the first shown window whose name matches, waited for
#   start_program BUILD      starts the program, sets PROGRAM_PID and MAIN_WINDOW
#   wait_exit SECONDS        waits for the program, sets EXIT_STATUS
#   other_window SECONDS     waits for a second visible window titled CorvaneDisk
#                            (the results window, the browser...) and prints its id
#   start_tray_host          a notification area (trayer) for the tray icon
#   shot FILE                a PNG of the whole screen

new_session() {
  work=$(mktemp -d)
  trap 'kill "${PROGRAM_PID:-0}" 2>/dev/null || true; [[ -z ${TRAY_PID:-} ]] || kill "$TRAY_PID" 2>/dev/null || true; rm -rf "$work"' EXIT
  prepare_home "$work" "$1"
}

prepare_home() {
  local home=$1 build=$2
  mkdir -p "$home/program" "$home/config"
  cp -r "$build/skin" "$build/language" "$home/program/" 2>/dev/null || true
  export CORVANEDISK_HOME=$home/program XDG_CONFIG_HOME=$home/config
  unset CORVANEDISK_CONSOLE
}

find_window() {
  local pattern=$1 seconds=${2:-20} i found
  # Polls rather than "search --sync": a window that goes away while xdotool
  # looks at it (a wait window) makes one search fail, not the next.
  for ((i = 0; i < seconds * 10; i++)); do
    found=$(xdotool search --onlyvisible --name "$pattern" 2>/dev/null | head -n1 || true)
    [[ -n "$found" ]] && { echo "$found"; return 0; }
    sleep 0.1
  done
  return 1
}

start_program() {
  local build=$1
  "$build/CorvaneDisk" &
  PROGRAM_PID=$!
  MAIN_WINDOW=$(find_window '^CorvaneDisk$' || true)
  [[ -n "$MAIN_WINDOW" ]] || { echo "no main window appeared" >&2; return 1; }
}

wait_exit() {
  local seconds=$1 i
  for ((i = 0; i < seconds * 10; i++)); do
    if ! kill -0 "$PROGRAM_PID" 2>/dev/null; then
      wait "$PROGRAM_PID" && EXIT_STATUS=0 || EXIT_STATUS=$?
      return 0
    fi
    sleep 0.1
  done
  echo "the program did not end within $seconds s" >&2
  kill -9 "$PROGRAM_PID" 2>/dev/null
  return 1
}

other_window() {
  local seconds=$1 i w
  for ((i = 0; i < seconds * 10; i++)); do
    for w in $(xdotool search --onlyvisible --name '^CorvaneDisk$' 2>/dev/null); do
      [[ $w != "$MAIN_WINDOW" ]] && { echo "$w"; return 0; }
    done
    sleep 0.1
  done
  echo "no second window appeared" >&2
  return 1
}

start_tray_host() {
  local try i
  # A busy X server may refuse the first connection: start it again then.
  for try in 1 2 3; do
    trayer --edge top --align right --widthtype pixel --width 120 --height 24 &
    TRAY_PID=$!
    for ((i = 0; i < 50; i++)); do
      xdotool search --class trayer >/dev/null 2>&1 && { sleep 0.3; return 0; }
      kill -0 "$TRAY_PID" 2>/dev/null || break
      sleep 0.1
    done
    kill "$TRAY_PID" 2>/dev/null || true
  done
  echo "no tray host" >&2
  return 1
}

shot() {
  import -window root "$1"
}
