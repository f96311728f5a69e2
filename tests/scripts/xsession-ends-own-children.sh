#!/usr/bin/env bash
# scripts/xsession.sh: a session that ends stops the program and the tray host
# it started, and nothing else of its process group, also when it ends before
# either was started.
set -uo pipefail
src=$(cd "$(dirname "$0")/../.." && pwd)
work=$(mktemp -d)
trap 'kill $(cat "$work"/*.pid 2>/dev/null) 2>/dev/null; rm -rf "$work"' EXIT
fail=0

# A process group of its own, as ctest's: a neighbour, then a session that ends.
# SESSION is what the session does before it ends.
run_group() {
  setsid bash -c '
    sleep 60 & echo $! >"$1/neighbour.pid"
    bash -c "source \"$2/scripts/xsession.sh\"; new_session \"$1/nobuild\"; $3" 
    echo "$?" >"$1/session.status"
    kill -0 "$(cat "$1/neighbour.pid")" && echo alive >"$1/neighbour.state"
  ' _ "$work" "$src" "$1"
}

check() { # check WHAT SESSION: the group outlives the session
  rm -f "$work"/neighbour.* "$work/session.status"
  run_group "$2"
  [[ -f $work/session.status ]] || { echo "$1: the session took its process group with it"; fail=1; return; }
  [[ -f $work/neighbour.state ]] || { echo "$1: a neighbour in the process group was stopped"; fail=1; }
  kill "$(cat "$work/neighbour.pid")" 2>/dev/null
}

check "nothing started" 'exit 1'
check "program and tray host started" \
  'sleep 60 & PROGRAM_PID=$!; echo $PROGRAM_PID >"'"$work"'/program.pid"; sleep 60 & TRAY_PID=$!; echo $TRAY_PID >"'"$work"'/tray.pid"'
for child in program tray; do
  pid=$(cat "$work/$child.pid")
  for ((i = 0; i < 50; i++)); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
  ! kill -0 "$pid" 2>/dev/null || { echo "the session left its $child running"; fail=1; }
done
((fail == 0)) && echo "a session stops its own children only"
exit "$fail"
