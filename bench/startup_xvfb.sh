#!/bin/bash
# Start-up of the program with many payers under Xvfb, the list sorted by name (the saved list
# order ascending), for the repeated, distinct and lifelike payers of payers_bench, on 1, 2, 4
# and all the cores this script may use (the first K CPUs of its mask, taskset). Per run: the
# time from starting the program until its main window is viewable, the time until its rows are
# painted, and the peak memory of the program then. Rows painted: the window is viewable and the
# program's main thread, which loads, lays out and paints, has gone idle (no CPU time for
# 300 ms); the time is that of its last CPU time before. Beside each run, for scale on this
# machine at this moment: the raw read of the same nevek1.dat (dd, 1 MB blocks) and
# `LC_ALL=C sort` of the same names (UTF-8, one a line), on the same cores. Prints each run and
# min / median, and the start-up as a ratio to the sort.
#   bench/startup_xvfb.sh BUILD_DIR [PAYERS] [RUNS] [repeated|distinct|lifelike|all] [CORES]
# CORES: numbers of cores, separated by blanks or commas, "all" for the whole mask (default
# "1 2 4 all").
# BUILD_DIR holds the built lavindor and payers_bench (a Release build).
set -u
build="${1:?build folder}"
payers="${2:-1000000}"
runs="${3:-5}"
sets="${4:-all}"
[ "$sets" = all ] && sets="repeated distinct lifelike"
cores="${5:-1 2 4 all}"
cores="${cores//,/ }"
# The CPUs of this script's mask.
cpus=()
for r in $(taskset -pc $$ | sed 's/.*: *//; s/,/ /g'); do
  if [[ $r == *-* ]]; then cpus+=($(seq "${r%-*}" "${r#*-}")); else cpus+=("$r"); fi
done
# The CPU list of the first K of them (all of them for "all" or K beyond them).
cpu_list() {
  local k=$1 n=${#cpus[@]}
  { [ "$k" = all ] || [ "$k" -ge "$n" ]; } && k=$n
  local IFS=,
  echo "${cpus[*]:0:$k}"
}
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
sorted() { printf '%s\n' "$@" | sort -n; }
median() { local s=($(sorted "$@")); echo "min ${s[0]}, median ${s[$((${#s[@]} / 2))]}"; }
# Ratio a / b of the minimums and of the medians.
ratio() {
  local a=($(sorted $1)) b=($(sorted $2)) m=$((${#a[@]} / 2))
  awk -v a="${a[0]}" -v b="${b[0]}" -v c="${a[$m]}" -v d="${b[$m]}" 'BEGIN { printf "%.2fx min, %.2fx median", a / b, c / d }'
}
# Milliseconds (with one decimal) a command takes.
timed_ms() { local t0=$(now_us); "$@" >/dev/null 2>&1; local t1=$(now_us); awk -v d=$((t1 - t0)) 'BEGIN { printf "%.1f", d / 1000 }'; }

for set in $sets; do
  prog="$work/$set"
  "$build/bench/payers_bench" "$payers" --write "$prog" "$set" || { echo "cannot write the program folder"; exit 1; }
  "$build/bench/payers_bench" "$payers" --names "$work/names.txt" "$set" || { echo "cannot write the names"; exit 1; }
  cp "$build/lavindor" "$prog/lavindor"
  cat "$prog/nevek1.dat" "$work/names.txt" >/dev/null  # warm the cache
  done_lists=" "
  for k in $cores; do
    list=$(cpu_list "$k")
    case "$done_lists" in *" $list "*) continue ;; esac  # the same CPUs as before
    done_lists+="$list "
    ncores=$(awk -F, '{print NF}' <<<"$list")
    on="on $ncores core$([ "$ncores" = 1 ] || echo s) (CPUs $list)"
    shown_all=()
    painted_all=()
    raw_all=()
    sort_all=()
    for r in $(seq 1 "$runs"); do
      start=$(now_us)
      taskset -c "$list" "$prog/lavindor" >"$work/out.txt" 2>&1 &
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
      kill -TERM "$lpid"
      wait "$lpid" 2>/dev/null
      lpid=""
      raw_ms=$(timed_ms taskset -c "$list" dd if="$prog/nevek1.dat" of=/dev/null bs=1M)
      sort_ms=$(LC_ALL=C timed_ms taskset -c "$list" sort -o /dev/null "$work/names.txt")
      echo "$set $on, run $r: main window viewable after $shown_ms ms, rows painted after $painted_ms ms, peak memory $hwm MB;" \
        "raw read $raw_ms ms, LC_ALL=C sort of the names $sort_ms ms"
      shown_all+=("$shown_ms")
      painted_all+=("$painted_ms")
      raw_all+=("$raw_ms")
      sort_all+=("$sort_ms")
    done
    echo "$payers payers, $set, sorted by name, $on: window viewable $(median "${shown_all[@]}") ms; rows painted $(median "${painted_all[@]}") ms"
    echo "  raw read $(median "${raw_all[@]}") ms; LC_ALL=C sort $(median "${sort_all[@]}") ms;" \
      "rows painted / sort: $(ratio "${painted_all[*]}" "${sort_all[*]}"); rows painted / raw read: $(ratio "${painted_all[*]}" "${raw_all[*]}")"
  done
done
