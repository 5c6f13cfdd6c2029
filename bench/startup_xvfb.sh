#!/bin/bash
# Start-up of the program with many payers under Xvfb, the list sorted by name (the saved list
# order ascending), for the repeated and the distinct payers of payers_bench. Per run: the time
# from starting the program until its main window is viewable, the time until its rows are
# painted, and the peak memory of the program then. Rows painted: the window is viewable and the
# program's main thread, which loads, lays out and paints, has gone idle (no CPU time for
# 300 ms); the time is that of its last CPU time before. Prints each run and min / median.
#   bench/startup_xvfb.sh BUILD_DIR [PAYERS] [RUNS] [repeated|distinct|both]
# BUILD_DIR holds the built lavindor and payers_bench (a Release build).
set -u
build="${1:?build folder}"
payers="${2:-1000000}"
runs="${3:-5}"
sets="${4:-both}"
[ "$sets" = both ] && sets="repeated distinct"
work=$(mktemp -d)
xpid=""
lpid=""
cleanup() {
  [ -n "$lpid" ] && kill -KILL "$lpid" 2>/dev/null
  [ -n "$xpid" ] && kill "$xpid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

# A display of our own; -noreset keeps it up between the runs (a reset after the last client
# left refuses the next one for a moment).
disp=$((100 + RANDOM % 800))
while [ -e "/tmp/.X11-unix/X$disp" ]; do disp=$((disp + 1)); done
Xvfb ":$disp" -screen 0 1280x1024x24 -nolisten tcp -noreset >/dev/null 2>&1 &
xpid=$!
for _ in $(seq 1 100); do [ -e "/tmp/.X11-unix/X$disp" ] && break; sleep 0.05; done
export DISPLAY=":$disp"
unset QT_QPA_PLATFORM

now_us() { echo $((${EPOCHREALTIME/./})); }
# The main thread's CPU time in ns.
cpu_ns() { local a; read -r a _ <"/proc/$1/task/$1/schedstat" 2>/dev/null && echo "$a"; }
median() { local s=($(printf '%s\n' "$@" | sort -n)); echo "min ${s[0]}, median ${s[$((${#s[@]} / 2))]}"; }

for set in $sets; do
  prog="$work/$set"
  arg=""
  [ "$set" = distinct ] && arg=distinct
  "$build/bench/payers_bench" "$payers" --write "$prog" $arg || { echo "cannot write the program folder"; exit 1; }
  cp "$build/lavindor" "$prog/lavindor"
  cat "$prog/nevek1.dat" >/dev/null  # warm the cache
  shown_all=()
  painted_all=()
  for r in $(seq 1 "$runs"); do
    start=$(now_us)
    "$prog/lavindor" >"$work/out.txt" 2>&1 &
    lpid=$!
    shown=""
    while kill -0 "$lpid" 2>/dev/null; do
      id=$(xwininfo -root -tree 2>/dev/null | awk '/"Lavindor program/ {print $1; exit}')
      if [ -n "$id" ] && xwininfo -id "$id" 2>/dev/null | grep -q IsViewable; then shown=$(now_us); break; fi
      sleep 0.005
    done
    [ -n "$shown" ] || { cat "$work/out.txt"; echo "the program ended before its window was shown"; exit 1; }
    last=$(cpu_ns "$lpid")
    busy=$shown
    while kill -0 "$lpid" 2>/dev/null; do
      sleep 0.005
      t=$(now_us)
      c=$(cpu_ns "$lpid")
      if [ "$c" != "$last" ]; then
        last=$c
        busy=$t
      elif [ $((t - busy)) -ge 300000 ]; then
        break
      fi
    done
    hwm=$(awk '/VmHWM/ {print int($2 / 1024)}' "/proc/$lpid/status")
    shown_ms=$(((shown - start) / 1000))
    painted_ms=$(((busy - start) / 1000))
    echo "$set, run $r: main window viewable after $shown_ms ms, rows painted after $painted_ms ms, peak memory $hwm MB"
    shown_all+=("$shown_ms")
    painted_all+=("$painted_ms")
    kill -TERM "$lpid"
    wait "$lpid" 2>/dev/null
    lpid=""
  done
  echo "$payers payers, $set, sorted by name: window viewable $(median "${shown_all[@]}") ms; rows painted $(median "${painted_all[@]}") ms"
done
