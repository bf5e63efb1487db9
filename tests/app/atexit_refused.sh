#!/bin/sh
# When the program cannot register the exit handler that tears its windows down before the
# toolkit's static objects go (the C library out of memory), a quit signal still ends it with
# status 0, never a crash at exit.
set -u
program=$1 refuse=$2
log=$(mktemp)
trap 'rm -f "$log"' EXIT
# The windows left to the system at exit are no leak; the preloaded library comes before the
# sanitizers' runtime.
export QT_QPA_PLATFORM=offscreen REFUSED_ATEXIT_LOG="$log" \
  ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0:verify_asan_link_order=0"
failed=0
for run in 1 2 3; do
  LD_PRELOAD=$refuse "$program" 2>/dev/null & pid=$!
  # Up (the toolkit started, the handler refused), then SIGTERM.
  tries=0
  until [ -s "$log" ] || [ $((tries += 1)) -gt 600 ]; do sleep 0.1; done
  [ -s "$log" ] || { echo "FAIL: run $run: no exit handler was refused within 60 s"; failed=1; }
  sleep 0.5 && kill -TERM "$pid"
  status=0 && wait "$pid" || status=$?
  [ "$status" -eq 0 ] || { echo "FAIL: run $run: exit status $status after SIGTERM"; failed=1; }
  : >"$log"
done
[ "$failed" -eq 0 ] && echo "ended with status 0 each time its exit handler was refused"
exit "$failed"
