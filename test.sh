#!/usr/bin/env bash
# Installs what is missing, builds with the sanitizers on and runs every test
# (each benchmark once, small, among them).
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh
# Leaks of system libraries (libdbus under a display) must not fail a clean run.
export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0"
cmake -S . -B build-test -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCORVANE_SANITIZE=ON -DCORVANE_WERROR=ON -DCORVANE_BENCH=ON
cmake --build build-test
ctest --test-dir build-test --output-on-failure -j "$(nproc)" "$@"
