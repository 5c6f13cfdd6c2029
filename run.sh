#!/usr/bin/env bash
# Sets up a Debian machine, builds the program in Release, installs it with its assets into the
# program folder ~/Lavindor (record files there survive a rebuild) and starts it.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/setup.sh
prefix="${LAVINDOR_HOME:-$HOME/Lavindor}"
cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release -DLAVINDOR_TESTS=OFF -DLAVINDOR_BENCH=OFF -DCMAKE_INSTALL_PREFIX="$prefix" >/dev/null
cmake --build build-release
cmake --install build-release >/dev/null
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ "${QT_QPA_PLATFORM:-}" != "offscreen" ]; then
  echo "Nincs grafikus megjelenítő (DISPLAY): a program itt nem indítható; telepítve: $prefix" >&2
  exit 1
fi
exec "$prefix/lavindor"
