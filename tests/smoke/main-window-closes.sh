#!/usr/bin/env bash
# The real program on a private X server: the main window appears, closes on
# Alt+F4 and, started again, on kill -TERM (a logout, kill), also when the
# signal comes while the window is still being made, and while a box shown
# at start-up (no language file) waits for an answer; each time the process
# ends with status 0, the settings are written and tmp/ loses the program's
# own files (and only those). A batch run on a display that asks before it
# starts ends on TERM without writing its catalog.
set -euo pipefail
build=$1
here=$(cd "$(dirname "$0")/../.." && pwd)
source "$here/scripts/xsession.sh"
new_session "$build"
reg=$XDG_CONFIG_HOME/CorvaneDisk/registry.reg
for how in alt+F4 TERM early-TERM box-TERM; do
  rm -f "$reg"
  if [[ $how == early-TERM ]]; then
    "$build/CorvaneDisk" &
    PROGRAM_PID=$!
    # As soon as SIGTERM is held back or caught, before the window is there.
    # A loaded machine may take long to get there: wait for it, not for a time.
    # Until the exec, the PID is bash's fork, which holds SIGTERM back itself:
    # only the program's own masks count.
    held=
    for ((deadline = SECONDS + 60; SECONDS < deadline; )); do
      if ! execed "$PROGRAM_PID"; then
        kill -0 "$PROGRAM_PID" 2>/dev/null || { echo "early-TERM: the program did not start" >&2; exit 1; }
        sleep 0.01
        continue
      fi
      masks=$(awk '/^Sig(Blk|Cgt):/ {print $2}' "/proc/$PROGRAM_PID/status" 2>/dev/null || true)
      for m in $masks; do (((0x$m >> 14) & 1)) && held=1; done
      [[ -z $held ]] || break
      kill -0 "$PROGRAM_PID" 2>/dev/null || { echo "early-TERM: the program ended before it took SIGTERM" >&2; exit 1; }
      sleep 0.01
    done
    [[ -n $held ]] || { echo "early-TERM: SIGTERM neither held back nor caught within 60 s" >&2; exit 1; }
    xdotool search --name '^CorvaneDisk$' >/dev/null 2>&1 && echo "early-TERM: the window came first" >&2
    kill -TERM "$PROGRAM_PID"
  elif [[ $how == box-TERM ]]; then
    # Without a language file a box says so before the window is made.
    mv "$CORVANEDISK_HOME/language" "$work/language-away"
    "$build/CorvaneDisk" &
    PROGRAM_PID=$!
    box=$(find_window '^CorvaneDisk$') || fail "$how: no box appeared"
    wait_for 60 "the box to be drawn" drawn "$box"
    xprop -id "$box" _NET_WM_WINDOW_TYPE | grep -q _NET_WM_WINDOW_TYPE_DIALOG || fail "$how: the window came, not the box"
    kill -TERM "$PROGRAM_PID"
    wait_exit 30 || fail "$how: the program did not end on TERM while its box was open"
  else
    start_program "$build"
  fi
  if [[ $how == TERM ]]; then
    # Once the window is drawn the program has started up and runs its loop.
    wait_for 60 "the main window to be drawn" drawn "$MAIN_WINDOW"
    kill -TERM "$PROGRAM_PID"
  elif [[ $how == alt+F4 ]]; then
    focus "$MAIN_WINDOW"
    xdotool key --clearmodifiers alt+F4
  fi
  [[ $how == box-TERM ]] || wait_exit
  [[ $EXIT_STATUS -eq 0 ]] || { echo "$how: exit status $EXIT_STATUS" >&2; exit 1; }
  grep -q '"MainLeft"' "$reg" || { echo "$how: MainLeft not written" >&2; cat "$reg" >&2; exit 1; }
  grep -q '"NextSkin"' "$reg" || { echo "$how: NextSkin not written" >&2; exit 1; }
  grep -Eq '"Recursive"="(True|False)"' "$reg" || { echo "$how: Recursive not written" >&2; exit 1; }
  tmp=$CORVANEDISK_HOME/tmp
  [[ ! -e "$tmp/fond.bmp" ]] || { echo "$how: tmp/ not emptied" >&2; exit 1; }
  [[ -f "$tmp/.CorvaneDisk-work" ]] || { echo "$how: tmp/ lost the mark that makes it ours" >&2; exit 1; }
  [[ $how == alt+F4 || -f "$tmp/notes.txt" ]] || { echo "$how: a user's file in tmp/ was deleted" >&2; exit 1; }
  # For the next round: an unpacked bitmap left over, and a file of the user's.
  echo x >"$tmp/fond.bmp"
  echo x >"$tmp/notes.txt"
done

mkdir "$work/folder"
echo x >"$work/folder/a.txt"
"$build/CorvaneDisk" "-c:$work/folder" -o:asked -v &
PROGRAM_PID=$!
box=$(find_window '^CorvaneDisk$') || fail "batch: no question appeared"
wait_for 60 "the question to be drawn" drawn "$box"
kill -TERM "$PROGRAM_PID"
wait_exit 30 || fail "batch: the program did not end on TERM while it asked"
[[ $EXIT_STATUS -eq 143 ]] || fail "batch: exit status $EXIT_STATUS, not that of a TERM"
[[ -z $(ls -A "$CORVANEDISK_HOME/dat") ]] || fail "batch: a catalog was written after TERM: $(ls -A "$CORVANEDISK_HOME/dat")"
echo "main window closed cleanly"
