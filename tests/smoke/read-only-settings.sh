#!/usr/bin/env bash
# The real program on a private X server with a settings folder it cannot
# write, where a killed run left its lock: the window still comes, after one
# box that says the settings cannot be written, and a second start brings it
# back from the tray. A copy that holds the lock but does not answer is said
# in a box too (a start from the desktop has no terminal); that start ends
# with status 1.
set -euo pipefail
build=$1
here=$(cd "$(dirname "$0")/../.." && pwd)
source "$here/scripts/xsession.sh"
new_session "$build"
settings=$XDG_CONFIG_HOME/CorvaneDisk

# Root writes into any folder whatever its permissions: for root the folder
# is mounted read-only over itself, in a mount namespace of the program's own.
if ((EUID == 0)); then
  unshare -m true 2>/dev/null || { echo "no private mount namespace: root cannot be kept from writing"; exit 77; }
  read_only=(unshare -m bash -c 'mount --bind "$0" "$0" && mount -o remount,bind,ro "$0" && exec "$@"' "$settings")
  lock_settings() { :; }
  unlock_settings() { :; }
else
  read_only=()
  lock_settings() { chmod 555 "$settings"; }
  unlock_settings() { chmod 755 "$settings"; }
fi
# A stopped copy would keep the test's output open for ever.
first=
trap '[[ -z $first ]] || kill -KILL "$first" 2>/dev/null || true; unlock_settings; end_session' EXIT

# Is the given window a message box, not a main window?
box() { xprop -id "$1" _NET_WM_WINDOW_TYPE | grep -q _NET_WM_WINDOW_TYPE_DIALOG; }
answer_box() {
  wait_for 60 "the box to be drawn" drawn "$1" || exit 1
  box "$1" || fail "$2: a window came, not a box"
  focus "$1"
  xdotool key Return
  wait_for 60 "the box to close" gone "$1" || exit 1
}

# A copy that holds the lock but does not answer.
start_program "$build"
first=$PROGRAM_PID
kill -STOP "$first"
"$build/CorvaneDisk" 2>"$work/second.err" &
PROGRAM_PID=$!
silent=$(new_window "$MAIN_WINDOW") || fail "no box for a copy that does not answer"
answer_box "$silent" "a copy that does not answer"
wait_exit
[[ $EXIT_STATUS -eq 1 ]] || fail "the start beside a silent copy ended with $EXIT_STATUS"
grep -q "does not answer" "$work/second.err" || fail "not said on the terminal: $(cat "$work/second.err")"

# Killed, it leaves its lock; the folder then becomes read-only.
kill -KILL "$first"
wait "$first" 2>/dev/null || true
[[ -f $settings/window.lock ]] || fail "the killed run left no lock"
settings_before=$(sha256sum <"$settings/registry.reg")
lock_settings

start_tray_host
"${read_only[@]}" "$build/CorvaneDisk" &
PROGRAM_PID=$!
notice=$(find_window '^CorvaneDisk$') || fail "neither a box nor a window came"
answer_box "$notice" "read-only settings"
MAIN_WINDOW=$(find_window '^CorvaneDisk$') || fail "no main window after the box"
wait_for 60 "the tray icon to dock" tray_icon_docked || exit 1
xdotool mousemove --window "$MAIN_WINDOW" 341 8 click 1 # to the tray
wait_for 60 "the main window to hide to the tray" gone "$MAIN_WINDOW" || fail "not hidden to the tray"
timeout 60 "${read_only[@]}" "$build/CorvaneDisk" || fail "the second start failed: $?"
find_window '^CorvaneDisk$' >/dev/null || fail "the first window did not come back"
count=$(xdotool search --onlyvisible --name '^CorvaneDisk$' | wc -l)
[[ $count -eq 1 ]] || fail "$count main windows"
focus "$MAIN_WINDOW"
xdotool key --clearmodifiers alt+F4
wait_exit
[[ $EXIT_STATUS -eq 0 ]] || fail "exit status $EXIT_STATUS"
[[ $(sha256sum <"$settings/registry.reg") == "$settings_before" ]] || fail "the settings changed"
echo "started with settings that cannot be written"
