#!/bin/bash
# Start-up of the program with many payers under Xvfb: the time from starting the program until
# its main window is viewable (the payer list is loaded before the window is shown), and the
# peak memory of the program at that moment. Several runs; prints each run and min / median.
#   bench/startup_xvfb.sh BUILD_DIR [PAYERS] [RUNS]
# BUILD_DIR holds the built lavindor and payers_bench (a Release build).
set -u
build="${1:?build folder}"
payers="${2:-1000000}"
runs="${3:-5}"
work=$(mktemp -d)
xpid=""
lpid=""
cleanup() {
  [ -n "$lpid" ] && kill -KILL "$lpid" 2>/dev/null
  [ -n "$xpid" ] && kill "$xpid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
prog="$work/program"
mkdir -p "$prog"
cp "$build/lavindor" "$prog/lavindor"
"$build/bench/payers_bench" "$payers" --write "$prog/nevek1.dat" || { echo "cannot write the payers"; exit 1; }

# A display of our own.
disp=$((100 + RANDOM % 800))
while [ -e "/tmp/.X11-unix/X$disp" ]; do disp=$((disp + 1)); done
Xvfb ":$disp" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xpid=$!
for _ in $(seq 1 100); do [ -e "/tmp/.X11-unix/X$disp" ] && break; sleep 0.05; done
export DISPLAY=":$disp"
unset QT_QPA_PLATFORM

cat "$prog/nevek1.dat" >/dev/null  # warm the cache
times=()
for r in $(seq 1 "$runs"); do
  start=$(date +%s%N)
  "$prog/lavindor" >"$work/out.txt" 2>&1 &
  lpid=$!
  shown=""
  while kill -0 "$lpid" 2>/dev/null; do
    id=$(xwininfo -root -tree 2>/dev/null | awk '/"Lavindor program/ {print $1; exit}')
    if [ -n "$id" ] && xwininfo -id "$id" 2>/dev/null | grep -q IsViewable; then shown=$(date +%s%N); break; fi
    sleep 0.01
  done
  [ -n "$shown" ] || { cat "$work/out.txt"; echo "the program ended before its window was shown"; exit 1; }
  ms=$(( (shown - start) / 1000000 ))
  sleep 0.3
  hwm=$(awk '/VmHWM/ {print int($2 / 1024)}' "/proc/$lpid/status")
  echo "run $r: main window after $ms ms, peak memory $hwm MB"
  times+=("$ms")
  kill -TERM "$lpid"
  wait "$lpid" 2>/dev/null
  lpid=""
done
sorted=($(printf '%s\n' "${times[@]}" | sort -n))
echo "$payers payers: min ${sorted[0]} ms, median ${sorted[$(( ${#sorted[@]} / 2 ))]} ms"
