#!/bin/sh
# Quit signals in hostile settings: one the program was started with ignored stays ignored (and
# SIGPIPE is ignored); any other ends it within a second with status 0, also when its start-up
# has stalled, its descriptors or memory have run out, or a paint keeps its event loop busy for
# minutes. Where it can tell that it cannot start, it ends by itself with status 1 and says why.
# The starved and busy cases run on X11 (Xvfb), where they stall; they are skipped (77) without
# Xvfb and xdotool, and the memory limits under the sanitizers, whose runtime alone reserves more
# address space than the limits allow.
set -u
program=$1 sanitized=$2
failed=0
fail() { echo "FAIL: $*"; failed=1; }
scratch=$(mktemp -d) server=""
trap 'kill -KILL $server 2>/dev/null; rm -rf "$scratch"' EXIT
export LC_ALL=C.UTF-8 LANGUAGE= QT_QPA_PLATFORM=

# has MASK PID SIGNAL: whether SIGNAL's bit is set in the program's mask (SigCgt: caught, SigIgn:
# ignored).
has() { mask=$(sed -n "s/^$1:\\s*//p" "/proc/$2/status" 2>/dev/null) && [ $((0x$mask >> ($3 - 1) & 1)) = 1 ]; }
# wait_for CONDITION [TENTHS]: until it holds, for a minute at most (or TENTHS of a second).
wait_for() { tries=0 && until eval "$1" || [ $((tries += 1)) -gt "${2:-600}" ]; do sleep 0.1; done; }
# ends_within NAME PID [SHORTAGE]: the program, sent SIGTERM, ends within 5 seconds with status
# 0, or (if it found that SHORTAGE keeps it from starting) with status 1 and at most three lines
# naming SHORTAGE.
ends_within() {
  kill -TERM "$2" 2>/dev/null
  wait_for "! kill -0 $2 2>/dev/null" 50
  kill -KILL "$2" 2>/dev/null && { fail "$1: still running 5 s after SIGTERM"; wait "$2"; return; }
  status=0 && wait "$2" || status=$?
  [ "$status" -eq 0 ] || told "$1" "$status" "${3:-}"
}
# told NAME STATUS SHORTAGE: the program ended with status 1 and said that SHORTAGE kept it from
# starting, in at most three lines.
told() {
  [ "$2" -eq 1 ] && [ -n "$3" ] && [ "$(grep -c . "$scratch/err")" -le 3 ] &&
    grep -q "$3" "$scratch/err" || fail "$1: status $2: $(head -c 400 "$scratch/err")"
}

# Started with SIGHUP and SIGINT ignored (nohup, a shell's trap '' HUP): they stay so.
QT_QPA_PLATFORM=offscreen perl -e '$SIG{HUP} = $SIG{INT} = "IGNORE"; exec @ARGV or exit 127' \
  "$program" 2>"$scratch/err" &
pid=$!
wait_for "has SigCgt $pid 15"
for signal in 1 2 13; do
  has SigIgn $pid $signal && ! has SigCgt $pid $signal || fail "signal $signal not ignored"
done
kill -HUP $pid && kill -INT $pid
ends_within "HUP and INT ignored" $pid

command -v Xvfb >/dev/null && command -v xdotool >/dev/null ||
  { echo "SKIP: the starved and busy cases need Xvfb and xdotool"; exit $((failed ? 1 : 77)); }
rm -f "$scratch/display"
Xvfb -displayfd 3 -nolisten tcp 3>"$scratch/display" 2>/dev/null & server=$!
wait_for '[ -s "$scratch/display" ]'
export DISPLAY=":$(cat "$scratch/display")"

# starved NAME LIMIT WHEN SHORTAGE: under the ulimit option LIMIT the program either ends by
# itself with status 1, naming SHORTAGE in at most three lines, or a SIGTERM ends it once it
# has taken that signal over (WHEN: up) or shown its window (WHEN: shown).
starved() {
  sh -c 'ulimit $1 && exec "$2"' - "$2" "$program" 2>"$scratch/err" & pid=$!
  if [ "$3" = shown ]; then
    wait_for "! kill -0 $pid 2>/dev/null || xdotool search --onlyvisible --pid $pid >/dev/null 2>&1"
  else
    wait_for "has SigCgt $pid 15 || ! kill -0 $pid 2>/dev/null"
  fi
  if kill -0 $pid 2>/dev/null; then
    ends_within "$1" $pid "$4"
  else
    status=0 && wait $pid || status=$?
    told "$1" "$status" "$4"
  fi
}
# Too few descriptors: GLib gives up on a thread's wake-up pipe and crashes, or the window comes
# up, then waits for ever for the shared memory it was to paint into, whose descriptor could not
# be passed to it.
for limit in 9 10 11 12 13; do
  starved "ulimit -n $limit" "-n $limit" shown "too few file descriptors"
done
# Too little memory: a thread the toolkit needs cannot start, or its X connection fails while it
# starts, or a reply it waits for never comes.
if [ "$sanitized" = 1 ]; then
  echo "SKIP: memory limits under the sanitizers"
else
  for limit in 80000 88000 92160 100000 105000 110000; do
    starved "ulimit -v $limit" "-v $limit" up "too little memory"
  done
fi

# A paint that takes minutes: a window a thousand times its size.
QT_SCALE_FACTOR=1000 "$program" 2>"$scratch/err" & pid=$!
wait_for "! kill -0 $pid 2>/dev/null || xdotool search --onlyvisible --pid $pid >/dev/null 2>&1"
ends_within "QT_SCALE_FACTOR=1000" $pid

[ "$failed" -eq 0 ] && echo "quit signal checks passed"
exit "$failed"
