#!/usr/bin/env bash
# The real program on a private X server, started twice with the same
# settings: the second start ends at once with status 0 and brings the first
# one's window back (also from the tray, where the first one hid); the batch
# mode still runs beside it.
set -euo pipefail
build=$1
here=$(cd "$(dirname "$0")/../.." && pwd)
source "$here/scripts/xsession.sh"
new_session "$build"
start_tray_host
start_program "$build"
first=$PROGRAM_PID
wait_for 60 "the tray icon to dock" tray_icon_docked || exit 1
xdotool mousemove --window "$MAIN_WINDOW" 341 8 click 1 # to the tray
wait_for 60 "the main window to hide to the tray" gone "$MAIN_WINDOW" || { echo "not hidden to the tray" >&2; exit 1; }
timeout 60 "$build/CorvaneDisk" || { echo "the second start failed: $?" >&2; exit 1; }
find_window '^CorvaneDisk$' >/dev/null || { echo "the first window did not come back" >&2; exit 1; }
count=$(xdotool search --onlyvisible --name '^CorvaneDisk$' | wc -l)
[[ $count -eq 1 ]] || { echo "$count main windows" >&2; exit 1; }
kill -0 "$first" || { echo "the first program ended" >&2; exit 1; }

mkdir -p "$work/disk"
echo alpha > "$work/disk/a.txt"
CORVANEDISK_CONSOLE=1 timeout 60 "$build/CorvaneDisk" "-c:$work/disk" "-o:Beside" >/dev/null
[[ -f $CORVANEDISK_HOME/dat/Beside.dat ]] || { echo "the batch mode did not catalogue" >&2; exit 1; }

PROGRAM_PID=$first
focus "$(find_window '^CorvaneDisk$')"
xdotool key --clearmodifiers alt+F4
wait_exit
[[ $EXIT_STATUS -eq 0 ]] || { echo "exit status $EXIT_STATUS" >&2; exit 1; }
echo "one window per settings folder"
