#!/usr/bin/env bash
# Without a task-bar button the main window carries the states that task bars
# and pagers read (_NET_WM_STATE_SKIP_TASKBAR, _SKIP_PAGER); with one it does not.
set -euo pipefail
build=$1
here=$(cd "$(dirname "$0")/../.." && pwd)
source "$here/scripts/xsession.sh"
new_session "$build"
mkdir -p "$XDG_CONFIG_HOME/CorvaneDisk"
printf '[HKEY_LOCAL_MACHINE\\SOFTWARE\\CorvaneDisk\\Option]\n"ShowTaskBar"="False"\n' \
  > "$XDG_CONFIG_HOME/CorvaneDisk/registry.reg"
start_program "$build"
state=$(xprop -id "$MAIN_WINDOW" _NET_WM_STATE)
[[ $state == *_NET_WM_STATE_SKIP_TASKBAR* && $state == *_NET_WM_STATE_SKIP_PAGER* ]] ||
  { echo "not left out of the task bar: $state" >&2; exit 1; }
kill -TERM "$PROGRAM_PID"
wait_exit

sed -i 's/"ShowTaskBar"="False"/"ShowTaskBar"="True"/' "$XDG_CONFIG_HOME/CorvaneDisk/registry.reg"
start_program "$build"
state=$(xprop -id "$MAIN_WINDOW" _NET_WM_STATE)
[[ $state != *SKIP_TASKBAR* ]] || { echo "left out of the task bar: $state" >&2; exit 1; }
kill -TERM "$PROGRAM_PID"
wait_exit
echo "task-bar state as asked"
