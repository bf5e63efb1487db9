#!/bin/sh
# The display going away (a logout, an ssh -X session ending) ends the program with status 1 and
# at most one line on stderr, never a crash, idle or under a verdict or an error report; on X11
# (Xvfb) and Wayland (weston). Its window is the one the desktop entry promises: X11 class
# StartupWMClass, title beginning with Name[ko], the entry's id as app id. Skipped (77) without.
set -u
program=$1 entry=$2
app_id=$(basename "$entry" .desktop)
wm_class=$(sed -n 's/^StartupWMClass=//p' "$entry")
name=$(sed -n 's/^Name\[ko\]=//p' "$entry")
command -v Xvfb >/dev/null && command -v xdotool >/dev/null && command -v weston >/dev/null ||
  { echo "SKIP: needs Xvfb, xdotool and weston"; exit 77; }
failed=0
fail() { echo "FAIL: $*"; failed=1; }
scratch=$(mktemp -d) server=""
trap 'kill -KILL $server 2>/dev/null; rm -rf "$scratch"' EXIT
export XDG_RUNTIME_DIR="$scratch" QT_QPA_PLATFORM=
# xdotool finds a Korean title only in a UTF-8 locale. Windows left to the system are no leak.
export LC_ALL=C.UTF-8 LANGUAGE= ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0"

# wait_until CONDITION: for a minute at most (a loaded machine may take that long).
wait_until() { tries=0 && until eval "$1" || [ $((tries += 1)) -gt 600 ]; do sleep 0.1; done; }
# ends_cleanly NAME PID LOG [STATUS]: once the server is killed, the program ends with status 1
# (or STATUS) and at most one line in LOG besides the protocol log's "[time stamp] ..." lines; a
# line said twice counts once (Qt's Wayland plugin may say it from two threads at once).
ends_cleanly() {
  kill -TERM "$server" && wait "$server" 2>/dev/null
  status=0 && wait "$2" || status=$?
  lines=$(grep -v '^\[' "$3" | sort -u | grep -c .)
  { [ "$status" -eq 1 ] || [ "$status" -eq "${4:-1}" ]; } && [ "$lines" -le 1 ] ||
    fail "$1: status $status, $lines lines: $(grep -v "^\\[" "$3")"
}

# X11, with the window idle, a verdict box up, an error report up.
for moment in idle: verdict:2 error:abc; do
  rm -f "$scratch/display"
  Xvfb -displayfd 3 -nolisten tcp 3>"$scratch/display" 2>/dev/null & server=$!
  wait_until '[ -s "$scratch/display" ]'
  export DISPLAY=":$(cat "$scratch/display")"
  "$program" 2>"$scratch/err" & pid=$!
  window=$(timeout 60 xdotool search --sync --onlyvisible --name "^$name" | head -n 1)
  xdotool search --class "^$wm_class\$" | grep -qx "${window:-none}" ||
    fail "$moment: no window '$name…' of class '$wm_class'"
  if [ -n "${moment#*:}" ] && [ -n "$window" ]; then
    # Clicks at the designed places of the entry box and the button, which need no focus to
    # have settled first; no window manager gives the window the keyboard: xdotool does.
    xdotool windowfocus --sync "$window" mousemove --window "$window" 84 352 click 1
    xdotool type "${moment#*:}"
    xdotool mousemove --window "$window" 173 348 click 1
    timeout 60 xdotool search --sync --onlyvisible --name '^korean-history-quiz$' >/dev/null ||
      fail "$moment: no box came up"
  fi
  ends_cleanly "X11, ${moment%:*}" "$pid" "$scratch/err"
done

# Wayland: the app id, then the compositor going away.
weston --backend=headless-backend.so --socket=display-loss --idle-time=0 \
  >"$scratch/weston.log" 2>&1 & server=$!
wait_until '[ -S "$scratch/display-loss" ]'
WAYLAND_DISPLAY=display-loss WAYLAND_DEBUG=1 QT_QPA_PLATFORM=wayland "$program" 2>"$scratch/log" &
pid=$!
wait_until 'grep -q set_app_id "$scratch/log"'
grep -q "set_app_id(\"$app_id\")" "$scratch/log" ||
  fail "Wayland app id: $(grep -o 'set_app_id([^)]*)' "$scratch/log" || echo none)"
sleep 0.5
# Qt's Wayland plugin ends the process itself, as it does any Qt program's: with status 1 in
# Qt 6.4 (Debian 12), 255 in Qt 6.8 (Debian 13).
ends_cleanly Wayland "$pid" "$scratch/log" 255

[ "$failed" -eq 0 ] && echo "display loss checks passed"
exit "$failed"
