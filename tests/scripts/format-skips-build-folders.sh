#!/usr/bin/env bash
# The format check leaves out a build folder of any name (the one holding a
# CMakeCache.txt, full of generated code) and still sees every other file.
set -euo pipefail
src=$(cd "$(dirname "$0")/../.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
git init -q .
mkdir scripts b b/nested src
cp "$src/scripts/check-format.sh" scripts/
cp "$src/.clang-format" .
printf 'int   unformatted (  ){return 0 ;}\n' >b/nested/moc_Generated.cpp
touch b/CMakeCache.txt
printf 'int formatted()\n{\n    return 0;\n}\n' >src/Kept.cpp
bash scripts/check-format.sh || { echo "FAIL: a file in the build folder b/ was checked"; exit 1; }
cp b/nested/moc_Generated.cpp src/Unformatted.cpp
if out=$(bash scripts/check-format.sh); then
  echo "FAIL: an unformatted file outside the build folder passed"
  exit 1
fi
grep -q 'not formatted: src/Unformatted.cpp' <<<"$out" || { echo "FAIL: the check did not name it: $out"; exit 1; }
echo "build folder b/ left out, src/ checked"
