#!/usr/bin/env bash
# scripts/with-xvfb.sh: runs started at the same moment each get a server of
# their own; the command's status is passed on; the server is gone after the
# command ends and after the run is stopped; a server that cannot start says so.
set -uo pipefail
src=$(cd "$(dirname "$0")/../.." && pwd)
helper=$src/scripts/with-xvfb.sh
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail=0
complain() { echo "$*"; fail=1; }
wait_for() { # wait_for SECONDS COMMAND...: true once COMMAND is
  local i
  for ((i = 0; i < $1 * 10; i++)); do
    "${@:2}" && return 0
    sleep 0.1
  done
  return 1
}

# Eight at once, all alive together: each sees its own mark on its root window.
runs=8
cat >"$work/mark.sh" <<'MARK'
#!/usr/bin/env bash
set -eu
work=$1 id=$2 runs=$3
xprop -root -f CORVANE_MARK 8s -set CORVANE_MARK "run$id"
echo "$DISPLAY" >"$work/display.$id"
for ((i = 0; i < 600; i++)); do
  [[ $(ls "$work"/display.* | wc -l) -ge $runs ]] && break
  sleep 0.1
done
xprop -root CORVANE_MARK | grep -qx "CORVANE_MARK(STRING) = \"run$id\"" || { echo "run $id: $(xprop -root CORVANE_MARK)"; exit 1; }
MARK
chmod +x "$work/mark.sh"
pids=()
for ((r = 0; r < runs; r++)); do
  "$helper" "$work/mark.sh" "$work" "$r" "$runs" >"$work/out.$r" 2>&1 &
  pids+=($!)
done
for ((r = 0; r < runs; r++)); do
  wait "${pids[r]}" || complain "run $r failed: $(cat "$work/out.$r")"
done
[[ $(cat "$work"/display.* | sort -u | wc -l) -eq $runs ]] || complain "displays shared: $(cat "$work"/display.*)"

# The command's status comes back, and its server is gone, also after a stop.
# The command notes its server (the helper's Xvfb child) and itself.
cat >"$work/notes.sh" <<'NOTES'
#!/usr/bin/env bash
for stat in /proc/[0-9]*/stat; do
  read -r pid comm _ parent _ 2>/dev/null <"$stat" || continue
  [[ $comm == "(Xvfb)" && $parent == "$PPID" ]] && echo "$pid" >"$1.server"
done
echo $$ >"$1.command.tmp" && mv "$1.command.tmp" "$1.command"
[[ $2 == wait ]] || exit "$2"
while :; do sleep 1; done
NOTES
chmod +x "$work/notes.sh"
gone() { # gone PIDFILE: that process ends within 10 s
  local pid
  pid=$(cat "$1")
  wait_for 10 eval '! kill -0 "$pid" 2>/dev/null'
}
"$helper" "$work/notes.sh" "$work/failed" 3
rc=$?
[[ $rc -eq 3 ]] || complain "a failing command: exit $rc, not 3"
if [[ -s $work/failed.server ]]; then
  gone "$work/failed.server" || complain "a failing command: its server still runs"
else
  complain "a failing command: no server seen"
fi

"$helper" "$work/notes.sh" "$work/stopped" wait &
run=$!
if wait_for 60 test -s "$work/stopped.command"; then
  kill -TERM "$run"
  wait "$run"
  rc=$?
  [[ $rc -ne 0 ]] || complain "a stopped run: exit 0"
  [[ -s $work/stopped.server ]] || complain "a stopped run: no server seen"
  [[ ! -s $work/stopped.server ]] || gone "$work/stopped.server" || complain "a stopped run: its server still runs"
  gone "$work/stopped.command" || complain "a stopped run: the command still runs"
else
  complain "a stopped run: the command never started"
  kill -TERM "$run"
fi

# A server that cannot start: its reason, and the command is not run.
out=$("$helper" -s "-screen 0 no-such-size" touch "$work/ran" 2>&1)
rc=$?
[[ $rc -ne 0 ]] || complain "a bad server: exit 0"
[[ $out == "Xvfb could not start: "* ]] || complain "a bad server: $out"
[[ ! -e $work/ran ]] || complain "a bad server: the command ran"

[[ $fail -eq 0 ]] && echo "each run had its own X server"
exit "$fail"
