#!/usr/bin/env bash
# Runs clang-tidy with .clang-tidy over every C++ source of the tree, as the
# given build compiles it (default build-test, made by ./test.sh), and fails
# on any finding. CI runs it after the tests.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build-test}
[[ -f $build/compile_commands.json ]] || { echo "no $build/compile_commands.json: build first (./test.sh)" >&2; exit 2; }
log=$(mktemp)
trap 'rm -f "$log"' EXIT
# Our own sources, not the code moc generates into the build. GCC's own
# warning switches mean nothing to clang.
status=0
run-clang-tidy-16 -p "$build" -quiet -j "$(nproc)" -extra-arg=-Wno-unknown-warning-option \
  "^$root/(?!.*_autogen/).*\.cpp$" >"$log" 2>&1 || status=$?
findings=$(grep -E '(warning|error): .*\[[a-zA-Z0-9.,-]+\]$' "$log" | sort -u || true)
if ((status != 0)) || [[ -n $findings ]]; then
  # Each finding with its notes (the analyser's path through our code), less
  # the runner's own chatter.
  grep -vE '^(clang-tidy-16 |[0-9]+ warnings? (and [0-9]+ errors? )?generated|Suppressed [0-9]+ warnings|Use -header-filter)' "$log" || true
  echo "clang-tidy: $(grep -c . <<<"$findings") findings" >&2
  exit 1
fi
echo "clang-tidy: no findings"
