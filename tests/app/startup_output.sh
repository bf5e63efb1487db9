#!/bin/sh
# What the program prints while it starts, in hostile environments: its start-up report in plain
# lines, with no stray punctuation, no raw control characters, the hint for the platform that
# failed and a lack of descriptors named as such; a closed pipe on its standard error stream does
# not kill it; and whatever was printed before a crash during start-up still comes out. The
# descriptor limits are skipped under the sanitizers, whose runtime needs descriptors of its own
# to check memory (it then takes good objects for bad ones).
set -u
program=$1 platforms=$2 sanitized=$3
failed=0
fail() { echo "FAIL: $*"; failed=1; }
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
export LC_ALL=C.UTF-8 LANGUAGE= QT_QPA_PLATFORM=
esc=$(printf '\033') bel=$(printf '\007')

# fails_to_start NAME SETTINGS...: with these settings (and no display unless they name one) it
# ends with status 1, saying at most three lines; they are left in $out.
fails_to_start() {
  name=$1 && shift
  out=$(env -u DISPLAY -u WAYLAND_DISPLAY "$@" "$program" 2>&1)
  status=$? lines=$(printf '%s\n' "$out" | grep -c .)
  [ "$status" -eq 1 ] && [ "$lines" -le 3 ] || fail "$name: status $status, $lines lines: $out"
}

# A Wayland display that is not there, on a Wayland desktop: the hint is Wayland's, not X's.
fails_to_start "Wayland only" WAYLAND_DISPLAY=no-such XDG_SESSION_TYPE=wayland
case "$out" in *"Wayland compositor"*) ;; *) fail "Wayland only: no Wayland hint: $out" ;; esac
case "$out" in *"X server"* | *XAUTHORITY* | *"X display"*) fail "Wayland only: X blamed: $out" ;; esac

# Control characters in the environment and in the program's name are shown, not acted on.
fails_to_start "DISPLAY with escapes" DISPLAY="$esc]0;PWNED$bel$esc[2J:139"
case "$out" in *"$esc"* | *"$bel"*) fail "DISPLAY with escapes: raw control characters" ;; esac
case "$out" in *"'<U+001B>]0;PWNED<U+0007><U+001B>[2J:139'"*) ;; *) fail "DISPLAY hidden: $out" ;; esac
ln -s "$program" "$scratch/quiz$esc[2J"
real=$program program="$scratch/quiz$esc[2J"
fails_to_start "name with escapes"
program=$real
case "$out" in "quiz<U+001B>[2J: cannot open a display"*) ;; *) fail "name with escapes: $out" ;; esac

# Too few descriptors to load a platform plugin: said so, not blamed on the plugin.
[ "$sanitized" = 1 ] && echo "SKIP: descriptor limits under the sanitizers"
[ "$sanitized" = 1 ] || for limit in 6 7 8; do
  out=$(QT_QPA_PLATFORM=offscreen sh -c 'ulimit -n "$1" && exec "$2"' - $limit "$program" 2>&1)
  status=$? lines=$(printf '%s\n' "$out" | grep -c .)
  case "$status $lines $out" in "1 "[123]" "*"too few file descriptors: at most $limit may be open"*) ;;
    *) fail "ulimit -n $limit: status $status, $lines lines: $out" ;; esac
done

# Its standard error stream a pipe that nobody reads: the report is lost, the status is not.
perl -e 'pipe(my $r, my $w) or die; close $r; open(STDERR, ">&", $w) or die; exec @ARGV' \
  env -u DISPLAY WAYLAND_DISPLAY=no-such XDG_SESSION_TYPE=wayland "$program"
status=$?
[ "$status" -eq 1 ] || fail "stderr a closed pipe: status $status"

# Qt's platform plugin for Wayland fails and the program starts offscreen: what Qt said about it
# comes out as Qt writes it, with no stray ": " where a category would stand.
QT_QPA_PLATFORM="wayland;offscreen" WAYLAND_DISPLAY=no-such "$program" 2>"$scratch/log" &
pid=$! tries=0
until grep -q wl_display "$scratch/log" || [ $((tries += 1)) -gt 300 ]; do sleep 0.1; done
kill -TERM $pid && wait $pid || fail "after Wayland, offscreen: status $?"
grep -q wl_display "$scratch/log" || fail "after Wayland, offscreen: nothing said of Wayland"
grep '^:' "$scratch/log" && fail "after Wayland, offscreen: stray punctuation (above)"

# A library that crashes, or ends the process, while the toolkit loads it: what was said before
# comes out, through Qt and straight to the stream alike. (Under AddressSanitizer a fault ends
# with its report and status 1.)
export QT_QPA_PLATFORM_PLUGIN_PATH="$platforms"
for how in segv:139 abort:134 exit:3; do
  QUIZ_CRASH_PLATFORM=${how%:*} QT_QPA_PLATFORM=crashing "$program" 2>"$scratch/log"
  status=$?
  [ "$status" -eq "${how#*:}" ] || { [ "$how" = segv:139 ] && [ "$status" -eq 1 ]; } ||
    fail "${how%:*}: status $status"
  for said in "loaded to ${how%:*}" "a line of its own"; do
    grep -q "^crashing platform: $said" "$scratch/log" ||
      fail "${how%:*}: '$said' lost: $(head -c 500 "$scratch/log")"
  done
done

# Messages from four threads at once while the toolkit starts: each comes out once.
QUIZ_CRASH_PLATFORM=threads QT_QPA_PLATFORM="crashing;offscreen" "$program" 2>"$scratch/log" &
pid=$! tries=0
until grep -q 'thread 3, message 249$' "$scratch/log" || [ $((tries += 1)) -gt 300 ]; do
  sleep 0.1
done
kill -TERM $pid && wait $pid || fail "threads: status $?"
grep '^crashing platform: thread [0-3], message [0-9]*$' "$scratch/log" >"$scratch/said"
said=$(grep -c . "$scratch/said") once=$(sort -u "$scratch/said" | grep -c .)
[ "$said" -eq 1000 ] && [ "$once" -eq 1000 ] || fail "threads: $said lines, $once messages of 1000"

[ "$failed" -eq 0 ] && echo "start-up output checks passed"
exit "$failed"
