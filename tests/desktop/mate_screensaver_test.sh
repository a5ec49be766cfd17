#!/usr/bin/env bash
# The installed package under the real MATE screensaver: on an Xvfb screen, with a session bus of
# its own and gsettings choosing the Velmora theme alone, --activate starts the installed hack on
# the screensaver's window, which it fills with stars (the screen is left in SCREENSHOT.png);
# --deactivate ends it. Run by debian_package_test.sh while the package is installed, on a screen
# of its own (tests/support/with-xvfb.sh).
# Usage: mate_screensaver_test.sh SCREENSHOT_PNG
set -euo pipefail
shot=$1
hack=/usr/libexec/xscreensaver/velmora
fail() { echo "mate test: $*" >&2; [ ! -f "$work/mate.log" ] || tail -20 "$work/mate.log" >&2; exit 1; }

if [ "${VELMORA_MATE_BUS:-}" != yes ]; then
  work=$(mktemp -d)
  trap 'rm -rf "$work"' EXIT
  # The settings live in a home of the test's own; the session bus starts dconf with it.
  mkdir -m 700 "$work/home" "$work/runtime"
  env HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" \
    XDG_CACHE_HOME="$work/home/.cache" XDG_RUNTIME_DIR="$work/runtime" XDG_CURRENT_DESKTOP=MATE \
    VELMORA_MATE_BUS=yes work="$work" dbus-run-session -- "$0" "$@" >"$work/bus.log" 2>&1 ||
    { cat "$work/bus.log" >&2; exit 1; }
  echo "mate test: the Velmora theme drew stars on the screensaver's window ($shot)"
  exit 0
fi

# The hack's process on this screen, if one runs.
hack_pid() {
  local pid
  for pid in $(pgrep -f "^$hack" || true); do
    tr '\0' '\n' <"/proc/$pid/environ" 2>/dev/null | grep -qx "DISPLAY=$DISPLAY" && echo "$pid" && return
  done
  return 0
}

gsettings set org.mate.screensaver mode single
gsettings set org.mate.screensaver themes "['screensavers-velmora']"
gsettings set org.mate.screensaver lock-enabled false
gsettings set org.mate.screensaver idle-activation-enabled false
mate-screensaver --no-daemon >"$work/mate.log" 2>&1 &
mate=$!
trap 'kill "$mate" 2>/dev/null || true' EXIT
for _ in $(seq 100); do mate-screensaver-command --query >/dev/null 2>&1 && break; sleep 0.1; done
mate-screensaver-command --activate >/dev/null

lit=no pid=
for _ in $(seq 40); do
  pid=$(hack_pid)
  if [ -n "$pid" ]; then
    import -window root "$shot"
    awk -v m="$(/usr/bin/convert "$shot" -format '%[fx:mean]' info:)" 'BEGIN { exit !(m > 0.01) }' &&
      { lit=yes; break; }
  fi
  sleep 0.25
done
[ -n "$pid" ] || fail "no $hack on the screen 10 s after --activate"
[ "$lit" = yes ] || fail "no stars on the screen 10 s after --activate (see $shot)"
[ "$(tr '\0' ' ' <"/proc/$pid/cmdline")" = "$hack --root " ] || fail "the hack runs as: $(tr '\0' ' ' <"/proc/$pid/cmdline")"
window=$(tr '\0' '\n' <"/proc/$pid/environ" | sed -n 's/^XSCREENSAVER_WINDOW=//p')
[ -n "$window" ] || fail "the hack was given no XSCREENSAVER_WINDOW"
# A viewable window as large as the screen.
size() { sed -n 's/^ *\(Width\|Height\): //p' <<<"$1" | paste -sd x; }
info=$(xwininfo -id "$window")
grep -q "Map State: IsViewable" <<<"$info" && [ "$(size "$info")" = "$(size "$(xwininfo -root)")" ] ||
  fail "the screensaver's window $window: $info"

mate-screensaver-command --deactivate >/dev/null
for _ in $(seq 50); do [ -d "/proc/$pid" ] || break; sleep 0.1; done
[ ! -d "/proc/$pid" ] || fail "the hack still runs after --deactivate"
