#!/usr/bin/env bash
# Times search_bench against grep -i -c on a generated catalog of 1,000,000
# lines, best of several runs each. The output goes to a file: grep stops at
# the first match when its output is /dev/null.
#   bench/search_vs_grep.sh [BUILD_FOLDER] [LINES] [RUNS]
#   (default: build-rel, a Release build; 1,000,000 lines; 15 runs)
set -euo pipefail
build=${1:-build-rel}
lines=${2:-1000000}
runs=${3:-15}
library=$(mktemp -d -t corvane-search-bench-XXXXXX)
trap 'rm -rf "$library"' EXIT
"$build/bench/bench_catalog" "$library/Bench.dat" "$lines"
catalog="$library/Bench.dat"
echo "catalog: $(wc -l <"$catalog") lines, $(($(stat -c %s "$catalog") / 1048576)) MiB; locale ${LC_ALL:-${LANG:-POSIX}}"

# The best wall time of $runs runs of a command, in milliseconds.
best_ms() {
    local best=999999999999 start end
    for ((i = 0; i < runs; i++)); do
        start=$(date +%s%N)
        "$@" >"$library/out" 2>/dev/null || true
        end=$(date +%s%N)
        ((end - start < best)) && best=$((end - start))
    done
    echo $((best / 1000000))
}

printf '%-32s %8s %8s %8s %7s\n' expression hits search grep ratio
for expression in img_424242 qwerty zipfile "holiday+2010" kb "-img"; do
    hits=$("$build/bench/search_bench" "$library" "$expression" --ignore-max 2>/dev/null | wc -l)
    ours=$(best_ms "$build/bench/search_bench" "$library" "$expression")
    theirs=$(best_ms grep -i -c -- "${expression#-}" "$catalog")
    printf '%-32s %8s %6s ms %6s ms %6sx\n' "$expression" "$hits" "$ours" "$theirs" \
        "$(awk -v a="$ours" -v b="$theirs" 'BEGIN { printf "%.2f", a / (b ? b : 1) }')"
done
echo "(grep gets the first word only; hits of -img: lines without img.)"
"$build/bench/search_bench" "$library" kb 2>&1 >/dev/null | sed 's/^/kb, every line: /'
