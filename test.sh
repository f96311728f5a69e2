#!/usr/bin/env bash
# Installs what is missing, builds with the sanitizers on and runs every test.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh
cmake -S . -B build-test -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCORVANE_SANITIZE=ON -DCORVANE_BENCH=OFF
cmake --build build-test
ctest --test-dir build-test --output-on-failure -j "$(nproc)" "$@"
