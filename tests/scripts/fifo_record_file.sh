#!/bin/bash
# A FIFO in place of a record file (Set.dat, then nevek1.dat) neither hangs start-up nor is
# replaced: the program, ended by SIGTERM a second after it started, ends within a few seconds
# with exit code 0, start-up went on past the FIFO (nevek1.dat created, or the exit save written
# into Set.dat), and the FIFO is still a FIFO.
# $1: the built program.
set -u
bin="$1"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
source "$(dirname "${BASH_SOURCE[0]}")/leallitas.bash"

run() {  # $1: the record file that is a FIFO
  local prog="$work/$1"
  mkdir -p "$prog"
  cp "$bin" "$prog/lavindor"
  mkfifo "$prog/$1"
  # A Set.dat whose orientation (bytes 178-179) holds 5, a value only the exit save replaces.
  [ "$1" = Set.dat ] || python3 -c 'import sys; b = bytearray(548); b[178] = 5; open(sys.argv[1], "wb").write(b)' "$prog/Set.dat"
  (cd "$work" && QT_QPA_PLATFORM=offscreen exec "$prog/lavindor" >"$work/out.txt" 2>&1) &
  local pid=$!
  # The lock file is the first file the program makes.
  local limit=$((SECONDS + 60))
  while [ "$SECONDS" -lt "$limit" ] && [ ! -e "$prog/lavindor.lock" ]; do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.01
  done
  [ -e "$prog/lavindor.lock" ] || fail "$1: the program never started"
  sleep 1
  terminate "$pid" 50 "$1"
  [ "$rc" -eq 0 ] || { cat "$work/out.txt"; fail "$1: exit code $rc"; }
  [ -p "$prog/$1" ] || fail "$1: the FIFO was replaced"
  if [ "$1" = Set.dat ]; then
    [ -f "$prog/nevek1.dat" ] || fail "$1: start-up stopped before the payer list"
  else
    [ "$(od -An -tx1 -j178 -N2 "$prog/Set.dat" | tr -d ' ')" != "0500" ] || fail "$1: no exit save"
  fi
}

run Set.dat
run nevek1.dat
echo "OK"
