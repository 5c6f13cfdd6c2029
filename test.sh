#!/usr/bin/env bash
# Sets up a Debian machine (with the packages only the tests need), builds a Debug build with
# warnings and the address and undefined-behaviour sanitizers, and runs the whole test suite
# offscreen.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/setup.sh --test
cmake -S . -B build-test -G Ninja -DCMAKE_BUILD_TYPE=Debug -DLAVINDOR_SANITIZE=ON >/dev/null
cmake --build build-test
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=0
cd build-test
ctest --output-on-failure -j"$(nproc)"
