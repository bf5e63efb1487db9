#!/bin/sh
# What the program says while it starts in hostile settings: a failure in at most three plain
# lines in the user's language, with the hint for the platform that failed, control characters
# shown and not acted on; a closed standard error stream costs only the report; what Qt or a
# crashing library said before still comes out, each message once; no Korean font: one line on
# it. Descriptor limits are skipped under the sanitizers, whose runtime needs descriptors itself.
set -u
program=$1 platforms=$2 fonts_without_hangul=$3 sanitized=$4
failed=0
fail() { echo "FAIL: $*"; failed=1; }
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
export LC_ALL=C.UTF-8 LANGUAGE= QT_QPA_PLATFORM=
esc=$(printf '\033') bel=$(printf '\007')

# fails NAME TEXT SETTINGS...: with these settings (no display unless they name one) it ends
# with status 1 and at most three lines saying TEXT, with no raw control characters ($out).
fails() {
  name=$1 text=$2 && shift 2
  out=$(env -u DISPLAY -u WAYLAND_DISPLAY "$@" "$program" 2>&1)
  status=$? lines=$(printf '%s\n' "$out" | grep -c .)
  [ "$status" -eq 1 ] && [ "$lines" -le 3 ] || fail "$name: status $status, $lines lines: $out"
  case "$out" in *"$text"*) ;; *) fail "$name: no '$text' in: $out" ;; esac
  case "$out" in *"$esc"* | *"$bel"*) fail "$name: raw control characters" ;; esac
}
fails "no display" "cannot open a display (is DISPLAY set?)"
case "$lines $out" in "1 "*xvfb-run*) ;; *) fail "no display: not one line of advice: $out" ;; esac
fails "no display, in Korean" "디스플레이를 열 수 없습니다" LANGUAGE=ko
fails "unknown platform" "platform 'no-such'" QT_QPA_PLATFORM=no-such
fails "no X server" "X display ':9999'" DISPLAY=:9999
fails "Wayland only" "Wayland display 'no-such'" WAYLAND_DISPLAY=no-such XDG_SESSION_TYPE=wayland
case "$out" in *"Wayland compositor"*) ;; *) fail "Wayland only: no Wayland hint: $out" ;; esac
case "$out" in *DISPLAY* | *"X server"* | *XAUTHORITY* | *"X display"*) fail "Wayland only: X blamed: $out" ;; esac
fails "DISPLAY with escapes" "'<U+001B>]0;PWNED<U+0007><U+001B>[2J:139'" \
  DISPLAY="$esc]0;PWNED$bel$esc[2J:139"
ln -s "$program" "$scratch/quiz$esc[2J"
real=$program program="$scratch/quiz$esc[2J"
fails "name with escapes" "quiz<U+001B>[2J: cannot open a display"
program=$real
case "$out" in "quiz<U+001B>"*) ;; *) fail "name with escapes: not its bare name first: $out" ;; esac
# Too few descriptors to load a platform plugin: said so, not blamed on the plugin.
[ "$sanitized" = 1 ] && echo "SKIP: descriptor limits under the sanitizers"
[ "$sanitized" = 1 ] || for limit in 6 7 8; do
  fails "ulimit -n $limit" "too few file descriptors: at most $limit may be open" \
    QT_QPA_PLATFORM=offscreen sh -c 'ulimit -n "$1" && exec "$2"' - $limit
done

# Its standard error stream a pipe that nobody reads: the report is lost, the status is not.
perl -e 'pipe(my $r, my $w) or die; close $r; open(STDERR, ">&", $w) or die; exec @ARGV' \
  env -u DISPLAY WAYLAND_DISPLAY=no-such XDG_SESSION_TYPE=wayland "$program"
status=$? && [ $status -eq 1 ] || fail "stderr a closed pipe: status $status"

# runs NAME UNTIL: started in the background (settings in the environment), once its log shows
# UNTIL (a minute at most) a SIGTERM ends it with status 0.
runs() {
  "$program" 2>"$scratch/log" & pid=$! tries=0
  until grep -q "$2" "$scratch/log" || [ $((tries += 1)) -gt 600 ]; do sleep 0.1; done
  kill -TERM $pid && wait $pid || fail "$1: status $?"
}
# Wayland fails and it starts offscreen: Qt's words come out as Qt writes them, with no stray
# ": " where a category would stand; and the one line on the lack of a Korean font. Qt 6.8's
# Wayland plugin, failing, leaves the services object it made (QGenericUnixServices) behind,
# wholly inside Qt: no leak check here.
QT_QPA_PLATFORM="wayland;offscreen" WAYLAND_DISPLAY=no-such \
  ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0" \
  FONTCONFIG_FILE="$fonts_without_hangul" runs "after Wayland, offscreen" fonts-nanum
grep -q wl_display "$scratch/log" || fail "after Wayland, offscreen: nothing said of Wayland"
grep '^:' "$scratch/log" && fail "after Wayland, offscreen: stray punctuation (above)"
[ "$(grep -c fonts-nanum "$scratch/log")" -eq 1 ] || fail "no one line naming fonts-nanum"

# A library that crashes, or ends the process, while the toolkit loads it: what was said before
# comes out, through Qt and straight to the stream alike (AddressSanitizer ends a fault with 1).
export QT_QPA_PLATFORM_PLUGIN_PATH="$platforms"
for how in segv:139 abort:134 exit:3; do
  QUIZ_CRASH_PLATFORM=${how%:*} QT_QPA_PLATFORM=crashing "$program" 2>"$scratch/log"
  status=$?
  [ "$status" -eq "${how#*:}" ] || [ "$how$status" = segv:1391 ] || fail "${how%:*}: status $status"
  for said in "loaded to ${how%:*}" "a line of its own"; do
    grep -q "^crashing platform: $said" "$scratch/log" ||
      fail "${how%:*}: '$said' lost: $(head -c 500 "$scratch/log")"
  done
done
# Messages from four threads at once while the toolkit starts: each comes out once.
QUIZ_CRASH_PLATFORM=threads QT_QPA_PLATFORM="crashing;offscreen" runs threads 'thread 3, message 249$'
grep '^crashing platform: thread [0-3], message [0-9]*$' "$scratch/log" >"$scratch/said"
said=$(grep -c . "$scratch/said") once=$(sort -u "$scratch/said" | grep -c .)
[ "$said" -eq 1000 ] && [ "$once" -eq 1000 ] || fail "threads: $said lines, $once messages of 1000"

[ "$failed" -eq 0 ] && echo "start-up checks passed"
exit "$failed"
