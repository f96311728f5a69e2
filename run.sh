#!/usr/bin/env bash
# Installs what is missing, builds the program and runs it with the given switches.
# The build is quiet while it goes well; when it fails, its output is shown.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh
log=$(mktemp)
trap 'rm -f "$log"' EXIT
step() { # step WHAT COMMAND...
  local what=$1
  shift
  if ! "$@" >"$log" 2>&1; then
    tail -n 60 "$log" >&2
    echo "run.sh: the $what failed (its last lines are above); the program was not started." >&2
    exit 1
  fi
}
step "configure step (cmake)" cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DCORVANE_TESTS=OFF
step "build" cmake --build build
rm -f "$log"
trap - EXIT
exec ./build/CorvaneDisk "$@"
