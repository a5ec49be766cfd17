#!/usr/bin/env bash
# The hack under the real XScreenSaver daemon: on an Xvfb screen, with only "velmora -root" in
# its list, -activate shows stars within seconds and -deactivate ends the hack's process.
# XScreenSaver launches no hack as root, so as root the daemon runs as a user made for the test.
# Usage: xscreensaver_run_test.sh PATH_TO_VELMORA
set -euo pipefail
hack=$1
work=$(mktemp -d)
chmod 755 "$work"
cp "$hack" "$work/velmora"
user=$(id -un)
if [ "$(id -u)" -eq 0 ]; then
  user=velmora-test
  id "$user" >/dev/null 2>&1 || useradd -m "$user"
fi
home=$(getent passwd "$user" | cut -d: -f6)
run_as() { if [ "$(id -u)" -eq 0 ]; then runuser -u "$user" -- "$@"; else "$@"; fi; }

cleanup() {
  [ -z "${daemon:-}" ] || kill "$daemon" 2>/dev/null || true
  [ -z "${xvfb:-}" ] || kill "$xvfb" 2>/dev/null || true
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; [ ! -f "$work/daemon.log" ] || tail -20 "$work/daemon.log" >&2; exit 1; }

Xvfb -displayfd 3 -screen 0 800x600x24 -nolisten tcp -noreset -ac 3>"$work/display" 2>/dev/null &
xvfb=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=":$(head -n1 "$work/display")"

cat >"$work/xscreensaver" <<CONF
mode: one
selected: 0
timeout: 0:30:00
lock: False
splash: False
programs: GL: $work/velmora -root \n
CONF
install -o "$user" -m 644 "$work/xscreensaver" "$home/.xscreensaver"
run_as env DISPLAY="$DISPLAY" HOME="$home" xscreensaver -no-splash >"$work/daemon.log" 2>&1 &
daemon=$!
xs_command() { run_as env DISPLAY="$DISPLAY" HOME="$home" xscreensaver-command "$@" >/dev/null; }
for _ in $(seq 100); do xs_command -time 2>/dev/null && break; sleep 0.1; done

# Mean brightness of the whole screen, 0 to 1.
brightness() { import -window root png:- | /usr/bin/convert png:- -format '%[fx:mean]' info:; }

xs_command -activate
lit=no
for _ in $(seq 40); do
  if pgrep -u "$user" -f "$work/velmora" >/dev/null &&
    awk -v m="$(brightness)" 'BEGIN { exit !(m > 0.01) }'; then
    lit=yes
    break
  fi
  sleep 0.25
done
[ "$lit" = yes ] || fail "no stars on the screen 10 s after -activate"

xs_command -deactivate
for _ in $(seq 50); do pgrep -u "$user" -f "$work/velmora" >/dev/null || break; sleep 0.1; done
! pgrep -u "$user" -f "$work/velmora" >/dev/null || fail "the hack still runs after -deactivate"
echo "stars shown after -activate; the hack ended after -deactivate"
