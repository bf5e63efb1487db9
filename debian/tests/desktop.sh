# A private desktop for one test, sourced by the tests beside it: a virtual X display (Xvfb)
# with a window manager (Openbox), and the quiz started from its installed desktop entry.
# Everything started here is ended by its PID when the test ends.
#
# Against a build tree instead of the installed package:
#   PATH=$PWD/build/release/app:$PATH QUIZ_DESKTOP_ENTRY=packaging/io....desktop debian/tests/window
set -u

title='역사 문제들!!!'
box_title='^korean-history-quiz$'
entry=${QUIZ_DESKTOP_ENTRY:-/usr/share/applications/io.github.koreanhistoryquiz.KoreanHistoryQuiz.desktop}
work=$(mktemp -d "${AUTOPKGTEST_TMP:-${TMPDIR:-/tmp}}/desktop.XXXXXX")
server="" manager="" quiz=""
# The X server ended with SIGTERM, so that it removes its lock and socket.
cleanup() {
  [ -z "$quiz" ] || kill -KILL "$quiz" 2>/dev/null
  for p in $manager $server; do kill -TERM "$p" 2>/dev/null; done
  wait
  rm -rf "$work"
}
trap cleanup EXIT

# A session of its own: runtime directory, no session bus, English messages (xdotool matches the
# Korean title only in a UTF-8 locale).
mkdir -m 700 "$work/runtime"
export XDG_RUNTIME_DIR="$work/runtime" HOME="$work" LC_ALL=C.UTF-8 LANGUAGE=
unset WAYLAND_DISPLAY DBUS_SESSION_BUS_ADDRESS QT_QPA_PLATFORM

fail() {
  echo "FAIL: $*" >&2
  if [ -s "$work/quiz.err" ]; then
    echo "the program's standard error:" >&2
    cat "$work/quiz.err" >&2
  fi
  exit 1
}

# within SECONDS CONDITION: true once CONDITION holds, false if it still does not after SECONDS.
within() {
  tries=$(($1 * 10))
  until eval "$2"; do
    [ $((tries -= 1)) -gt 0 ] || return 1
    sleep 0.1
  done
}

start_desktop() {
  Xvfb -displayfd 3 -noreset -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
  server=$!
  within 30 '[ -s "$work/display" ]' || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
  export DISPLAY=":$(cat "$work/display")"
  openbox --sm-disable >"$work/openbox.log" 2>&1 &
  manager=$!
  within 30 'wmctrl -m >/dev/null 2>&1' || fail "Openbox did not start: $(cat "$work/openbox.log")"
}

# Starts the program as the desktop entry says, and waits for its window: sets quiz (the PID)
# and window (the X window).
start_quiz() {
  command=$(sed -n 's/^Exec=//p' "$entry")
  [ -n "$command" ] || fail "no Exec line in $entry"
  # shellcheck disable=SC2086 # the entry's command line, split as the desktop splits it
  set -- $command
  command -v "$1" >/dev/null || fail "the desktop entry starts '$1', which is not installed"
  "$@" 2>"$work/quiz.err" &
  quiz=$!
  window=$(timeout 60 xdotool search --sync --all --onlyvisible --pid "$quiz" --name "^$title\$" |
    head -n 1)
  if [ -z "$window" ]; then
    kill -0 "$quiz" 2>/dev/null && state="still runs" || state="has ended"
    shown=$(xdotool search --onlyvisible --name . 2>/dev/null | while read -r w; do
      printf "'%s' " "$(xdotool getwindowname "$w")"
    done)
    fail "no window titled '$title' within 60 s; the program $state; windows shown: ${shown:-none}"
  fi
  [ "$(xdotool getwindowname "$window")" = "$title" ] ||
    fail "the window is titled '$(xdotool getwindowname "$window")', not '$title'"
}

# ended STATUS SECONDS WHAT: the program ends within SECONDS with STATUS, its window gone and
# nothing said on standard error.
ended() {
  within "$2" '! kill -0 "$quiz" 2>/dev/null' || fail "$3: still running after $2 s"
  status=0
  wait "$quiz" || status=$?
  quiz=""
  [ "$status" -eq "$1" ] || fail "$3: exit status $status"
  [ -z "$(xdotool search --onlyvisible --name "^$title\$" 2>/dev/null)" ] ||
    fail "$3: the window is still there"
  [ ! -s "$work/quiz.err" ] || fail "$3: the program wrote to standard error"
}
