#!/bin/bash
# SIGTERM while the program is still starting (the first layout file has just been created,
# the window is not built yet) ends it normally, through the exit save: the exit code is 0 and
# the orientation option, which only the exit save writes, is back in Set.dat. Three runs.
# $1: the built program.
set -u
bin="$1"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
source "$(dirname "${BASH_SOURCE[0]}")/leallitas.bash"

for run in 1 2 3; do
  prog="$work/program$run"
  mkdir -p "$prog"
  cp "$bin" "$prog/lavindor"
  # A Set.dat whose orientation (bytes 178-179) holds 5, a value only the exit save replaces.
  python3 -c 'import sys; b = bytearray(548); b[178] = 5; open(sys.argv[1], "wb").write(b)' "$prog/Set.dat"
  (cd "$work" && QT_QPA_PLATFORM=offscreen exec "$prog/lavindor" >"$work/out.txt" 2>&1) &
  pid=$!
  # The layout files of a new installation are the first files start-up creates.
  limit=$((SECONDS + 60))
  while [ "$SECONDS" -lt "$limit" ]; do
    [ -e "$prog/SetTerti.dat" ] && break
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.005
  done
  [ -e "$prog/SetTerti.dat" ] || fail "run $run: the program never started"
  terminate "$pid" 300 "run $run"
  [ "$rc" -eq 0 ] || { cat "$work/out.txt"; fail "run $run: exit code $rc"; }
  [ "$(od -An -tx1 -j178 -N2 "$prog/Set.dat" | tr -d ' ')" != "0500" ] || fail "run $run: no exit save"
done
echo "OK"
