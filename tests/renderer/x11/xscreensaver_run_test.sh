#!/usr/bin/env bash
# The hack under the real XScreenSaver daemon: on an Xvfb screen, with only "velmora -root" in
# its list, -activate shows stars within seconds and -deactivate ends the hack's process quietly,
# with status 0 and nothing on its standard error, however the daemon's signal and the end of its
# window fall. A wrapper passes the daemon's signal on and keeps the status and the output.
# XScreenSaver launches no hack as root, so as root the daemon runs as a user made for the test.
# Usage: xscreensaver_run_test.sh PATH_TO_VELMORA
set -euo pipefail
hack=$1
work=$(mktemp -d)
chmod 755 "$work"
cp "$hack" "$work/velmora.bin"
cat >"$work/velmora" <<WRAP
#!/usr/bin/env bash
"$work/velmora.bin" "\$@" 2>>"$work/hack.err" &
child=\$!
trap 'kill -TERM \$child' TERM INT
wait \$child; status=\$?
# A signal ends the first wait, not the hack.
[ \$status -gt 128 ] && { wait \$child; status=\$?; }
echo \$status >>"$work/hack.status"
WRAP
chmod 755 "$work/velmora"
touch "$work/hack.err" "$work/hack.status"
chmod 666 "$work/hack.err" "$work/hack.status"
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
  if pgrep -u "$user" -f "$work/velmora.bin" >/dev/null &&
    awk -v m="$(brightness)" 'BEGIN { exit !(m > 0.01) }'; then
    lit=yes
    break
  fi
  sleep 0.25
done
[ "$lit" = yes ] || fail "no stars on the screen 10 s after -activate"

xs_command -deactivate
for _ in $(seq 50); do [ -s "$work/hack.status" ] && break; sleep 0.1; done
! pgrep -u "$user" -f "$work/velmora.bin" >/dev/null || fail "the hack still runs after -deactivate"
[ "$(cat "$work/hack.status")" = 0 ] || fail "the hack ended with status $(cat "$work/hack.status")"
[ ! -s "$work/hack.err" ] || fail "the hack wrote: $(cat "$work/hack.err")"
echo "stars shown after -activate; the hack ended quietly with status 0 after -deactivate"
