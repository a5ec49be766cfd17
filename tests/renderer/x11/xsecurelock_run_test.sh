#!/usr/bin/env bash
# The hack as the saver of the real xsecurelock: on an Xvfb screen, xsecurelock with
# XSECURELOCK_SAVER naming the hack starts it on the window it hands over in XSCREENSAVER_WINDOW;
# stars show on that very window (kept as a screenshot), and when xsecurelock ends, the hack's
# process ends with it, having written nothing on standard error.
# Usage: xsecurelock_run_test.sh PATH_TO_VELMORA SCREENSHOT.png
set -euo pipefail
hack=$1
shot=$2
work=$(mktemp -d)

cleanup() {
  [ -z "${lock:-}" ] || kill "$lock" 2>/dev/null || true
  [ -z "${xvfb:-}" ] || kill "$xvfb" 2>/dev/null || true
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; cat "$work/lock.err" >&2; exit 1; }

Xvfb -displayfd 3 -screen 0 800x600x24 -nolisten tcp -noreset -ac 3>"$work/display" 2>/dev/null &
xvfb=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=":$(head -n1 "$work/display")"

# The hack started for this screen (other tests may run the same program on theirs).
saver_process() {
  local pid
  for pid in $(pgrep -f "^$hack( |$)"); do
    if tr '\0' '\n' <"/proc/$pid/environ" 2>/dev/null | grep -qx "DISPLAY=$DISPLAY"; then
      echo "$pid"
      return
    fi
  done
}

XSECURELOCK_SAVER=$hack xsecurelock 2>"$work/lock.err" &
lock=$!
for _ in $(seq 100); do pid=$(saver_process) && [ -n "$pid" ] && break; sleep 0.1; done
[ -n "${pid:-}" ] || fail "xsecurelock started no hack within 10 s"
window=$(tr '\0' '\n' <"/proc/$pid/environ" | sed -n 's/^XSCREENSAVER_WINDOW=//p')
[ -n "$window" ] || fail "the hack has no XSCREENSAVER_WINDOW"

# The window's place on the screen; import cannot find a window below the compositing overlay
# by its id, so the screen is taken and cut to it.
info=$(xwininfo -id "$window") || fail "xsecurelock's window $window does not exist"
grep -q 'Map State: IsViewable' <<<"$info" || fail "xsecurelock's window $window is not shown"
field() { sed -n "s/^ *$1: *//p" <<<"$info"; }
place="$(field Width)x$(field Height)+$(field 'Absolute upper-left X')+$(field 'Absolute upper-left Y')"

lit=no
for _ in $(seq 40); do
  import -window root -crop "$place" +repage "$shot" 2>/dev/null || true
  if [ -s "$shot" ] &&
    awk -v m="$(convert "$shot" -format '%[fx:mean]' info:)" 'BEGIN { exit !(m > 0.01) }'; then
    lit=yes
    break
  fi
  sleep 0.25
done
[ "$lit" = yes ] || fail "no stars on xsecurelock's window $window within 10 s"

kill -TERM "$lock"
for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
! kill -0 "$pid" 2>/dev/null || fail "the hack still runs 5 s after xsecurelock ended"
! grep -q '^velmora:' "$work/lock.err" || fail "the hack wrote an error"
echo "stars on xsecurelock's window $window ($shot); the hack ended with xsecurelock"
