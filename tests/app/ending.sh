#!/bin/sh
# How the program ends. SIGTERM, SIGINT, SIGHUP: status 0, pending from before start-up or once
# up, with its own exit handlers refused (the C library out of memory) too, and within 5 s when
# start-up stalls, descriptors or memory run out or a paint takes minutes; status 1 saying why
# where it can tell that it cannot start. One it was started with ignored stays so, as SIGPIPE.
# The display going away (X11, Wayland), idle or under a verdict or error box: status 1, at most
# one line; its window is the one the desktop entry promises. Without Xvfb, xdotool and weston:
# 77 after the signals. Under the sanitizers, whose runtime alone reserves more address space
# than the memory limits allow, those are skipped.
set -u
program=$1 refuse=$2 entry=$3 sanitized=$4
failed=0
fail() { echo "FAIL: $*"; failed=1; }
scratch=$(mktemp -d) server=""
trap 'kill -KILL $server 2>/dev/null; rm -rf "$scratch"' EXIT
export LC_ALL=C.UTF-8 LANGUAGE= QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$scratch"

# has MASK PID SIGNAL: SIGNAL's bit is set in its mask (SigCgt: caught, SigIgn: ignored).
has() { mask=$(sed -n "s/^$1:\\s*//p" "/proc/$2/status" 2>/dev/null) && [ $((0x$mask >> ($3 - 1) & 1)) = 1 ]; }
# wait_for CONDITION [TENTHS]: until it holds, for a minute at most (or TENTHS of a second).
wait_for() { tries=0 && until eval "$1" || [ $((tries += 1)) -gt "${2:-600}" ]; do sleep 0.1; done; }
# ends NAME PID [SIGNAL [SHORTAGE]]: sent SIGNAL (TERM), it ends within 5 s with status 0, or
# (SHORTAGE keeping it from starting) with status 1, naming SHORTAGE in at most three lines.
ends() {
  kill -s "${3:-TERM}" "$2" 2>/dev/null
  wait_for "! kill -0 $2 2>/dev/null" 50
  kill -KILL "$2" 2>/dev/null && { fail "$1: still running 5 s after SIG${3:-TERM}"; wait "$2"; return; }
  status=0 && wait "$2" || status=$?
  [ "$status" -eq 0 ] || told "$1" "$status" "${4:-}"
}
told() {
  [ "$2" -eq 1 ] && [ -n "$3" ] && [ "$(grep -c . "$scratch/err")" -le 3 ] &&
    grep -q "$3" "$scratch/err" || fail "$1: status $2: $(head -c 400 "$scratch/err")"
}

# Started as from a terminal (without job control a shell ignores SIGINT for it), plain and with
# its exit handlers refused (RefuseAtExit.cpp, preloaded before the sanitizers' runtime).
for signal in TERM INT HUP; do
  for preload in "" "$refuse"; do
    : >"$scratch/refused"
    REFUSED_ATEXIT_LOG=$scratch/refused ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}${preload:+detect_leaks=0:verify_asan_link_order=0}" \
      perl -e '$SIG{INT} = "DEFAULT"; $ENV{LD_PRELOAD} = shift; exec @ARGV or exit 127' \
      "$preload" "$program" 2>/dev/null & pid=$!
    wait_for "has SigCgt $pid 15 && [ -s $scratch/refused -o -z '$preload' ]"
    [ -z "$preload" ] || [ -s "$scratch/refused" ] || fail "SIG$signal: no exit handler refused"
    sleep 0.3 && ends "SIG$signal${preload:+, exit handlers refused}" $pid $signal
  done
  # Pending at exec (blocked, raised) before the toolkit has even started.
  timeout 30 perl -MPOSIX -e 'my $s = POSIX->can("SIG" . shift)->();
    sigprocmask(SIG_BLOCK, POSIX::SigSet->new($s)); kill $s, $$; exec @ARGV or exit 127;' \
    "$signal" "$program" 2>/dev/null || fail "SIG$signal before start-up: exit status $?"
done
# Started with SIGHUP and SIGINT ignored (nohup, a shell's trap '' HUP): they stay so.
perl -e '$SIG{HUP} = $SIG{INT} = "IGNORE"; exec @ARGV or exit 127' "$program" 2>"$scratch/err" &
pid=$!
wait_for "has SigCgt $pid 15"
for signal in 1 2 13; do
  has SigIgn $pid $signal && ! has SigCgt $pid $signal || fail "signal $signal not ignored"
done
kill -HUP $pid && kill -INT $pid
ends "HUP and INT ignored" $pid

command -v Xvfb >/dev/null && command -v xdotool >/dev/null && command -v weston >/dev/null ||
  { echo "SKIP: the rest needs Xvfb, xdotool and weston"; exit $((failed ? 1 : 77)); }
export QT_QPA_PLATFORM=
x11() {
  rm -f "$scratch/display"
  Xvfb -displayfd 3 -nolisten tcp 3>"$scratch/display" 2>/dev/null & server=$!
  wait_for '[ -s "$scratch/display" ]'
  export DISPLAY=":$(cat "$scratch/display")"
}
x11

# starved NAME LIMIT SHORTAGE UNTIL: under the ulimit option LIMIT it ends by itself (see told),
# or SIGTERM ends it once UNTIL holds ($up: it took that signal over, $shown: its window shows).
up='has SigCgt $pid 15' shown='xdotool search --onlyvisible --pid $pid >/dev/null 2>&1'
starved() {
  sh -c 'ulimit $1 && exec "$2"' - "$2" "$program" 2>"$scratch/err" & pid=$!
  wait_for "! kill -0 $pid 2>/dev/null || $4"
  kill -0 $pid 2>/dev/null && { ends "$1" $pid TERM "$3"; return; }
  status=0 && wait $pid || status=$?
  told "$1" "$status" "$3"
}
# Too few descriptors: GLib gives up on a thread's wake-up pipe and crashes, or the window waits
# for ever for the shared memory it was to paint into. Too little memory: a thread the toolkit
# needs cannot start, its X connection fails while it starts, or a reply never comes.
for limit in 9 10 11 12 13; do
  starved "ulimit -n $limit" "-n $limit" "too few file descriptors" "$shown"
done
[ "$sanitized" = 1 ] && echo "SKIP: memory limits under the sanitizers"
[ "$sanitized" = 1 ] || for limit in 80000 88000 92160 100000 105000 110000; do
  starved "ulimit -v $limit" "-v $limit" "too little memory" "$up"
done
# A paint that takes minutes: a window a thousand times its size.
QT_SCALE_FACTOR=1000 starved QT_SCALE_FACTOR=1000 "-c 0" "" "$shown"

# lost NAME LOG [STATUS]: once the server is gone, the program ends with status 1 (or STATUS)
# and at most one line in LOG besides the protocol log's "[time stamp] ..." lines; a line said
# twice counts once (Qt's Wayland plugin may say it from two threads at once).
lost() {
  kill -TERM "$server" && wait "$server" 2>/dev/null
  status=0 && wait "$pid" || status=$?
  lines=$(grep -v '^\[' "$2" | sort -u | grep -c .)
  { [ "$status" -eq 1 ] || [ "$status" -eq "${3:-1}" ]; } && [ "$lines" -le 1 ] ||
    fail "$1: status $status, $lines lines: $(grep -v "^\\[" "$2")"
}
name=$(sed -n 's/^Name\[ko\]=//p' "$entry") wm_class=$(sed -n 's/^StartupWMClass=//p' "$entry")
# Windows left to the system at exit are no leak. xdotool finds Korean titles only in UTF-8.
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0"
kill -TERM "$server" && wait "$server" 2>/dev/null
for moment in idle: verdict:2 error:abc; do
  x11
  "$program" 2>"$scratch/err" & pid=$!
  window=$(timeout 60 xdotool search --sync --onlyvisible --name "^$name" | head -n 1)
  xdotool search --class "^$wm_class\$" | grep -qx "${window:-none}" ||
    fail "$moment: no window '$name…' of class '$wm_class'"
  if [ -n "${moment#*:}" ] && [ -n "$window" ]; then
    # At the designed places of the entry box and the button; xdotool gives it the keyboard.
    xdotool windowfocus --sync "$window" mousemove --window "$window" 84 352 click 1
    xdotool type "${moment#*:}"
    xdotool mousemove --window "$window" 173 348 click 1
    timeout 60 xdotool search --sync --onlyvisible --name '^korean-history-quiz$' >/dev/null ||
      fail "$moment: no box came up"
  fi
  lost "X11, ${moment%:*}" "$scratch/err"
done

# Wayland: the app id, then the compositor going away. Qt's Wayland plugin ends the process
# itself, as any Qt program's: with status 1 in Qt 6.4 (Debian 12), 255 in Qt 6.8 (Debian 13).
weston --backend=headless-backend.so --socket=display-loss --idle-time=0 \
  >"$scratch/weston.log" 2>&1 & server=$!
wait_for '[ -S "$scratch/display-loss" ]'
WAYLAND_DISPLAY=display-loss WAYLAND_DEBUG=1 QT_QPA_PLATFORM=wayland "$program" 2>"$scratch/log" &
pid=$!
wait_for 'grep -q set_app_id "$scratch/log"'
grep -q "set_app_id(\"$(basename "$entry" .desktop)\")" "$scratch/log" ||
  fail "Wayland app id: $(grep -o 'set_app_id([^)]*)' "$scratch/log" || echo none)"
sleep 0.5 && lost Wayland "$scratch/log" 255

[ "$failed" -eq 0 ] && echo "ending checks passed"
exit "$failed"
