#!/bin/bash
# Starts the program from a copy in an empty program folder while the current folder is
# another one, ends it with SIGTERM, and checks that the record files were created in the
# program folder only, each a whole number of records long. Then again with three payers.
# $1: the built program.
set -u
bin="$1"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prog="$work/program"
cur="$work/current"
mkdir -p "$prog" "$cur"
cp "$bin" "$prog/lavindor"
source "$(dirname "${BASH_SOURCE[0]}")/leallitas.bash"

run_once() {
  # The (empty) second legal-title list is created at activation: it tells when start-up is over.
  rm -f "$prog/Jogcimek2.dat"
  (cd "$cur" && QT_QPA_PLATFORM=offscreen exec "$prog/lavindor" >"$work/out.txt" 2>&1) &
  local pid=$!
  # Start-up is over once the window has been activated, which creates the list files; a
  # loaded machine (sanitizers, parallel tests) may take a while.
  for _ in $(seq 1 300); do
    [ -f "$prog/Jogcimek2.dat" ] && break
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
  done
  sleep 0.5
  kill -0 "$pid" 2>/dev/null || { cat "$work/out.txt"; fail "the program ended on its own"; }
  terminate "$pid" 100 "the start"
  [ "$rc" -eq 0 ] || { cat "$work/out.txt"; fail "exit code $rc"; }
}

# Whole records: name, record length.
check_length() {
  local f="$prog/$1" len="$2"
  [ -f "$f" ] || fail "$1 missing from the program folder"
  local size
  size=$(stat -c %s "$f")
  [ $((size % len)) -eq 0 ] || fail "$1 is $size bytes, not a multiple of $len"
}

# Record lengths of the files the program keeps.
declare -A LENGTH=([Set.dat]=548 [nevek1.dat]=271 [kozl3sor.dat]=135 [CimkeSetup.dat]=40 [Kepment.dat]=283
                   [Kozlem.dat]=25 [Jogcimek.dat]=25 [Jogcimek2.dat]=25)

check_common() {
  [ -z "$(ls -A "$cur")" ] || fail "files created in the current folder: $(ls -A "$cur")"
  [ "$(stat -c %s "$prog/Set.dat" 2>/dev/null)" = 548 ] || fail "Set.dat is not 548 bytes"
  check_length nevek1.dat 271
  for f in "$prog"/*.dat; do
    local n
    n=$(basename "$f")
    [ -n "${LENGTH[$n]:-}" ] && check_length "$n" "${LENGTH[$n]}"
  done
  # Nothing beside the program folder either.
  [ "$(ls -A "$work" | sort | tr '\n' ' ')" = "current out.txt program " ] || fail "unexpected files in $work: $(ls -A "$work")"
}

run_once
check_common
[ "$(stat -c %s "$prog/nevek1.dat")" -eq 0 ] || fail "nevek1.dat of an empty start is not empty"

# Three payers: the program starts and ends cleanly and leaves them as they were.
python3 - "$prog/nevek1.dat" <<'PY'
import sys
rec = b""
for name in ("Kovács Péter", "Árvíztűrő tükörfúrógép", "Nagy Anna"):
    r = bytearray(b" " * 271)
    n = name.encode("cp1250")
    r[0:len(n)] = n
    r[163:211] = bytes(48)
    r[269:271] = bytes(2)
    rec += bytes(r)
open(sys.argv[1], "wb").write(rec)
PY
before=$(md5sum < "$prog/nevek1.dat")
run_once
check_common
[ "$(stat -c %s "$prog/nevek1.dat")" -eq 813 ] || fail "nevek1.dat changed length"
[ "$(md5sum < "$prog/nevek1.dat")" = "$before" ] || fail "nevek1.dat changed"
echo "OK"
