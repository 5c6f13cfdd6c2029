#!/bin/bash
# SIGTERM while the program is still starting (its first record file has just appeared, the
# window is not built yet) ends it normally, through the exit save: the exit code is 0 and the
# envelope switches, written only at exit, are in boritek.dat. Three runs.
# $1: the built program.
set -u
bin="$1"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

for run in 1 2 3; do
  prog="$work/program$run"
  mkdir -p "$prog"
  cp "$bin" "$prog/lavindor"
  (cd "$work" && QT_QPA_PLATFORM=offscreen exec "$prog/lavindor" >"$work/out.txt" 2>&1) &
  pid=$!
  # Set.dat is the first file start-up opens.
  for _ in $(seq 1 30000); do
    [ -e "$prog/Set.dat" ] && break
    kill -0 "$pid" 2>/dev/null || break
  done
  [ -e "$prog/Set.dat" ] || fail "run $run: the program never started"
  kill -TERM "$pid"
  for _ in $(seq 1 300); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
  done
  if kill -0 "$pid" 2>/dev/null; then kill -KILL "$pid"; fail "run $run: the program did not end after SIGTERM"; fi
  wait "$pid"
  rc=$?
  [ "$rc" -eq 0 ] || { cat "$work/out.txt"; fail "run $run: exit code $rc"; }
  [ "$(stat -c %s "$prog/boritek.dat" 2>/dev/null || echo 0)" -gt 0 ] || fail "run $run: no exit save (boritek.dat empty)"
done
echo "OK"
