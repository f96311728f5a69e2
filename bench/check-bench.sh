#!/usr/bin/env bash
# Runs one benchmark once, small, as the test suite does: it must end within
# its time, print its figure (a line matching FIGURE) and leave nothing in its
# temporary folder.
#   bench/check-bench.sh SECONDS FIGURE COMMAND [ARGS...]
# In ARGS, @WORK@ stands for a folder made for the run (inputs go there) and
# an argument @NONE@ for an empty one (CTest drops ""). The benchmark runs in
# a fresh folder with a fresh TMPDIR, both checked empty afterwards.
set -euo pipefail
limit=$1 figure=$2
shift 2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/tmp" "$work/in" "$work/cwd"
# Qt's runtime folder, which it would otherwise make in TMPDIR.
mkdir -m 700 "$work/run"
args=()
for a in "$@"; do
  [[ $a == @NONE@ ]] && a=
  args+=("${a//@WORK@/$work/in}")
done
status=0
(cd "$work/cwd" && XDG_RUNTIME_DIR="$work/run" TMPDIR="$work/tmp" QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen} timeout "$limit" "${args[@]}") >"$work/out" 2>&1 || status=$?
cat "$work/out"
if ((status == 124)); then
  echo "FAIL: still running after $limit s"
  exit 1
elif ((status != 0)); then
  echo "FAIL: exit code $status"
  exit 1
fi
grep -Eq -- "$figure" "$work/out" || { echo "FAIL: no line matching '$figure' printed"; exit 1; }
left=$(find "$work/tmp" "$work/cwd" -mindepth 1 -maxdepth 1)
[[ -z $left ]] || { echo "FAIL: left behind in its temporary or working folder:"; echo "$left"; exit 1; }
