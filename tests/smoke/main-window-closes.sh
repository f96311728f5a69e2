#!/usr/bin/env bash
# The real program on a private X server: the main window appears, closes on
# Alt+F4, the process ends with status 0 and the settings are written.
set -euo pipefail
build=$1
here=$(cd "$(dirname "$0")/../.." && pwd)
source "$here/scripts/xsession.sh"
new_session "$build"
start_program "$build"
xdotool windowfocus --sync "$MAIN_WINDOW"
xdotool key --clearmodifiers alt+F4
wait_exit 15
[[ $EXIT_STATUS -eq 0 ]] || { echo "exit status $EXIT_STATUS" >&2; exit 1; }
reg=$XDG_CONFIG_HOME/CorvaneDisk/registry.reg
grep -q '"MainLeft"' "$reg" || { echo "MainLeft not written" >&2; cat "$reg" >&2; exit 1; }
grep -q '"NextSkin"' "$reg" || { echo "NextSkin not written" >&2; exit 1; }
echo "main window closed cleanly"
