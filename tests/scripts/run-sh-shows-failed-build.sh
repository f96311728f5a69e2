#!/usr/bin/env bash
# run.sh on a build that fails: the reason reaches the terminal, the exit is
# non-zero and nothing is started. A stand-in cmake fails at the step asked,
# printing its reason on stdout as ninja does for compiler errors.
set -uo pipefail
src=$(cd "$(dirname "$0")/../.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/tree/scripts" "$work/bin"
cp "$src/run.sh" "$work/tree/"
printf '#!/bin/sh\nexit 0\n' >"$work/tree/scripts/install-deps.sh"
cat >"$work/bin/cmake" <<'CMAKE'
#!/bin/sh
echo "chatter of $1"
if [ "$1" = "$FAIL_AT" ]; then echo "error: the reason at $1"; exit 1; fi
[ "$1" = "--build" ] && mkdir -p build && printf '#!/bin/sh\necho PROGRAM RAN\n' >build/CorvaneDisk && chmod +x build/CorvaneDisk
exit 0
CMAKE
chmod +x "$work/bin/cmake" "$work/tree/scripts/install-deps.sh"
fail=0
check() { # check FAIL_AT EXPECTED_EXIT MUST_SHOW MUST_NOT_SHOW
  local out rc
  out=$(cd "$work/tree" && rm -rf build && PATH="$work/bin:$PATH" FAIL_AT=$1 ./run.sh 2>&1)
  rc=$?
  if [[ $2 == 0 && $rc -ne 0 || $2 != 0 && $rc -eq 0 ]]; then echo "FAIL_AT=$1: exit $rc"; fail=1; fi
  [[ $out == *"$3"* ]] || { echo "FAIL_AT=$1: missing '$3' in: $out"; fail=1; }
  [[ -z $4 || $out != *"$4"* ]] || { echo "FAIL_AT=$1: unexpected '$4' in: $out"; fail=1; }
}
check -S 1 "error: the reason at -S" "PROGRAM RAN"
check -S 1 "configure step (cmake) failed" ""
check --build 1 "error: the reason at --build" "PROGRAM RAN"
check --build 1 "build failed" ""
check none 0 "PROGRAM RAN" "chatter"
exit $fail
