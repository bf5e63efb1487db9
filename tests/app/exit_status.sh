#!/bin/sh
# The program as a process: where no display can be opened it says so in one line and fails;
# SIGTERM, SIGINT and SIGHUP end it as closing its window does, with exit status 0.
set -u
program=$1
failed=0
fail() { echo "FAIL: $*"; failed=1; }

out=$(env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM= "$program" 2>&1)
status=$?
if [ "$status" -eq 0 ] || [ "$status" -ge 128 ]; then
  fail "without a display: exit status $status, expected a plain failure"
fi
lines=$(printf '%s\n' "$out" | grep -c .)
case "$out" in
  *"cannot open a display"*xvfb-run*) [ "$lines" -eq 1 ] || fail "without a display: $lines lines: $out" ;;
  *) fail "without a display, it said: $out" ;;
esac

# A signal is only taken over once the program has set up its handler; wait for that, as seen
# in the caught-signals mask (SIGTERM is bit 15, counted from 1).
handles_sigterm() {
  mask=$(sed -n 's/^SigCgt:[[:space:]]*//p' "/proc/$1/status" 2>/dev/null)
  [ -n "$mask" ] && [ $(( 0x$mask >> 14 & 1 )) -eq 1 ]
}

for signal in TERM INT HUP; do
  QT_QPA_PLATFORM=offscreen "$program" 2>/dev/null &
  pid=$!
  tries=0
  until handles_sigterm "$pid"; do
    tries=$((tries + 1))
    [ "$tries" -le 200 ] || break
    sleep 0.05
  done
  sleep 0.2 # let the window come up and tick
  kill -s "$signal" "$pid"
  wait "$pid"
  status=$?
  [ "$status" -eq 0 ] || fail "SIG$signal: exit status $status"
done

[ "$failed" -eq 0 ] && echo "exit status checks passed"
exit "$failed"
