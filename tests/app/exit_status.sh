#!/bin/sh
# The program as a process: start-up failures told in at most three lines in the user's language;
# quit signals end it with status 0 from the first moment; no Korean font: one line on it.
set -u
program=$1 fonts_without_hangul=$2
failed=0
fail() { echo "FAIL: $*"; failed=1; }

# cannot_start NAME TEXT SETTINGS...: with these display settings it fails with status 1,
# saying TEXT in at most three lines (no core dump).
cannot_start() {
  name=$1 text=$2
  shift 2
  out=$(env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM= "$@" "$program" 2>&1)
  status=$? lines=$(printf '%s\n' "$out" | grep -c .)
  [ "$status" -eq 1 ] && [ "$lines" -le 3 ] || fail "$name: status $status, $lines lines: $out"
  case "$out" in *"$text"*) ;; *) fail "$name: expected '$text' in: $out" ;; esac
}
cannot_start "no display" "cannot open a display (is DISPLAY set?)"
case "$lines $out" in "1 "*xvfb-run*) ;; *) fail "no display: not one line of advice: $out" ;; esac
cannot_start "no display, in Korean" "디스플레이를 열 수 없습니다" LANGUAGE=ko
cannot_start "unknown platform" "platform 'no-such'" QT_QPA_PLATFORM=no-such
cannot_start "no X server" "X display ':9999'" DISPLAY=:9999
cannot_start "no Wayland compositor" "Wayland display 'no-such'" WAYLAND_DISPLAY=no-such \
  XDG_SESSION_TYPE=wayland
case "$out" in *"is DISPLAY set"*) fail "Wayland: blamed DISPLAY: $out" ;; esac

# Once it has taken SIGTERM over (bit 15 of the caught-signals mask) and come up: a signal. A
# shell without job control starts a program in the background with SIGINT ignored, which the
# program keeps; perl starts it as a terminal's shell does, with SIGINT at its default.
errors=$(mktemp)
trap 'rm -f "$errors"' EXIT
for signal in TERM INT HUP; do
  QT_QPA_PLATFORM=offscreen FONTCONFIG_FILE="$fonts_without_hangul" \
    perl -e '$SIG{INT} = "DEFAULT"; exec @ARGV or exit 127' "$program" 2>"$errors" &
  pid=$! tries=0
  until mask=$(sed -n 's/^SigCgt:\s*//p' "/proc/$pid/status") && [ $((0x$mask >> 14 & 1)) = 1 ] ||
    [ $((tries += 1)) -gt 200 ]; do sleep 0.05; done
  sleep 0.2 && kill -s "$signal" "$pid"
  wait "$pid" || fail "SIG$signal: exit status $?"
  [ "$(grep -c fonts-nanum "$errors")" -eq 1 ] || fail "no one line naming fonts-nanum: $(cat "$errors")"

  # The same signal before the toolkit has even started: pending at exec (blocked, raised).
  QT_QPA_PLATFORM=offscreen timeout 30 perl -MPOSIX -e 'my $s = POSIX->can("SIG" . shift)->();
    sigprocmask(SIG_BLOCK, POSIX::SigSet->new($s)); kill $s, $$; exec @ARGV or exit 127;' \
    "$signal" "$program" 2>/dev/null ||
    fail "SIG$signal before start-up: exit status $?"
done

[ "$failed" -eq 0 ] && echo "exit status checks passed"
exit "$failed"
