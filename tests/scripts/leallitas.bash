# Shared by the scripts that start the program and end it; sourced, not run on its own.

fail() { echo "FAIL: $*"; exit 1; }

# Sends SIGTERM to process $1 and waits up to $2 tenths of a second for its end; a process
# still running then is killed and the script fails, naming the run $3. Its exit code in $rc.
terminate() {
  kill -TERM "$1"
  for _ in $(seq 1 "$2"); do
    kill -0 "$1" 2>/dev/null || break
    sleep 0.1
  done
  if kill -0 "$1" 2>/dev/null; then
    kill -KILL "$1"
    fail "$3: the program did not end within $(($2 / 10)) s of SIGTERM"
  fi
  wait "$1"
  rc=$?
}
