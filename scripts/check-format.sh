#!/usr/bin/env bash
# Fails naming every C++ file that clang-format (with .clang-format) would
# change, and says how to mend it.
set -euo pipefail
cd "$(dirname "$0")/.."
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  # Files not yet added count too: a new file is checked before its first commit.
  mapfile -t files < <(git ls-files --cached --others --exclude-standard -- '*.cpp' '*.h')
else
  mapfile -t files < <(find . -path ./build\* -prune -o \( -name '*.cpp' -o -name '*.h' \) -print | sort)
fi
# A build folder, whatever its name, holds generated code (moc, ui): the folder
# that holds a CMakeCache.txt is left out.
mapfile -t builds < <(find . -path ./.git -prune -o -name CMakeCache.txt -printf '%h/\n' | sed 's|^\./||')
kept=()
for f in "${files[@]}"; do
  f=${f#./}
  for b in "${builds[@]}"; do
    [[ -n $b && $f == "$b"* ]] && continue 2
  done
  kept+=("$f")
done
files=("${kept[@]}")
# One clang-format for all: it names each file it would change in its errors.
status=0
out=$(clang-format --dry-run --Werror "${files[@]}" 2>&1) || status=$?
mapfile -t bad < <(sed -n 's/^\([^:]*\):[0-9]*:[0-9]*: error: .*/\1/p' <<<"$out" | sort -u)
if ((status != 0 && ${#bad[@]} == 0)); then
  echo "clang-format failed: $out"
  exit 1
fi
if ((${#bad[@]})); then
  printf 'not formatted: %s\n' "${bad[@]}"
  echo "mend with: clang-format -i ${bad[*]}"
  exit 1
fi
echo "${#files[@]} files formatted"
