#!/bin/bash
# Two programs on one program folder: while the first runs, a second start says so (on its
# standard error and in a message box), ends on SIGTERM with that box still open, and leaves
# every file of the folder as it was. Once the first is killed (-9), a new start runs normally;
# so does one beside a lock file left empty long ago.
# $1: the built program.
set -u
bin="$1"
work=$(mktemp -d)
pids=()
trap 'for p in "${pids[@]}"; do kill -KILL "$p" 2>/dev/null; done; rm -rf "$work"' EXIT
prog="$work/program"
mkdir -p "$prog"
cp "$bin" "$prog/lavindor"
source "$(dirname "${BASH_SOURCE[0]}")/leallitas.bash"

# Starts the program in the background (its process id in $started); waits until the activation
# has created Jogcimek2.dat.
start() {
  rm -f "$prog/Jogcimek2.dat"
  (cd "$work" && QT_QPA_PLATFORM=offscreen exec "$prog/lavindor" >"$work/$1.txt" 2>&1) &
  local pid=$!
  pids+=("$pid")
  for _ in $(seq 1 300); do
    [ -f "$prog/Jogcimek2.dat" ] && break
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
  done
  kill -0 "$pid" 2>/dev/null || { cat "$work/$1.txt"; fail "$1 ended on its own"; }
  started=$pid
}

# Every file of the folder with its size, time and checksum.
snapshot() { (cd "$prog" && find . -type f -printf '%p %s %T@\n' | sort && find . -type f -exec md5sum {} + | sort); }

start first
first=$started
sleep 0.5
before=$(snapshot)

(cd "$work" && QT_QPA_PLATFORM=offscreen exec "$prog/lavindor" >"$work/second.txt" 2>&1) &
second=$!
pids+=("$second")
for _ in $(seq 1 300); do
  grep -q "A program már fut ebből a mappából" "$work/second.txt" && break
  kill -0 "$second" 2>/dev/null || break
  sleep 0.1
done
grep -q "A program már fut ebből a mappából" "$work/second.txt" || { cat "$work/second.txt"; fail "no message from the second start"; }
sleep 0.3
kill -0 "$second" 2>/dev/null || fail "the second start ended before its message box was answered"
terminate "$second" 100 "the second start"
[ "$rc" -eq 1 ] || fail "the second start ended with $rc, not 1"
[ "$(snapshot)" = "$before" ] || fail "the second start changed the folder"
kill -0 "$first" 2>/dev/null || fail "the first program ended"

# A killed program's lock ends with it.
kill -KILL "$first"
wait "$first" 2>/dev/null
start third
third=$started
terminate "$third" 100 "the third start"
[ "$rc" -eq 0 ] || { cat "$work/third.txt"; fail "the third start ended with $rc"; }

# A lock file emptied by a crash ten minutes ago stops no start.
: >"$prog/lavindor.lock"
touch -d '10 minutes ago' "$prog/lavindor.lock"
start fourth
fourth=$started
terminate "$fourth" 100 "the fourth start"
[ "$rc" -eq 0 ] || { cat "$work/fourth.txt"; fail "the fourth start ended with $rc"; }
echo "OK"
