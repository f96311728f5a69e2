#!/usr/bin/env bash
# The real program on a private X server ended by kill -TERM (a logout, kill):
# it shuts down as its exit button does, with status 0, the settings written
# and the work folder emptied.
set -euo pipefail
build=$1
here=$(cd "$(dirname "$0")/../.." && pwd)
source "$here/scripts/xsession.sh"
new_session "$build"
start_program "$build"
sleep 0.5
reg=$XDG_CONFIG_HOME/CorvaneDisk/registry.reg
kill -TERM "$PROGRAM_PID"
wait_exit 15
[[ $EXIT_STATUS -eq 0 ]] || { echo "exit status $EXIT_STATUS" >&2; exit 1; }
grep -q '"MainLeft"' "$reg" || { echo "MainLeft not written" >&2; exit 1; }
grep -q '"Recursive"="True\|"Recursive"="False' "$reg" || { echo "Recursive not written" >&2; exit 1; }
[[ -z "$(ls -A "$CORVANEDISK_HOME/tmp")" ]] || { echo "tmp/ not emptied" >&2; exit 1; }
echo "ended cleanly on SIGTERM"
