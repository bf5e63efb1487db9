#!/bin/sh
# The program as a process: where it cannot open a window it says why in at most three lines and
# fails; SIGTERM, SIGINT and SIGHUP end it as closing its window does, with exit status 0, from
# the first moment. On a machine without Korean fonts it says which package brings one and still
# opens its window.
set -u
program=$1
fonts_without_hangul=$2
failed=0
fail() { echo "FAIL: $*"; failed=1; }

# start_failure NAME TEXT SETTINGS...: started with these display settings, the program fails
# with status 1, saying TEXT in at most three lines and no core dump.
start_failure() {
  name=$1 text=$2
  shift 2
  out=$(env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM= "$@" "$program" 2>&1)
  status=$?
  lines=$(printf '%s\n' "$out" | grep -c .)
  [ "$status" -eq 1 ] || fail "$name: exit status $status, expected 1"
  [ "$lines" -le 3 ] || fail "$name: $lines lines: $out"
  case "$out" in
    *"$text"*) ;;
    *) fail "$name: expected '$text' in: $out" ;;
  esac
}
start_failure "no display" "cannot open a display (is DISPLAY set?)"
[ "$lines" -eq 1 ] || fail "no display: more than the one line of advice: $out"
case "$out" in *xvfb-run*) ;; *) fail "no display: no advice: $out" ;; esac
start_failure "unknown platform" 'platform "no-such-platform"' QT_QPA_PLATFORM=no-such-platform \
  DISPLAY=:0
start_failure "X server not there" 'X display ":9999"' DISPLAY=:9999
start_failure "Wayland without a compositor" 'Wayland display "no-such-compositor"' \
  WAYLAND_DISPLAY=no-such-compositor XDG_SESSION_TYPE=wayland
case "$out" in *"is DISPLAY set"*) fail "Wayland: blamed DISPLAY: $out" ;; esac

# A signal is only taken over once the program has set up its handler; wait for that, as seen
# in the caught-signals mask (SIGTERM is bit 15, counted from 1).
handles_sigterm() {
  mask=$(sed -n 's/^SigCgt:[[:space:]]*//p' "/proc/$1/status" 2>/dev/null)
  [ -n "$mask" ] && [ $(( 0x$mask >> 14 & 1 )) -eq 1 ]
}

# started SETTINGS...: starts the program on the offscreen platform and waits until it has come
# up; its process id is in $pid, its standard error goes to $errors.
errors=$(mktemp)
trap 'rm -f "$errors"' EXIT
started() {
  env QT_QPA_PLATFORM=offscreen "$@" "$program" 2>"$errors" &
  pid=$!
  tries=0
  until handles_sigterm "$pid"; do
    tries=$((tries + 1))
    [ "$tries" -le 200 ] || break
    sleep 0.05
  done
  sleep 0.2 # let the window come up and tick
}

for signal in TERM INT HUP; do
  started
  kill -s "$signal" "$pid"
  wait "$pid"
  status=$?
  [ "$status" -eq 0 ] || fail "SIG$signal: exit status $status"
done

started FONTCONFIG_FILE="$fonts_without_hangul"
kill -s TERM "$pid"
wait "$pid"
status=$?
[ "$status" -eq 0 ] || fail "without Korean fonts: exit status $status"
[ "$(grep -c 'fonts-nanum' "$errors")" -eq 1 ] ||
  fail "without Korean fonts: no one line naming fonts-nanum: $(cat "$errors")"

# A signal that comes before the toolkit has even started: the program is started with it
# already pending (blocked, raised, then exec), so it arrives at the very first moment.
for signal in TERM INT HUP; do
  QT_QPA_PLATFORM=offscreen timeout 30 perl -MPOSIX -e '
    my $signal = POSIX->can("SIG" . shift)->();
    sigprocmask(SIG_BLOCK, POSIX::SigSet->new($signal));
    kill $signal, $$;
    exec @ARGV or exit 127;' "$signal" "$program" 2>/dev/null
  status=$?
  [ "$status" -eq 0 ] || fail "SIG$signal before start-up: exit status $status"
done

[ "$failed" -eq 0 ] && echo "exit status checks passed"
exit "$failed"
