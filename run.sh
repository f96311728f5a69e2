#!/usr/bin/env bash
# Installs what is missing, builds the program and runs it with the given switches.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DCORVANE_TESTS=OFF >/dev/null
cmake --build build >/dev/null
exec ./build/CorvaneDisk "$@"
