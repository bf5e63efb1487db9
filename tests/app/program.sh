#!/bin/sh
# The program in hostile settings: unable to start, it says why in at most three lines; a quit
# signal ends it with 0 within 5 s even where it stalls or starves; losing its display, with 1.
# Without Xvfb, xdotool and weston: 77 after the rest. Fewer limits under the sanitizers.
set -u
program=$1 platforms=$2 fonts_no_hangul=$3 entry=$4 sanitized=$5 short_of_memory=$6 fonts=$7
least=$8 # MB of address space
scratch=$(mktemp -d) server="" mute="" signal=TERM failed=0
log=$scratch/log esc=$(printf '\033') bel=$(printf '\007')
trap 'kill -KILL $server $mute 2>/dev/null; rm -rf "$scratch"' EXIT
export LC_ALL=C.UTF-8 LANGUAGE="" QT_QPA_PLATFORM="" XDG_RUNTIME_DIR="$scratch"
# The same machine whatever desktop it is run from: its own fonts, no session's bus, input method,
# theme, scale or locale.
export FONTCONFIG_FILE="$fonts" DBUS_SESSION_BUS_ADDRESS="unix:path=$scratch/no-bus"
unset DISPLAY WAYLAND_DISPLAY XAUTHORITY AT_SPI_BUS_ADDRESS QT_IM_MODULE XMODIFIERS GTK_IM_MODULE \
  QT_QPA_PLATFORMTHEME QT_STYLE_OVERRIDE GTK_MODULES KDE_FULL_SESSION XDG_CURRENT_DESKTOP \
  XDG_SESSION_TYPE XDG_SESSION_DESKTOP DESKTOP_SESSION QT_ACCESSIBILITY \
  QT_LINUX_ACCESSIBILITY_ALWAYS_ON QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS QT_FONT_DPI \
  QT_ENABLE_HIGHDPI_SCALING QT_AUTO_SCREEN_SCALE_FACTOR QT_SCALE_FACTOR_ROUNDING_POLICY \
  FONTCONFIG_PATH LANG LC_CTYPE LC_MESSAGES

fail() { echo "FAIL: $*"; failed=1; }
# wait_for CONDITION [TENTHS]: until it holds, for a minute at most (or TENTHS of a second).
wait_for() { n=0 && until eval "$1" || [ $((n += 1)) -gt "${2:-600}" ]; do sleep 0.1; done; }
# ends NAME STATUSES [TEXT [UNTIL]]: it ends by itself within a minute or, once UNTIL holds, within
# 5 s of a SIG$signal, with one of STATUSES; unless with 0, saying TEXT in at most three lines
# ($out: its log without a protocol log's "[" lines), control characters shown escaped.
ends() {
  wait_for "! kill -0 $pid 2>/dev/null || ${4:-false}"
  [ -n "${4:-}" ] && kill -s $signal $pid 2>/dev/null && wait_for "! kill -0 $pid 2>/dev/null" 50
  kill -KILL $pid 2>/dev/null && fail "$1: still running${4:+ 5 s after SIG$signal}"
  status=0 && wait $pid || status=$?
  out=$(grep -v '^\[' "$log") lines=$(grep -v '^\[' "$log" | grep -c .)
  case " $2 " in *" $status "*) ;; *) fail "$1: status $status: $out" ;; esac
  [ "$status" -eq 0 ] || case "$out" in
    *"$esc"* | *"$bel"*) fail "$1: raw control characters" ;;
    *"${3:-}"*) [ "$lines" -le 3 ] || fail "$1: $lines lines: $out" ;;
    *) fail "$1: no '$3' in: $out" ;;
  esac
}
# run NAME STATUSES [TEXT [UNTIL [SETTINGS...]]]: ends, started under env's SETTINGS in the
# background, stderr in $log, SIGINT as from a terminal (a shell without job control ignores it).
run() {
  name=$1 statuses=$2 text=${3:-} until=${4:-} && shift $(($# < 4 ? $# : 4))
  perl -e '$SIG{INT} = "DEFAULT"; exec @ARGV' env "$@" "$program" 2>"$log" & pid=$!
  ends "$name" "$statuses" "$text" "$until"
}

run "no display" 1 "cannot open a display (is DISPLAY set?)"
case "$lines $out" in "1 "*xvfb-run*) ;; *) fail "no display: not one line of advice: $out" ;; esac
run "no display, in Korean" 1 "디스플레이를 열 수 없습니다" "" LANGUAGE=ko
run "unknown platform" 1 "platform 'no-such'" "" QT_QPA_PLATFORM=no-such
run "no X server" 1 "X display ':9999'" "" DISPLAY=:9999
# A platform with no screen: said in two lines, the toolkit's reason in the second.
run "no framebuffer" 1 "it has no screen" "" QT_QPA_PLATFORM=linuxfb:fb=/no-such-fb
case "$lines $out" in "2 "*"Qt says: "*"/no-such-fb"*) ;; *) fail "no framebuffer: $out" ;; esac
run "Wayland asked for" 1 "platform 'wayland'" "" QT_QPA_PLATFORM=wayland
case "$out" in *"Wayland compositor"*) ;; *) fail "Wayland asked for: no Wayland hint: $out" ;; esac
echo "$out" | grep DISPLAY && fail "Wayland asked for: DISPLAY blamed (above)"
run "Wayland only" 1 "Wayland display 'no-such'" "" WAYLAND_DISPLAY=no-such XDG_SESSION_TYPE=wayland
case "$out" in *"Wayland compositor"*) ;; *) fail "Wayland only: no Wayland hint: $out" ;; esac
echo "$out" | grep -E 'DISPLAY|X (server|display)|XAUTHORITY' && fail "Wayland: X blamed (above)"
run "DISPLAY with escapes" 1 "'<U+001B>]0;PWNED<U+0007><U+001B>[2J:139'" "" \
  DISPLAY="$esc]0;PWNED$bel${esc}[2J:139"
run "name with escapes" 1 "quiz<U+001B>[2J: cannot open a display" "" \
  perl -e '$path = pop; exec {$path} @ARGV' "quiz${esc}[2J"
case "$out" in "quiz<U+001B>"*) ;; *) fail "name with escapes: not its name first: $out" ;; esac
# Too few descriptors to load a platform plugin: said so, not blamed on the plugin.
[ "$sanitized" = 1 ] || for limit in 6 7 8; do
  run "$limit descriptors" 1 "too few file descriptors: at most $limit may be open" "" \
    QT_QPA_PLATFORM=offscreen prlimit --nofile=$limit
done
# Its standard error a pipe that nobody reads: the report is lost, the status is not.
run "stderr a closed pipe" 1 "" "" WAYLAND_DISPLAY=no-such XDG_SESSION_TYPE=wayland \
  perl -e 'pipe(my $r, my $w) or die; close $r; open(STDERR, ">&", $w) or die; exec @ARGV'
# No room for the window icon, nor then for the box that would report it: said on the stream.
run "short of memory" 1 "too little memory" "" QT_QPA_PLATFORM=offscreen \
  LD_PRELOAD="$short_of_memory" ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}verify_asan_link_order=0"

# Wayland fails and it starts offscreen: Qt's words come out as Qt writes them, with no stray ": "
# where a category would stand, and one line on the lack of a Korean font. Qt 6.8's Wayland plugin,
# failing, leaves its services object behind, wholly inside Qt: no leak check here.
run "after Wayland, offscreen" 0 "" 'grep -q fonts-nanum "$log"' \
  QT_QPA_PLATFORM="wayland;offscreen" WAYLAND_DISPLAY=no-such \
  FONTCONFIG_FILE="$fonts_no_hangul" ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0"
grep -q wl_display "$log" || fail "after Wayland, offscreen: nothing said of Wayland"
grep '^:' "$log" && fail "after Wayland, offscreen: stray punctuation (above)"
[ "$(grep -c fonts-nanum "$log")" -eq 1 ] || fail "no one line naming fonts-nanum"

# A library that crashes, or ends the process, while the toolkit loads it: what was said before
# comes out, through Qt and straight to the stream alike (AddressSanitizer left out of the crash).
for how in segv:139 abort:134 exit:3; do
  run "${how%:*}" "${how#*:}" "" "" QUIZ_CRASH_PLATFORM="${how%:*}" QT_QPA_PLATFORM=crashing \
    QT_QPA_PLATFORM_PLUGIN_PATH="$platforms" ASAN_OPTIONS="${ASAN_OPTIONS:-}:handle_segv=0"
  said=$(grep -c "^crashing platform: \(loaded to ${how%:*}\|a line of its own\)$" "$log")
  [ "$said" -eq 2 ] || fail "${how%:*}: what was said before lost: $out"
done

export QT_QPA_PLATFORM=offscreen
# has MASK SIGNAL: SIGNAL's bit is set in the program's mask (SigCgt: caught, SigIgn: ignored).
has() { mask=$(sed -n "s/^$1:\\s*//p" /proc/$pid/status) && [ $((0x$mask >> ($2 - 1) & 1)) = 1 ]; }
up='has SigCgt 15 2>/dev/null'
# A platform that lists no fonts says nothing of the fonts installed.
run "minimal" 0 "" "$up && sleep 1" QT_QPA_PLATFORM=minimal
[ -s "$log" ] && fail "minimal: said $(cat "$log")"
# Sent once up, and pending at exec (blocked, raised) before the toolkit has even started. TERM
# last: it is the signal sent from here on.
for signal in INT HUP TERM; do
  run "SIG$signal" 0 "" "$up && sleep 0.3"
  run "SIG$signal before start-up" 0 "" "" perl -MPOSIX -e 'my $s = POSIX->can("SIG" . shift)->();
    sigprocmask(SIG_BLOCK, POSIX::SigSet->new($s)); kill $s, $$; exec @ARGV' $signal
done
# Sent while the toolkit's libraries load (stretched by the loader's tracing): held back from the
# first instruction that can, and acted on once caught. held: they are blocked, before they are
# caught (10 s at most).
held='perl -e '"'"'for (1 .. 100000) { open(my $f, "<", "/proc/$ARGV[0]/status") or exit 1;
  my %m = map { /^(Sig\w+):\s*\w*(\w{8})$/ ? ($1, hex $2) : () } <$f>;
  exit 0 if $m{SigBlk} & 1 << 14; exit 1 if $m{SigCgt} & 1 << 14; select undef, undef, undef, 1e-4 }
  exit 1'"'"' $pid'
LD_DEBUG=symbols LD_DEBUG_OUTPUT="$scratch/loader" "$program" 2>"$log" & pid=$!
eval "$held" || fail "SIGTERM while loading: not held back"
kill -TERM $pid
ends "SIGTERM while loading" 0
# Started with signals ignored (nohup, a shell's trap '' HUP ALRM, a service manager): they stay
# so, SIGPIPE too, and the program's own use of a signal takes none of them.
perl -e '$SIG{$_} = "IGNORE" for qw(HUP INT USR1 USR2 ALRM RTMIN NUM35); exec @ARGV' "$program" \
  2>"$log" & pid=$!
wait_for "$up"
for ignored in 1 2 10 12 13 14 34 35; do
  has SigIgn $ignored && ! has SigCgt $ignored || fail "signal $ignored not ignored"
done
kill -HUP $pid && kill -INT $pid && kill -ALRM $pid && kill -USR1 $pid
ends "HUP, INT, ALRM and USR1 ignored" 0 "" true
# Start-up stalls (an X server that takes the connection and never answers): a quit signal still
# ends it within a second, also where the alarm signal is ignored.
perl -MIO::Socket::INET -e 'for (100 .. 999) { $n = $_; $s = IO::Socket::INET->new(Listen => 5,
  LocalAddr => "127.0.0.1:" . (6000 + $n)) and last } open(F, ">", shift); print F "$n\n";
  close F; push @c, $s->accept while 1' "$scratch/mute" & mute=$!
wait_for '[ -s "$scratch/mute" ]'
for ignored in USR1 ALRM; do
  run "stalled, $ignored ignored" 0 "" "$up && sleep 0.3" DISPLAY="127.0.0.1:$(cat "$scratch/mute")" \
    QT_QPA_PLATFORM=xcb perl -e "\$SIG{$ignored} = 'IGNORE'; exec @ARGV"
done
kill $mute
# Descriptors already open count: with 34 inherited, a limit of 40 is too low; with 20, it is not.
inherit='$^F = 999; open($f[$_], "<", "/dev/null") for 1 .. shift; exec @ARGV'
[ "$sanitized" = 1 ] || {
  run "34 descriptors open" 1 "too few file descriptors" "" prlimit --nofile=40 perl -e "$inherit" 34
  run "20 descriptors open" 0 "" "$up" prlimit --nofile=40 perl -e "$inherit" 20
}

command -v Xvfb >/dev/null && command -v xdotool >/dev/null && command -v weston >/dev/null ||
  { echo "SKIP: the rest needs Xvfb, xdotool and weston"; exit $((failed ? 1 : 77)); }
x11() {
  rm -f "$scratch/display"
  Xvfb -displayfd 3 -noreset -nolisten tcp 3>"$scratch/display" 2>/dev/null & server=$!
  wait_for '[ -s "$scratch/display" ]'
  export DISPLAY=":$(cat "$scratch/display")" QT_QPA_PLATFORM=
}
x11
# Too few descriptors: GLib gives up on a thread's wake-up pipe and crashes, or the window waits
# for ever for the shared memory it was to paint into.
shown='xdotool search --onlyvisible --pid $pid >/dev/null 2>&1'
for limit in 9 10 11 12 13; do
  run "$limit descriptors" "0 1" "too few file descriptors" "$shown" prlimit --nofile=$limit
done
# Less address space than the least it is started with: refused before the toolkit loads (which
# would fail at any point), in the user's language; with the least, the window shows its text.
[ "$sanitized" = 1 ] || {
  for limit in 64 100 $((least - 1)); do
    run "$limit MB" 1 "too little memory: the address space is limited to $limit MB (ulimit -v)" \
      "" prlimit --as=$((limit << 20))
  done
  run "$((least - 1)) MB, in Korean" 1 "주소 공간이 $((least - 1))MB로 제한되어 있습니다" "" \
    LANGUAGE=ko prlimit --as=$(((least - 1) << 20))
  run "$least MB" 0 "" "$shown" prlimit --as=$((least << 20))
  [ -s "$log" ] && fail "$least MB: said $(cat "$log")"
}
# Scales it cannot use: named, then dropped.
for setting in QT_SCALE_FACTOR=-1 QT_SCALE_FACTOR=0 QT_SCALE_FACTOR=nan QT_SCALE_FACTOR=inf \
  QT_SCALE_FACTOR=100 QT_SCREEN_SCALE_FACTORS=1e9 QT_SCREEN_SCALE_FACTORS=x=2,y=-1 \
  QT_FONT_DPI=100000; do
  run "$setting" 0 "" "$shown" "$setting"
  grep -q "${setting%%=*}=.* usable scale" "$log" || fail "$setting: not named: $out"
done
run "QT_SCALE_FACTOR=2" 0 "" "$shown" QT_SCALE_FACTOR=2
[ -s "$log" ] && fail "QT_SCALE_FACTOR=2: said $(cat "$log")"
# Another client makes the window as large as X allows: it takes at most its screen, not the
# gigabytes such a window would take to paint.
resized() {
  eval "$shown" || return 1
  window=$(xdotool search --onlyvisible --pid $pid | head -n 1) && sleep 0.5
  before=$(awk '/^VmRSS/ { print $2 }' /proc/$pid/status)
  xdotool windowsize "$window" 32767 32767 && sleep 2
  after=$(awk '/^VmRSS/ { print $2 }' /proc/$pid/status)
  geometry=$(xdotool getwindowgeometry "$window" | sed -n 's/.*Geometry: //p')
  [ $((after - before)) -lt 65536 ] || fail "resized: $before KiB resident, then $after KiB"
  [ "${geometry%x*}" -le "$screen_width" ] && [ "${geometry#*x}" -le "$screen_height" ] ||
    fail "resized: $geometry on a screen of ${screen_width}x$screen_height"
}
read -r screen_width screen_height <<EOF
$(xdotool getdisplaygeometry)
EOF
run "resized to 32767x32767" 0 "" resized
# An X authority file that never ends or never comes.
mkfifo "$scratch/fifo"
for authority in /dev/zero "$scratch/fifo"; do
  run "XAUTHORITY=$authority" 1 "XAUTHORITY names '$authority'" "" XAUTHORITY="$authority"
done
kill -TERM "$server" && wait "$server" 2>/dev/null
# A screen of 8 bits a pixel, which the toolkit cannot paint on.
Xvfb -displayfd 3 -noreset -screen 0 640x480x8 -nolisten tcp 3>"$scratch/display8" 2>/dev/null & server=$!
wait_for '[ -s "$scratch/display8" ]'
run "8 bits a pixel" 1 "8 bits a pixel" "$shown" DISPLAY=":$(cat "$scratch/display8")"

# lost NAME STATUSES: once the server is gone it ends by itself, saying at most one line (Qt's
# Wayland plugin may say it from two threads at once).
lost() {
  kill -TERM "$server" && wait "$server" 2>/dev/null
  ends "$1" "$2"
  [ "$(echo "$out" | sort -u | grep -c .)" -le 1 ] || fail "$1: more than one line: $out"
}
name=$(sed -n 's/^Name\[ko\]=//p' "$entry") wm_class=$(sed -n 's/^StartupWMClass=//p' "$entry")
# Windows left to the system at exit are no leak. xdotool finds Korean titles only in UTF-8.
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0"
kill -TERM "$server" && wait "$server" 2>/dev/null
for moment in idle: verdict:2 error:abc; do
  x11
  "$program" 2>"$log" & pid=$!
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
  lost "X11, ${moment%:*}" 1
done

# Wayland: the app id, then the compositor going away. Qt's Wayland plugin ends the process
# itself, as any Qt program's: with status 1 in Qt 6.4 (Debian 12), 255 in Qt 6.8 (Debian 13).
weston --backend=headless-backend.so --socket=display-loss --idle-time=0 >/dev/null 2>&1 & server=$!
wait_for '[ -S "$scratch/display-loss" ]'
WAYLAND_DISPLAY=display-loss WAYLAND_DEBUG=1 QT_QPA_PLATFORM=wayland "$program" 2>"$log" & pid=$!
wait_for 'grep -q set_app_id "$log"'
grep -q "set_app_id(\"$(basename "$entry" .desktop)\")" "$log" ||
  fail "Wayland app id: $(grep -o 'set_app_id([^)]*)' "$log" || echo none)"
sleep 0.5
lost Wayland "1 255"
exit "$failed"
